#include "core/exchange/EbirdImport.h"
#include "core/registration/ObservationColumns.h"
#include "core/shared/Csv.h"
#include "core/store/Database.h"
#include "support/EbirdFiles.h"
#include "support/TestProgram.h"

#include <QBuffer>
#include <QtTest>

using namespace lirvenda;
using test::ebirdFile;
using test::ebirdRow;

namespace {

// A store with two observers, the second the main observer of MainObserver.txt.
struct ImportStore {
    test::TestProgram t;
    QString kari;
    qint64 observer = 0;

    ImportStore()
    {
        t.addObserver("Ola", "Nordmann", "ON");
        kari = t.addObserver("Kari", "Hansen", "KH");
        observer = t.db().scalar("SELECT ObserverID FROM Observers WHERE ObserverUniqueID = ?", {kari}).toLongLong();
        test::writeFile(t.path("MainObserver.txt"), kari.toUtf8() + "\n");
    }
    QString file(const QByteArray &bytes) { return test::writeEbirdFile(t.path("MyEBirdData.csv"), bytes); }
    EbirdImportPlan plan(const QByteArray &bytes) { return planEbirdImport(t.program(), file(bytes), observer); }
    // "species|count|start|stop|locality|place|latitude|longitude|activity|comment" of every row.
    QStringList stored()
    {
        return t.db().columnTexts(
            "SELECT Art || '|' || ifnull(Antall, 'open') || '|' || StartDato || '|' || StoppDato || '|' || "
            "Lokalitet || '|' || Fylke_Kommune || '|' || Breddegrad || '|' || Lengdegrad || '|' || AtlasKode || "
            "'|' || Kommentar FROM Observasjoner ORDER BY ObsID");
    }
    qint64 count(const char *table) { return t.db().scalar(QString("SELECT count(*) FROM ") + table).toLongLong(); }
};

QList<QStringList> csvRecords(const QByteArray &bytes, QList<bool> *complete = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvReader reader(buffer);
    QList<QStringList> records;
    while (const std::optional<CsvReader::Record> record = reader.next()) {
        records << record->fields;
        if (complete)
            *complete << record->complete;
    }
    return records;
}

} // namespace

