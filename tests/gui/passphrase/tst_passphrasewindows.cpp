// The passphrase in the windows: set, changed and removed from the about box, asked at start-up;
// and the day's automatic backup, made behind the window, that says so once when it fails.

#include "core/backup/AutomaticBackups.h"
#include "core/store/StoreKey.h"
#include "gui/backup/AutomaticBackupRunner.h"
#include "gui/passphrase/frm_Passfrase.h"
#include "gui/windows/frmAbout.h"
#include "support/Gestures.h"
#include "support/ModalAnswer.h"
#include "support/TestProgram.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// Opens the passphrase window from the about box and does the action in it.
bool inPassphraseWindow(TestProgram &t, const std::function<void(QWidget *)> &action)
{
    frmAbout about(t.program(), ViewerLauncher{});
    about.show();
    return answerModal([&about] { click(&about, "cmdPassfrase"); }, action);
}

void typeTwice(QWidget *window, const QString &first, const QString &second)
{
    child<QLineEdit>(window, "txtNy")->setText(first);
    child<QLineEdit>(window, "txtGjenta")->setText(second);
}

} // namespace

class PassphraseWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void setChangeAndRemoveFromTheAboutBox()
    {
        TestProgram t;
        t.createObserverFile();
        const QString main = t.path(Program::MainFileName);
        bool removable = true;
        QVERIFY(inPassphraseWindow(t, [&removable](QWidget *window) {
            removable = child<QPushButton>(window, "cmdFjern")->isEnabled();
            typeTwice(window, "første", "forste");
            click(window, "cmdLagre"); // refused: the two differ, the window stays
            typeTwice(window, "første", "første");
            click(window, "cmdLagre");
        }));
        QVERIFY(!removable);
        QCOMPARE(t.prompter().shown.size(), 2);
        QVERIFY(t.prompter().shown.first().text.contains("ulike"));
        QCOMPARE(t.prompter().lastText(), QString("Dagboka har fått ny passfrase."));
        QVERIFY(opensWith(main, "første") && opensWith(t.path(Program::ObserverFileName), "første"));

        QVERIFY(inPassphraseWindow(t, [](QWidget *window) {
            typeTwice(window, "andre", "andre");
            click(window, "cmdLagre");
        }));
        QVERIFY(opensWith(main, "andre"));

        t.prompter().yesNoAnswers = {true};
        QVERIFY(inPassphraseWindow(t, [](QWidget *window) { click(window, "cmdFjern"); }));
        QCOMPARE(t.prompter().lastText(), QString("Dagboka har ikke lenger egen passfrase."));
        QVERIFY(opensWith(main, Program::DatabaseKey));
    }

    // Three wrong passphrases in the window: refused, and the file is as it was.
    void startUpAsksInAWindow_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<bool>("opens");
        QTest::newRow("right at the second") << QStringList{"feil", "rett"} << true;
        QTest::newRow("wrong three times") << QStringList{"feil", "feil", "feil"} << false;
    }

    void startUpAsksInAWindow()
    {
        QFETCH(QStringList, typed);
        QFETCH(bool, opens);
        TestProgram t;
        QVERIFY(setStorePassphrase(t.program(), "rett", false));
        const QByteArray before = contents(t.path(Program::MainFileName));
        setPassphraseSources({nullptr, frm_Passfrase::ask});
        QStringList questions;
        Program program(t.folder());
        bool opened = false;
        const auto answer = [&](const QString &passphrase) {
            return [&questions, passphrase](QWidget *window) {
                questions << child<QLabel>(window, "lblSporsmal")->text();
                child<QLineEdit>(window, "txtPassfrase")->setText(passphrase);
                click(window, "cmdOK");
            };
        };
        std::vector<std::unique_ptr<ModalAnswer>> answers;
        for (const QString &passphrase : typed)
            answers.push_back(std::make_unique<ModalAnswer>(answer(passphrase)));
        try {
            program.openMainConnection();
            opened = true;
        } catch (const DatabaseError &error) {
            QVERIFY(error.message().contains("Feil passfrase"));
        }
        setPassphraseSources({});
        QCOMPARE(opened, opens);
        QCOMPARE(questions.size(), typed.size());
        QVERIFY(questions.first().contains(QDir::toNativeSeparators(t.folder())));
        if (!opens)
            QCOMPARE(contents(t.path(Program::MainFileName)), before);
    }

    void backupFolderChosenFromTheAboutBox()
    {
        TestProgram t;
        qunsetenv("LIRVENDA_BACKUP_DIR");
        QTemporaryDir dir;
        frmAbout about(t.program(), ViewerLauncher{});
        about.show();
        QString shown;
        QVERIFY(answerModal([&about] { click(&about, "cmdSikkerhetskopier"); },
                            [&](QWidget *window) {
                                shown = child<QLineEdit>(window, "txtMappe")->text();
                                child<QLineEdit>(window, "txtMappe")->setText(dir.filePath("kopier"));
                                click(window, "cmdOK");
                            }));
        QVERIFY(shown.endsWith("/lirvenda/backups"));
        QCOMPARE(backupFolder(t.folder()), dir.filePath("kopier"));
        qputenv("LIRVENDA_BACKUP_DIR", dir.filePath("fra miljøet").toUtf8());
        QCOMPARE(backupFolder(t.folder()), dir.filePath("fra miljøet"));
    }

    void automaticBackupBehindTheWindow()
    {
        TestProgram t;
        QTemporaryDir dir;
        qputenv("LIRVENDA_BACKUP_DIR", dir.filePath("kopier").toUtf8());
        QObject owner;
        const QDate today(2026, 3, 2);
        startAutomaticBackup(t.program(), &owner, today);
        const QString made = dir.filePath("kopier/" + automaticBackupName(t.folder(), today));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(made), 30000);
        QTRY_VERIFY(owner.children().isEmpty());
        QVERIFY(t.prompter().shown.isEmpty());

        // A backup folder that cannot be made: one plain message, and nothing else happens; a
        // later start of the same day does not try again.
        QVERIFY(writeFile(dir.filePath("en fil"), "x"));
        qputenv("LIRVENDA_BACKUP_DIR", dir.filePath("en fil/kopier").toUtf8());
        for (int start = 0; start < 2; ++start) {
            startAutomaticBackup(t.program(), &owner, today.addDays(1));
            QTRY_COMPARE_WITH_TIMEOUT(t.prompter().shown.size(), 1, 30000);
            QVERIFY(t.prompter().lastText().startsWith("Den automatiske sikkerhetskopien av dagboka ble ikke laget"));
            QTRY_VERIFY(owner.children().isEmpty());
        }
        QCOMPARE(t.prompter().shown.size(), 1);
        startAutomaticBackup(t.program(), &owner, today.addDays(2)); // the next day tries again
        QTRY_COMPARE_WITH_TIMEOUT(t.prompter().shown.size(), 2, 30000);
        qunsetenv("LIRVENDA_BACKUP_DIR");
    }
};

QTEST_MAIN(PassphraseWindowsTest)
#include "tst_passphrasewindows.moc"
