// The passphrase on the command line: set, changed and removed with "lirvenda passwd", and taken by
// every command from standard input, the passphrase file, the terminal (without echo) or the
// desktop's keyring, a real Secret Service started for the test in a D-Bus session of its own.

#include "core/store/Database.h"
#include "core/store/Program.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;
using test::contents;
using test::opensWith;

namespace {

struct Run {
    int exitCode;
    QString output; // standard output and, through a terminal, everything shown
    QString errors;
};

Run runLirvenda(const QStringList &arguments, const QByteArray &input = {},
                const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                const QString &program = LIRVENDA_EXECUTABLE)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000))
        process.kill();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

// A folder with a store the program made, closed again.
QString makeStore(const QTemporaryDir &dir)
{
    const QString folder = dir.filePath("Lirvenda");
    Program(folder).openMainConnection();
    return folder;
}

} // namespace

class PassphraseCommandsTest : public QObject {
    Q_OBJECT
private slots:
    // The passphrase from standard input, then from the file LIRVENDA_PASSPHRASE_FILE names.
    void passwdAndCommandsWithoutATerminal()
    {
        QTemporaryDir dir;
        const QString folder = makeStore(dir);
        const QString store = folder + "/Observasjoner.mdb";
        const Run different = runLirvenda({"passwd", "--folder", folder}, "en frase\nen annen\n");
        QVERIFY(different.exitCode == 2 && different.errors.contains("ulike"));
        QVERIFY(opensWith(store, Program::DatabaseKey));

        QCOMPARE(runLirvenda({"passwd", "--folder", folder}, "en frase\nen frase\n").exitCode, 0);
        QVERIFY(!opensWith(store, Program::DatabaseKey) && opensWith(store, "en frase"));
        QCOMPARE(runLirvenda({"check", "--folder", folder}, "en frase\n").exitCode, 0);

        const QByteArray before = contents(store);
        const Run wrong = runLirvenda({"check", "--folder", folder}, "feil\nfeil\nfeil\nen frase\n");
        QVERIFY2(wrong.exitCode == 2 && wrong.errors.contains("Feil passfrase"), qPrintable(wrong.errors));
        QCOMPARE(contents(store), before);
        const Run none = runLirvenda({"check", "--folder", folder});
        QVERIFY(none.exitCode == 2 && none.errors.contains("Observasjoner.mdb"));

        QVERIFY(test::writeFile(dir.filePath("frase"), "en frase\n"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LIRVENDA_PASSPHRASE_FILE", dir.filePath("frase"));
        const Run check = runLirvenda({"check", "--folder", folder}, {}, environment);
        QVERIFY2(check.exitCode == 0 && check.output.contains("Ingen feil funnet."), qPrintable(check.errors));
        QCOMPARE(runLirvenda({"backup", dir.filePath("kopi.tar"), "--folder", folder}, {}, environment).exitCode, 0);
        const Run restore =
            runLirvenda({"restore", dir.filePath("kopi.tar"), "--folder", dir.filePath("tilbake")}, {}, environment);
        QVERIFY2(restore.exitCode == 0, qPrintable(restore.errors));
        QVERIFY(opensWith(dir.filePath("tilbake/Observasjoner.mdb"), "en frase"));
        QVERIFY(test::writeFile(dir.filePath("frase"), "noe annet\n"));
        const Run wrongFile = runLirvenda({"check", "--folder", folder}, {}, environment);
        QVERIFY(wrongFile.exitCode == 2 && wrongFile.errors.contains("LIRVENDA_PASSPHRASE_FILE"));

        // The current one, then an empty new one twice: back to the program's own key.
        QCOMPARE(runLirvenda({"passwd", "--folder", folder}, "en frase\n\n\n").exitCode, 0);
        QVERIFY(opensWith(store, Program::DatabaseKey));
    }

    // Through a terminal the passphrase is asked without echo: what the user types is not shown.
    void passwdOnATerminal()
    {
        QTemporaryDir dir;
        const QString folder = makeStore(dir);
        QProcess terminal;
        terminal.start("script",
                       {"-qec", QString("'%1' passwd --folder '%2'").arg(LIRVENDA_EXECUTABLE, folder), "/dev/null"});
        QString shown;
        for (const char *answer : {"hemmelig frase\n", "hemmelig frase\n"}) {
            while (!shown.endsWith(": ") && terminal.waitForReadyRead(60000))
                shown += QString::fromUtf8(terminal.readAllStandardOutput());
            shown += '|';
            terminal.write(answer);
        }
        QVERIFY(terminal.waitForFinished(60000));
        shown += QString::fromUtf8(terminal.readAllStandardOutput());
        QCOMPARE(terminal.exitCode(), 0);
        QVERIFY2(shown.contains("Gjenta den nye passfrasen") && !shown.contains("hemmelig"), qPrintable(shown));
        QVERIFY(opensWith(folder + "/Observasjoner.mdb", "hemmelig frase"));
    }

    // "passwd --keyring" keeps the passphrase in the keyring, and the commands take it from there;
    // removing the passphrase forgets it.
    void keyRingRoundTrip()
    {
        if (QStandardPaths::findExecutable("dbus-run-session").isEmpty() ||
            QStandardPaths::findExecutable("gnome-keyring-daemon").isEmpty())
            QSKIP("dbus-run-session and gnome-keyring-daemon are needed for a Secret Service");
        QTemporaryDir dir;
        const QString folder = makeStore(dir);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        QVERIFY(QDir().mkpath(dir.filePath("home/.cache")) && QDir().mkpath(dir.filePath("home/data")));
        environment.insert("HOME", dir.filePath("home")); // the test's keyring, never the user's
        environment.insert("XDG_DATA_HOME", dir.filePath("home/data"));
        environment.remove("DBUS_SESSION_BUS_ADDRESS");
        const QString session = "printf nokkel | gnome-keyring-daemon --unlock --components=secrets >/dev/null || "
                                "exit 9\n"
                                "printf 'husket\\nhusket\\n' | \"$0\" passwd --keyring --folder \"$1\" || exit 3\n"
                                "\"$0\" check --folder \"$1\" </dev/null || exit 4\n"
                                "printf '\\n\\n' | \"$0\" passwd --folder \"$1\" || exit 5\n"
                                "printf 'ny\\nny\\n' | \"$0\" passwd --folder \"$1\" || exit 6\n"
                                "\"$0\" check --folder \"$1\" </dev/null && exit 7\n"
                                "exit 0\n";
        const Run run =
            runLirvenda({"--", "sh", "-c", session, LIRVENDA_EXECUTABLE, folder}, {}, environment, "dbus-run-session");
        QVERIFY2(run.exitCode == 0, qPrintable(QString("step %1: %2").arg(run.exitCode).arg(run.errors)));
        QVERIFY(opensWith(folder + "/Observasjoner.mdb", "ny"));
    }
};

QTEST_GUILESS_MAIN(PassphraseCommandsTest)
#include "tst_passphrasecommands.moc"