class EbirdImportTest : public QObject {
    Q_OBJECT
private slots:
    // RFC 4180 as eBird writes it, read back field by field.
    void csvReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("records"); // records by " / ", fields by "|"
        QTest::newRow("plain, CR LF") << QByteArray("a,b\r\nc,d\r\n") << "a|b / c|d";
        QTest::newRow("LF only, no last break") << QByteArray("a,b\nc,d") << "a|b / c|d";
        QTest::newRow("quoted comma") << QByteArray("\"Oslo, Akerselva\",x\r\n") << "Oslo, Akerselva|x";
        QTest::newRow("doubled quote") << QByteArray("\"sa \"\"hei\"\"\",x\r\n") << "sa \"hei\"|x";
        QTest::newRow("line break in a field") << QByteArray("\"to\r\nlinjer\",x\r\ny,z\r\n") << "to\r\nlinjer|x / y|z";
        QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + QByteArray("a,b\r\n") << "a|b";
        QTest::newRow("empty fields") << QByteArray(",,\r\n") << "||";
        QTest::newRow("blank line skipped") << QByteArray("a\r\n\r\nb\r\n") << "a / b";
        QTest::newRow("UTF-8") << QByteArray("Bl\xC3\xA5vinge,\xC3\xB8\r\n") << "Blåvinge|ø";
    }
    void csvReading()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, records);
        QStringList read;
        for (const QStringList &record : csvRecords(bytes))
            read << record.join('|');
        QCOMPARE(read.join(" / "), records);
    }
    // What csvRecord writes reads back the same; a file cut inside quotes ends in an incomplete record.
    void csvWrittenAndCut()
    {
        const QStringList fields{"a,b", "\"q\"", "line\r\nbreak", "", "æøå"};
        QCOMPARE(csvRecords(csvRecord(fields).toUtf8()), QList<QStringList>{fields});
        QList<bool> complete;
        csvRecords("a,b\r\nc,\"cut her", &complete);
        QCOMPARE(complete, (QList<bool>{true, false}));
    }

    // "text=time", no time where the text is refused.
    void times()
    {
        for (const QString &pair :
             {"07:15 AM=07:15", "12:05 AM=00:05", "12:00 AM=00:00", "12:00 PM=12:00", "12:30 PM=12:30",
              "01:45 PM=13:45", "19:40=19:40", "13:00 PM=", "00:10 AM=", "morning="}) {
            const QString text = pair.section('=', 0, 0);
            QCOMPARE(text + '=' + ebirdTime(text).toString("HH:mm"), pair);
        }
    }

    // Every name looked up in one table: "name|species key|refusal".
    void species()
    {
        ImportStore s;
        const EbirdTaxa taxa(s.t.program());
        for (const QString &expected :
             {"Motacilla alba|10200|", "motacilla ALBA|10200|", "Motacilla alba yarrellii|10200|",
              "Motacilla alba alba/dukhunensis|10200|", "Anas platyrhynchos (Domestic type)|01860|",
              "Anas sp.||art ikke bestemt (sp.)", "Anas||art ikke bestemt (sp.)",
              "Larus argentatus/smithsonianus||en av flere arter (/)", "Anas platyrhynchos x rubripes||hybrid",
              "Turdus migratorius||ikke i artslista"}) {
            const QString name = expected.section('|', 0, 0);
            const EbirdTaxa::Match match = taxa.match(name);
            QCOMPARE(QStringList({name, match.speciesKey, match.refusal}).join('|'), expected);
        }
    }

    // "breeding code=activity": the code alone, with its description or in lower case.
    void breedingCodes()
    {
        for (const QString &pair :
             {"NY=16", "S7 Singing Bird Present 7+ Days=4", "fl=12", "F Flyover=53", "ZZ=", "="}) {
            const QString code = pair.section('=', 0, 0);
            QCOMPARE(code + '=' + activityOfBreedingCode(code), pair);
        }
    }

    // Every kind of row the download holds, in one file with a byte order mark.
    void previewAndImport()
    {
        ImportStore s;
        const QByteArray bytes =
            ebirdFile({ebirdRow({{"Count", "3"}, {"Breeding Code", "NY Nest with Young"}}),
                       ebirdRow({{"Scientific Name", "Anas platyrhynchos"},
                                 {"Count", "X"},
                                 {"Time", "12:30 PM"},
                                 {"Location", "Oslo, Akerselva \"nedre\""},
                                 {"Observation Details", "to\r\nlinjer, og komma"}}),
                       ebirdRow({{"Submission ID", "S101"},
                                 {"Scientific Name", "Motacilla alba yarrellii"},
                                 {"Time", "12:10 AM"},
                                 {"Duration (Min)", ""},
                                 {"Breeding Code", "ZZ"}}),
                       ebirdRow({{"Scientific Name", "Anas sp."}}),
                       ebirdRow({{"Scientific Name", "Larus argentatus/smithsonianus"}}),
                       ebirdRow({{"Scientific Name", "Anas platyrhynchos x rubripes"}}),
                       ebirdRow({{"Scientific Name", "Turdus migratorius"}}),
                       ebirdRow({{"Scientific Name", "Turdus migratorius"}, {"Submission ID", "S102"}}),
                       ebirdRow({{"Submission ID", "S200"},
                                 {"Location", "Vondelpark"},
                                 {"Latitude", "52.3580"},
                                 {"Longitude", "4.8686"},
                                 {"Time", ""}})},
                      true);
        const EbirdImportPlan plan = s.plan(bytes);
        QCOMPARE(plan.report(),
                 (QStringList{"Rader lest: 9", "Rader som importeres: 4", "Arter funnet: 2", "Allerede importert: 0",
                              "Avvist: 5", "  art ikke bestemt (sp.): Anas sp. (1 rad)",
                              "  en av flere arter (/): Larus argentatus/smithsonianus (1 rad)",
                              "  hybrid: Anas platyrhynchos x rubripes (1 rad)",
                              "  ikke i artslista: Turdus migratorius (2 rader)",
                              "Hekkekoder uten tilsvarende aktivitet:", "  ZZ (1 rad)"}));
        QCOMPARE(s.count("Observasjoner"), 0); // a preview writes nothing

        QCOMPARE(importEbird(s.t.program(), plan), 4);
        QCOMPARE(s.stored(),
                 (QStringList{
                     "10200|3|2024-05-01 07:15:00|2024-05-01 08:00:00|Akerselva|0301|59.9215|10.7585|16|",
                     "01860|open|2024-05-01 12:30:00|2024-05-01 13:15:00|Oslo, Akerselva \"nedre\"|0301|59.9215|"
                     "10.7585||to\r\nlinjer, og komma",
                     "10200|1|2024-05-01 00:10:00|2024-05-01 00:10:00|Akerselva|0301|59.9215|10.7585||",
                     "10200|1|2024-05-01 00:00:00|2024-05-01 00:00:00|Vondelpark||52.3580|4.8686||",
                 }));
        // The chosen observer, as a registration and as a link; each row remembers its source.
        QCOMPARE(s.t.db().columnTexts("SELECT DISTINCT Observatører FROM Observasjoner"), QStringList{s.kari});
        QCOMPARE(s.t.db().columnTexts("SELECT DISTINCT ObservasjonsId || ':' || HovedObservatør FROM "
                                      "ObservatørKobling"),
                 QStringList{QString::number(s.observer) + ":1"});
        QCOMPARE(s.t.db().columnTexts("SELECT Innsending || '/' || Takson FROM ImporterteObservasjoner "
                                      "ORDER BY ObsID"),
                 (QStringList{"S100/Motacilla alba", "S100/Anas platyrhynchos", "S101/Motacilla alba yarrellii",
                              "S200/Motacilla alba"}));
        QCOMPARE(s.t.db().columnTexts("SELECT DISTINCT Rapportert FROM Observasjoner"), QStringList{"0"});
    }

    void sameFileTwiceAddsNothing()
    {
        ImportStore s;
        const QByteArray bytes = ebirdFile({ebirdRow({}), ebirdRow({{"Scientific Name", "Anas platyrhynchos"}})});
        QCOMPARE(importEbird(s.t.program(), s.plan(bytes)), 2);
        const EbirdImportPlan again = s.plan(bytes);
        QCOMPARE(again.rows.size(), 0);
        QCOMPARE(again.alreadyImported, 2);
        QCOMPARE(importEbird(s.t.program(), again), 0);
        // A plan made before the first import ran adds nothing either.
        const EbirdImportPlan stale = s.plan(ebirdFile({ebirdRow({{"Submission ID", "S9"}})}));
        importEbird(s.t.program(), stale);
        QCOMPARE(importEbird(s.t.program(), stale), 0);
        QCOMPARE(s.count("Observasjoner"), 3);
    }

    // A download cut off inside quotes or between fields: the rows before it are imported, the cut one is listed.
    void fileCutMidRow()
    {
        ImportStore s;
        const QByteArray second = ebirdRow({{"Submission ID", "S2"}, {"Observation Details", "lang, tekst"}});
        for (const QByteArray &cut :
             {second.left(second.indexOf("lang") + 3), second.left(second.indexOf("Akerselva"))}) {
            const EbirdImportPlan plan = s.plan(ebirdFile({ebirdRow({})}) + cut);
            QCOMPARE(plan.rowsRead, 2);
            QCOMPARE(plan.rows.size(), 1);
            QCOMPARE(plan.refused.keys(), QStringList{"ufullstendig rad: linje 3"});
        }
    }

    // A file that is no download, or none at all, is refused whole; bad values refuse their rows.
    void refusedInput()
    {
        ImportStore s;
        QVERIFY_THROWS_EXCEPTION(EbirdImportError, s.plan("Navn,Antall\r\nlinerle,2\r\n"));
        QVERIFY_THROWS_EXCEPTION(EbirdImportError, planEbirdImport(s.t.program(), s.t.path("finnes-ikke.csv"), 1));
        const EbirdImportPlan plan = s.plan(
            ebirdFile({ebirdRow({{"Count", "mange"}}), ebirdRow({{"Date", "2024-02-30"}, {"Submission ID", "S2"}}),
                       ebirdRow({{"Time", "25:00"}, {"Submission ID", "S3"}})}));
        QCOMPARE(plan.rows.size(), 0);
        QCOMPARE(plan.refused.value("ugyldig antall: Motacilla alba"), 1);
        QCOMPARE(plan.refused.value("ugyldig dato eller tid: Motacilla alba"), 2);
    }

    // A failure in the middle of the import leaves the store as it was.
    void failureLeavesNothing()
    {
        ImportStore s;
        const EbirdImportPlan plan =
            s.plan(ebirdFile({ebirdRow({}), ebirdRow({{"Submission ID", "S2"}}), ebirdRow({{"Submission ID", "S3"}})}));
        s.t.db().execute("CREATE TEMP TRIGGER fail_third BEFORE INSERT ON main.Observasjoner "
                         "WHEN (SELECT count(*) FROM main.Observasjoner) >= 2 "
                         "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        QVERIFY_THROWS_EXCEPTION(DatabaseError, importEbird(s.t.program(), plan));
        QCOMPARE(s.count("Observasjoner"), 0);
        QCOMPARE(s.count("ObservatørKobling"), 0);
        QCOMPARE(s.count("ImporterteObservasjoner"), 0);
        s.t.db().execute("DROP TRIGGER fail_third");
        QCOMPARE(importEbird(s.t.program(), plan), 3);
    }

    void observerChoice()
    {
        ImportStore s;
        QCOMPARE(defaultImportObserver(s.t.program()), std::optional<qint64>(s.observer));
        QVERIFY(importObserverRefusal(s.t.program(), s.observer).isEmpty());
        QVERIFY(!importObserverRefusal(s.t.program(), 99).isEmpty());
        QFile::remove(s.t.path("MainObserver.txt"));
        QCOMPARE(defaultImportObserver(s.t.program()), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(EbirdImportTest)
#include "tst_ebirdimport.moc"
