// With the English translation installed, what the core shows comes out in English, while what it
// writes to the store stays as it is in every language.
#include "core/exchange/EbirdImport.h"
#include "core/reference/References.h"
#include "core/registration/RecentObservations.h"
#include "core/shared/Language.h"
#include "support/EbirdFiles.h"
#include "support/TestProgram.h"

#include <QtTest>

using namespace lirvenda;
using test::ebirdFile;
using test::ebirdRow;

class EnglishTextsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        installTranslation(Language::English);
        QCOMPARE(shownLanguage(), Language::English);
    }

    // The preview and its reasons are shown in English; the rows imported are the same as in
    // Norwegian: stored codes, dates and counts.
    void ebirdPreviewIsEnglishAndTheStoredRowsAreNot()
    {
        test::TestProgram t;
        const QString kari = t.addObserver("Kari", "Hansen", "KH");
        const qint64 observer =
            t.db().scalar("SELECT ObserverID FROM Observers WHERE ObserverUniqueID = ?", {kari}).toLongLong();
        const QString path = test::writeEbirdFile(
            t.path("MyEBirdData.csv"),
            ebirdFile({ebirdRow({{"Count", "3"}, {"Breeding Code", "NY"}}), ebirdRow({{"Scientific Name", "Anas sp."}}),
                       ebirdRow({{"Count", "mange"}, {"Submission ID", "S2"}})}));
        const EbirdImportPlan plan = planEbirdImport(t.program(), path, observer);
        QCOMPARE(plan.report(),
                 (QStringList{"Rows read: 3", "Rows to import: 1", "Species found: 1", "Already imported: 0",
                              "Refused: 2", "  invalid count: Motacilla alba (1 row)",
                              "  species not identified (sp.): Anas sp. (1 row)"}));
        QCOMPARE(importEbird(t.program(), plan), 1);
        QCOMPARE(t.db().columnTexts("SELECT Art || '|' || Operator || '|' || Antall || '|' || StartDato || '|' || "
                                    "AtlasKode FROM Observasjoner"),
                 QStringList{"10200|=|3|2024-05-01 07:15:00|16"});
        QCOMPARE(importObserverRefusal(t.program(), 999),
                 "There is no observer number 999 in the observer register. Nothing has been imported.");
    }

    // The messages of a table of texts are looked up when shown.
    void referenceMessagesAreEnglish()
    {
        QCOMPARE(referenceProblem({"Nilsen", "", "Fugler", "Vår Fuglefauna", "", ""}), "No year given.");
        QCOMPARE(referenceProblem({"Nilsen", "1999", "Fugler", " ", "", ""}), "No journal/report given.");
    }

    // Days are named in the language shown.
    void recentObservationsNameTheMonthInEnglish()
    {
        test::TestProgram t;
        t.insertObservation({{"Art", "10200"}, {"StartDato", "2024-05-01 07:15:00"}, {"Antall", 3}});
        const RecentObservations recent = recentObservations(t.program(), "10200", QDate(2024, 5, 10));
        QVERIFY2(recent.caption.startsWith("Latest observations of "), qPrintable(recent.caption));
        QCOMPARE(recent.lines, QStringList{"01. May: 3 "});
    }
};

QTEST_GUILESS_MAIN(EnglishTextsTest)
#include "tst_englishtexts.moc"
