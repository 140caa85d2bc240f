#include "journeys/Journey.h"

#include "core/shared/ArchiveFile.h"
#include "support/EbirdFiles.h"

#include <QPlainTextEdit>
#include <QPushButton>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

// "Importer fra eBird": the file typed into its box, the preview read, "&Importer" clicked when
// offered; answers the preview.
QString importThroughWindow(FaunaWindow &w, const QString &file)
{
    QString preview;
    answerModal([&] { w.click("Command41"); },
                [&](QWidget *window) {
                    auto *box = child<QLineEdit>(window, "Text1");
                    box->setText(file);
                    QTest::keyClick(box, Qt::Key_Return);
                    preview = child<QPlainTextEdit>(window, "Text2")->toPlainText();
                    auto *import = child<QPushButton>(window, "Command2");
                    if (import->isEnabled())
                        import->click();
                    else
                        click(window, "Command3");
                });
    return preview;
}

} // namespace

class ExchangeJourney : public QObject {
    Q_OBJECT
private slots:
    // A birder brings a season from eBird into a new diary, finds it in the archive, imports the
    // file again by mistake, and publishes the locality's observations as a Darwin Core Archive.
    void fromEbirdToDarwinCore()
    {
        FaunaWindow w;
        QVERIFY(addObserverThroughWindows(w, "Kari", "Hansen", "KH"));
        const QString file =
            writeEbirdFile(w.t.path("MyEBirdData.csv"),
                           ebirdFile({ebirdRow({{"Count", "3"}}), ebirdRow({{"Scientific Name", "Anas platyrhynchos"}}),
                                      ebirdRow({{"Scientific Name", "Anas sp."}})},
                                     true));

        QVERIFY(importThroughWindow(w, file).contains("Rader som importeres: 2"));
        QVERIFY(w.t.prompter().lastText().startsWith("Ferdig!\n\n2 observasjoner er importert."));
        QCOMPARE(storedObsIds(w).size(), 2);
        const ArchiveAnswer found = searchArchive(w, "Combo6", "Akerselva");
        QCOMPARE(found.caption, "Resultater (2 forekomster.)");
        QVERIFY(found.lines.first().contains("Antall:     1 Akerselva (Dato: 01.05.2024 07:15:00)"));

        QVERIFY(importThroughWindow(w, file).contains("Allerede importert: 2"));
        QCOMPARE(storedObsIds(w).size(), 2);

        bool written = false;
        answerModal([&] { w.click("Command1"); },
                    [&](QWidget *archive) {
                        auto *localities = child<QComboBox>(archive, "Combo6");
                        localities->setCurrentIndex(localities->findData("Akerselva"));
                        written = answerModal([&] { click(archive, "Command4"); },
                                              [&](QWidget *options) {
                                                  child<QLineEdit>(options, "Text1")->setText("urn:kh:");
                                                  child<QLineEdit>(options, "Text2")->setText(w.t.path("kh.zip"));
                                                  click(options, "Command1");
                                              });
                        archive->close();
                    });
        QVERIFY(written);
        ArchiveReader reader(w.t.path("kh.zip"));
        QCOMPARE(reader.nextEntry(), "occurrence.txt");
        const QByteArray occurrences = reader.readEntry();
        QCOMPARE(occurrences.count('\n'), 3);
        QCOMPARE(occurrences.count("\turn:kh:") + occurrences.count("\nurn:kh:"), 2);
        QVERIFY(occurrences.contains("\tKari Hansen\t"));
    }
};

QTEST_MAIN(ExchangeJourney)
#include "tst_exchangejourney.moc"
