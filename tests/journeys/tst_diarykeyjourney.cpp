// From a new diary to a passphrase and back: an observer saved through the windows, a passphrase
// set from the about box, the next start asking for it, a backup of the whole diary taken and put
// back in a new folder with the passphrase from a file, and the passphrase removed again.

#include "core/store/StoreKey.h"
#include "gui/passphrase/frm_Passfrase.h"
#include "journeys/Journey.h"

#include <QProcess>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

const QString Passphrase = QStringLiteral("gråspurv på fuglebrettet");

// "Om" → "&Passfrase...", and the action in the passphrase window.
bool inPassphraseWindow(QWidget &window, const QString &aboutButton, const std::function<void(QWidget *)> &action)
{
    bool done = false;
    const bool opened = answerModal([&] { click(&window, aboutButton); },
                                    [&](QWidget *about) {
                                        done = answerModal([&] { click(about, "cmdPassfrase"); }, action);
                                        click(about, "cmdOK");
                                    });
    return opened && done;
}

int run(const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(LIRVENDA_EXECUTABLE, arguments);
    process.closeWriteChannel();
    return process.waitForFinished(120000) ? process.exitCode() : -1;
}

} // namespace

class DiaryKeyJourney : public QObject {
    Q_OBJECT
private slots:
    void passphraseBackupAndBack()
    {
        FaunaWindow w;
        QVERIFY(addObserverThroughWindows(w, "Kari", "Nordmann", "KNO"));
        QVERIFY(inPassphraseWindow(w.window, "Command13", [](QWidget *window) {
            child<QLineEdit>(window, "txtNy")->setText(Passphrase);
            child<QLineEdit>(window, "txtGjenta")->setText(Passphrase);
            click(window, "cmdLagre");
        }));
        QCOMPARE(w.t.prompter().lastText(), QString("Dagboka har fått ny passfrase."));
        QVERIFY(!opensWith(w.t.path(Program::MainFileName), Program::DatabaseKey));

        // The next start asks in a window.
        setPassphraseSources({nullptr, frm_Passfrase::ask});
        Program again(w.t.folder());
        frm_Fauna second(again);
        QVERIFY(answerModal([&] { second.Form_Load(frm_Fauna::Splash::Skip); },
                            [](QWidget *asking) {
                                child<QLineEdit>(asking, "txtPassfrase")->setText(Passphrase);
                                click(asking, "cmdOK");
                            }));
        setPassphraseSources({});
        QCOMPARE(again.observerConnection().scalar("SELECT count(*) FROM Observers").toInt(), 1);

        // The whole diary backed up and put back elsewhere, the passphrase taken from a file.
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("frase"), Passphrase.toUtf8() + '\n'));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LIRVENDA_PASSPHRASE_FILE", dir.filePath("frase"));
        QCOMPARE(run({"backup", dir.filePath("dagbok.zip"), "--folder", w.t.folder()}, environment), 0);
        QCOMPARE(run({"restore", dir.filePath("dagbok.zip"), "--folder", dir.filePath("Lirvenda")}, environment), 0);
        const auto restored = Database::open(dir.filePath("Lirvenda/Observasjoner.mdb"), Passphrase);
        QCOMPARE(restored->scalar("SELECT ObserverInitials FROM Observers").toString(), QString("KNO"));

        // Removed again from the second window's about box.
        w.t.prompter().yesNoAnswers = {true};
        QVERIFY(inPassphraseWindow(second, "Command13", [](QWidget *window) { click(window, "cmdFjern"); }));
        QVERIFY(opensWith(w.t.path(Program::MainFileName), Program::DatabaseKey));
    }
};

QTEST_MAIN(DiaryKeyJourney)
#include "tst_diarykeyjourney.moc"
