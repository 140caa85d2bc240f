// The archive's exports of every match and the window of the eBird import, through their controls.

#include "gui/archive/frm_Arkiv.h"
#include "gui/exchange/frm_EbirdImport.h"
#include "support/EbirdFiles.h"
#include "support/Gestures.h"
#include "support/ModalAnswer.h"
#include "support/TestProgram.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// 130 observations at Hvaler, more than the archive shows, and one elsewhere.
struct ArchiveStore {
    TestProgram t;
    ArchiveStore()
    {
        for (int i = 0; i < 130; ++i)
            t.insertObservation(
                {{"Art", "01860"}, {"Antall", i}, {"StartDato", "2022-03-03 00:00:00"}, {"Lokalitet", "Hvaler"}});
        t.insertObservation(
            {{"Art", "10200"}, {"Antall", 1}, {"StartDato", "2022-03-03 00:00:00"}, {"Lokalitet", "Akerselva"}});
    }
    // The archive searched by locality, then one of its export buttons answered with a file name.
    bool exportFromArchive(const QString &button, const QString &name)
    {
        frm_Arkiv archive(t.program());
        auto *localities = child<QComboBox>(&archive, "Combo6");
        localities->setCurrentIndex(localities->findData("Hvaler"));
        return answerModal([&] { click(&archive, button); },
                           [&](QWidget *modal) {
                               auto *dialog = qobject_cast<QFileDialog *>(modal);
                               dialog->setDirectory(t.folder());
                               dialog->findChild<QLineEdit *>("fileNameEdit")->setText(name);
                               static_cast<QDialog *>(dialog)->accept();
                           });
    }
};

} // namespace

class ExchangeWindowsTest : public QObject {
    Q_OBJECT
private slots:
    // Every match, not only the 100 lines shown, in each format.
    void archiveExports_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("lines");
        QTest::newRow("Til fil") << "Command2"
                                 << "treff" << 131; // a header, then the rows
        QTest::newRow("eBird") << "Command3"
                               << "ebird.csv" << 130;
    }
    void archiveExports()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(int, lines);
        ArchiveStore s;
        QVERIFY(s.exportFromArchive(button, name));
        const QString path = s.t.path(name.endsWith(".csv") ? name : name + ".csv");
        QCOMPARE(contents(path).count("\r\n"), lines);
        QCOMPARE(s.t.prompter().lastText(), QString("130 observasjoner skrevet til %1.").arg(path));
    }

    void archiveExportCancelled()
    {
        ArchiveStore s;
        frm_Arkiv archive(s.t.program());
        QVERIFY(answerModal([&] { click(&archive, "Command2"); },
                            [](QWidget *dialog) { qobject_cast<QDialog *>(dialog)->reject(); }));
        QVERIFY(s.t.prompter().shown.isEmpty());
    }

    // The preview follows the file and the observer; "&Importer" only when rows would be added.
    void importWindow()
    {
        TestProgram t;
        t.addObserver("Ola", "Nordmann", "ON");
        const QString kari = t.addObserver("Kari", "Hansen", "KH");
        writeFile(t.path("MainObserver.txt"), kari.toUtf8() + "\n");
        int reopened = 0;
        frm_EbirdImport window(t.program(), [&] { ++reopened; });
        auto *observer = child<QComboBox>(&window, "Combo1");
        QCOMPARE(observer->currentText(), "Hansen, K. (KH)");
        auto *file = child<QLineEdit>(&window, "Text1");
        auto *preview = child<QPlainTextEdit>(&window, "Text2");
        auto *import = child<QPushButton>(&window, "Command2");

        file->setText(writeEbirdFile(t.path("feil.csv"), "Navn,Antall\r\n"));
        QTest::keyClick(file, Qt::Key_Return);
        QVERIFY(preview->toPlainText().contains("kolonnen «Submission ID» mangler"));
        QVERIFY(!import->isEnabled());

        file->setText(writeEbirdFile(t.path("data.csv"), ebirdFile({ebirdRow({}), ebirdRow({{"Count", "X"}})})));
        QTest::keyClick(file, Qt::Key_Return);
        QVERIFY(preview->toPlainText().startsWith("Rader lest: 2\nRader som importeres: 1\n"));
        QVERIFY(import->isEnabled());
        observer->setCurrentIndex(observer->findText("Nordmann, O. (ON)"));
        QVERIFY(preview->toPlainText().startsWith("Rader lest: 2\n"));

        import->click();
        QCOMPARE(reopened, 1);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QVERIFY(t.prompter().lastText().startsWith("Ferdig!\n\n1 observasjoner er importert.\nSikkerhetskopi: "));
        QCOMPARE(t.db().columnTexts("SELECT Observatører FROM Observasjoner"),
                 QStringList{
                     t.db().scalar("SELECT ObserverUniqueID FROM Observers WHERE ObserverInitials = 'ON'").toString()});
    }
};

QTEST_MAIN(ExchangeWindowsTest)
#include "tst_exchangewindows.moc"
