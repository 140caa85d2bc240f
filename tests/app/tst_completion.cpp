#include "support/TestProgram.h"

#include <QtTest>

namespace {

// What the shell offers for the line, up to the word being completed (the last). In zsh the
// completion system's own functions are replaced by ones that print what they are given.
QStringList offered(const QString &shell, const QString &scriptPath, const QStringList &line, const QString &cwd)
{
    QString quotedWords = "'lirvenda'";
    for (const QString &word : line)
        quotedWords += " '" + word + "'";
    const QString script = shell == "bash"
                               ? QStringLiteral("source \"$0\"; COMP_WORDS=(%1); COMP_CWORD=%2; _lirvenda; "
                                                "printf '%s\\n' \"${COMPREPLY[@]}\"")
                                     .arg(quotedWords)
                                     .arg(line.size())
                               : QStringLiteral("compadd() { [[ $1 == -- ]] && shift; print -l -- \"$@\"; }; "
                                                "_files() { print -l -- *(${1:+/}N); }; "
                                                "words=(%1); CURRENT=%2; source \"$0\"")
                                     .arg(quotedWords)
                                     .arg(line.size() + 1);
    QProcess process;
    process.setWorkingDirectory(cwd);
    process.start(shell, {"-c", script, scriptPath});
    process.waitForFinished();
    QStringList offers = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    // zsh offers every word and filters by the prefix itself; bash filters first.
    const QString prefix = line.last();
    offers.removeIf([&prefix](const QString &offer) { return !offer.startsWith(prefix); });
    return offers;
}

} // namespace

class CompletionTest : public QObject {
    Q_OBJECT

private slots:
    // The script the program writes for each shell, and a folder with a folder and a file to offer.
    void initTestCase()
    {
        for (const QString shell : {"bash", "zsh"}) {
            QProcess program;
            program.start(QStringLiteral(LIRVENDA_EXECUTABLE), {"completion", shell});
            QVERIFY(program.waitForFinished());
            QVERIFY(lirvenda::test::writeFile(m_dir.filePath(shell), program.readAllStandardOutput()));
        }
        QVERIFY(QDir(m_dir.path()).mkpath("work/sub") &&
                lirvenda::test::writeFile(m_dir.filePath("work/sure.tar"), {}));
    }

    void theShellsCompleteCommandsOptionsAndArguments_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QStringList>("line");
        QTest::addColumn<QStringList>("wanted"); // among the offers
        QTest::addColumn<QStringList>("unwanted");
        const QString year = QString::number(QDate::currentDate().year());
        for (const QString shell : {"bash", "zsh"}) {
            const auto row = [&shell](const char *name) -> QTestData & {
                return QTest::addRow("%s: %s", qPrintable(shell), name);
            };
            row("a command") << shell << QStringList{"st"} << QStringList{"stats"} << QStringList{"check"};
            row("a command after the folder")
                << shell << QStringList{"--folder", "stats", "ch"} << QStringList{"check"} << QStringList{};
            row("a command's options") << shell << QStringList{"stats", "--"} << QStringList{"--csv", "--json"}
                                       << QStringList{"--screenshot"};
            row("the window's options") << shell << QStringList{"--s"} << QStringList{"--screenshot"}
                                        << QStringList{"--csv"};
            row("a year") << shell << QStringList{"--folder", "d", "stats", "20"} << QStringList{year, "2000"}
                          << QStringList{"1999"};
            row("a year after --year") << shell << QStringList{"lists", "county", "NO03", "--year", "20"}
                                       << QStringList{year, "2000"} << QStringList{"1999"};
            row("a command to help with")
                << shell << QStringList{"help", "ba"} << QStringList{"backup"} << QStringList{};
            row("a folder") << shell << QStringList{"check", "--folder", "su"} << QStringList{"sub"}
                            << QStringList{"sure.tar"};
            row("a file") << shell << QStringList{"backup", "su"} << QStringList{"sure.tar"} << QStringList{};
            row("nothing after the last argument")
                << shell << QStringList{"stats", "2020", "20"} << QStringList{} << QStringList{year};
        }
    }

    void theShellsCompleteCommandsOptionsAndArguments()
    {
        QFETCH(QString, shell);
        QFETCH(QStringList, line);
        QFETCH(QStringList, wanted);
        QFETCH(QStringList, unwanted);
        const QStringList offers = offered(shell, m_dir.filePath(shell), line, m_dir.filePath("work"));
        for (const QString &word : wanted)
            QVERIFY2(offers.contains(word), qPrintable(offers.join(' ')));
        for (const QString &word : unwanted)
            QVERIFY2(!offers.contains(word), qPrintable(offers.join(' ')));
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(CompletionTest)
#include "tst_completion.moc"
