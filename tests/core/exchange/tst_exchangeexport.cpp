#include "core/archive/ArchiveSearch.h"
#include "core/exchange/DarwinCoreArchive.h"
#include "core/exchange/EbirdExport.h"
#include "core/exchange/ExportFile.h"
#include "core/exchange/ExportRows.h"
#include "core/exchange/ObservationCsv.h"
#include "core/shared/ArchiveFile.h"
#include "core/shared/Csv.h"
#include "support/TestProgram.h"

#include <QProcess>
#include <QtTest>

using namespace lirvenda;

namespace {

// Four observations by Kari Hansen (and one with Ola Nordmann): three in 2024, one in 2023.
struct ExportStore {
    test::TestProgram t;
    QString kari, ola;

    ExportStore()
    {
        kari = t.addObserver("Kari", "Hansen", "KH");
        ola = t.addObserver("Ola", "Nordmann", "ON");
        t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (7, 'Nordmarka')");
        add("20240501071500-1", "10200", {}, "2024-05-01 07:15:00", "2024-05-01 08:00:00", "Akerselva",
            {{"Fylke_Kommune", "0301"},
             {"Breddegrad", "59.9127"},
             {"Lengdegrad", "10,75"},
             {"Kommentar", "Ved bekken, nord\tog\nsør"},
             {"Kjønn", "Hann"},
             {"Alder", "2K"},
             {"AtlasKode", "2"},
             {"Observatører", kari + "," + ola}});
        add("20240602000000-2", "01860", 0, "2024-06-02 00:00:00", "2024-06-02 00:00:00", "7",
            {{"Fylke_Kommune", "NO11"}});
        add("20240703000000-3", "01860", 4, "2024-07-03 00:00:00", "2024-07-05 00:00:00", "Hvaler");
        add("20230101000000-4", "10200", 1, "2023-01-01 10:00:00", "2023-01-01 10:00:00", "Hvaler");
    }
    // An exact count (none for an open one) by Kari, unless more says otherwise.
    void add(const QString &id, const QString &species, const QVariant &count, const QString &start,
             const QString &stop, const QString &locality, QVariantMap more = {})
    {
        more.insert({{"ObsUniqueID", id},
                     {"Art", species},
                     {"Antall", count},
                     {"StartDato", start},
                     {"StoppDato", stop},
                     {"Lokalitet", locality}});
        if (count.isValid())
            more.insert("Operator", "=");
        if (!more.contains("Observatører"))
            more.insert("Observatører", kari);
        t.insertObservation(more);
    }
};

// The lines of a text, without their ends (LF or CR LF).
QStringList lines(const QByteArray &bytes)
{
    QStringList all = QString::fromUtf8(bytes).split(QRegularExpression("\r?\n"));
    if (!all.isEmpty() && all.last().isEmpty())
        all.removeLast();
    return all;
}

QMap<QString, QByteArray> entriesOf(const QString &path)
{
    QMap<QString, QByteArray> entries;
    ArchiveReader reader(path);
    for (QString name = reader.nextEntry(); !name.isEmpty(); name = reader.nextEntry())
        entries.insert(name, reader.readEntry());
    return entries;
}

QByteArray unzipped(const QString &archive, const QString &entry)
{
    QProcess unzip;
    unzip.start("unzip", {"-p", archive, entry});
    unzip.waitForFinished(30000);
    return unzip.readAllStandardOutput();
}

DarwinCoreSettings settings(Licence licence = Licence::CcBy)
{
    return {"urn:test:dataset:", licence, "Observasjoner av Kari Hansen", "Kari Hansen", QDate(2026, 12, 8)};
}

} // namespace

class ExchangeExportTest : public QObject {
    Q_OBJECT
private slots:
    // The bytes eBird's import reads: no header, 19 columns, open count "X", MM/DD/YYYY, "NO-03".
    void ebirdRecordFormat()
    {
        ExportStore s;
        const QString path = s.t.path("ebird.csv");
        QCOMPARE(exportEbird(s.t.program(), yearCriteria(2024), path), 3);
        QCOMPARE(test::contents(path),
                 QByteArray("stokkand,Anas,platyrhynchos,0,,Nordmarka,,,06/02/2024,,NO-11,NO,incidental,1,,N,,,\r\n"
                            "stokkand,Anas,platyrhynchos,4,,Hvaler,,,07/03/2024,,,NO,incidental,1,,N,,,\r\n"
                            "linerle,Motacilla,alba,X,\"Ved bekken, nord\tog\nsør\",Akerselva,59.912700,10.750000,"
                            "05/01/2024,07:15,NO-03,NO,incidental,2,45,N,,,\r\n"));
    }

    // "typed=degrees", none where the text is no coordinate.
    void coordinates()
    {
        for (const QString &pair :
             {"59.9127=59.912700", "10,75=10.750000", "599127=59.912700", "-3.5=-3.500000", "nord=", "=", "200.5="}) {
            const QString typed = pair.section('=', 0, 0);
            const std::optional<double> read = decimalDegrees(typed);
            QCOMPARE(typed + '=' + (read ? QString::number(*read, 'f', 6) : QString()), pair);
        }
    }

    // The exports read coordinates and moments from the stored bytes; whatever is typed or stored,
    // they write what decimalCoordinate and storedMoment make of it.
    void storedTextsAsTheExportsWriteThem_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("start");
        const QString day = "2024-05-01 07:15:00";
        for (const char *typed :
             {"59.9127",     " 59.9127 ", "10,75",  "599127",  "-599127", "-59",      "59",         "5",
              "59.",         ".5",        "+59.1",  "1e1",     "0.0",     "-0.0",     "-0.0000001", "180",
              "180.0000001", "59.1.2",    "0059.5", "59,12,1", "nord",    "59.9127 ", " 59.9127"})
            QTest::addRow("coordinate %s", typed) << QString::fromUtf8(typed) << day;
        for (const char *start : {"2024-05-01 00:00:00", "2024-02-30 10:00:00", "2024-05-01 25:00:00",
                                  "2024-05-01T07:15:00", "2024-05-01 7:15:00 ", "2024-5-01 07:15:00", "2024-05-01"})
            QTest::addRow("start %s", start) << "59.9127" << QString::fromLatin1(start);
    }
    void storedTextsAsTheExportsWriteThem()
    {
        QFETCH(QString, typed);
        QFETCH(QString, start);
        test::TestProgram t;
        t.insertObservation({{"Art", "01860"},
                             {"Antall", 1},
                             {"StartDato", start},
                             {"StoppDato", "2024-05-01 08:00:00"},
                             {"Breddegrad", typed},
                             {"Lengdegrad", typed}});
        const QString path = t.path("ebird.csv");
        QCOMPARE(exportEbird(t.program(), {}, path), 1);
        const QStringList fields = lines(test::contents(path)).value(0).split(',');
        const QString degrees = decimalCoordinate(typed.trimmed());
        QCOMPARE(fields.value(6), degrees);
        QCOMPARE(fields.value(7), degrees);
        const QDateTime moment = storedMoment(start);
        const bool timed = moment.isValid() && moment.time() != QTime(0, 0);
        QCOMPARE(fields.value(8), moment.isValid() ? moment.toString("MM/dd/yyyy") : QString());
        QCOMPARE(fields.value(9), timed ? start.mid(11, 5) : QString());
        const qint64 minutes = timed ? moment.secsTo(storedMoment("2024-05-01 08:00:00")) / 60 : 0;
        QCOMPARE(fields.value(14), minutes > 0 ? QString::number(minutes) : QString());
    }

    // The archive read back by unzip and by the program's reader: the same rows, as many as the
    // search, under a meta.xml the schema accepts and whose terms Darwin Core names.
    void darwinCoreArchive()
    {
        ExportStore s;
        const QString path = s.t.path("dwca.zip");
        QCOMPARE(exportDarwinCore(s.t.program(), yearCriteria(2024), settings(), path), 3);
        const QMap<QString, QByteArray> entries = entriesOf(path);
        QCOMPARE(entries.keys(), (QStringList{"eml.xml", "meta.xml", "occurrence.txt"}));
        for (const QString &name : entries.keys())
            QCOMPARE(unzipped(path, name), entries.value(name));

        const QStringList rows = lines(entries.value("occurrence.txt"));
        QCOMPARE(rows.size() - 1, searchArchive(s.t.program(), yearCriteria(2024)).lines.size());
        const QStringList terms = rows.first().split('\t');
        const QStringList known = lines(test::contents(DARWIN_CORE_DATA "/occurrence-core-terms.txt"));
        for (const QString &term : terms)
            QVERIFY2(known.contains(term), qPrintable(term));
        const auto check = [&](int row, const QStringList &expected) { // "term=value"
            const QStringList values = rows.value(row).split('\t');
            for (const QString &pair : expected) {
                const QString term = pair.section('=', 0, 0);
                QCOMPARE(term + '=' + values.value(terms.indexOf(term)), pair);
            }
        };
        check(1, {"occurrenceID=urn:test:dataset:20240602000000-2", "individualCount=0", "occurrenceStatus=absent",
                  "eventDate=2024-06-02", "locality=Nordmarka", "stateProvince=Rogaland", "geodeticDatum="});
        check(3, {"scientificName=Motacilla alba", "vernacularName=linerle", "class=Aves",
                  "individualCount=", "occurrenceStatus=present", "eventDate=2024-05-01T07:15:00/2024-05-01T08:00:00",
                  "sex=male", "lifeStage=2K", "behavior=Syngende hann(er) eller hekkelyder hørt i hekketiden",
                  "occurrenceRemarks=Ved bekken, nord og sør", "recordedBy=Kari Hansen | Ola Nordmann",
                  "municipality=Oslo", "countryCode=NO", "decimalLatitude=59.912700", "decimalLongitude=10.750000",
                  "geodeticDatum=WGS84"});

        test::writeFile(s.t.path("meta.xml"), entries.value("meta.xml"));
        QProcess xmllint;
        xmllint.start("xmllint", {"--noout", "--schema", DARWIN_CORE_DATA "/tdwg_dwc_text.xsd", s.t.path("meta.xml")});
        QVERIFY(xmllint.waitForFinished(30000));
        QVERIFY2(xmllint.exitCode() == 0, xmllint.readAllStandardError().constData());
        QCOMPARE(QString(entries.value("meta.xml")).count("<field "), terms.size());
    }

    // The licence chosen, the creator, the title and the date.
    void metadata_data()
    {
        QTest::addColumn<int>("licence");
        QTest::addColumn<QString>("url");
        QTest::newRow("CC0") << int(Licence::Cc0) << "publicdomain/zero/1.0";
        QTest::newRow("CC BY") << int(Licence::CcBy) << "licenses/by/4.0";
        QTest::newRow("CC BY-NC") << int(Licence::CcByNc) << "licenses/by-nc/4.0";
    }
    void metadata()
    {
        QFETCH(int, licence);
        QFETCH(QString, url);
        const QString eml = QString::fromUtf8(emlXml(settings(Licence(licence))));
        QVERIFY(eml.contains(url));
        QVERIFY(eml.contains("<title>Observasjoner av Kari Hansen</title>"));
        QVERIFY(eml.contains("<surName>Kari Hansen</surName>"));
        QVERIFY(eml.contains("<pubDate>2026-12-08</pubDate>"));
        QCOMPARE(licenceNamed(licenceNames().at(licence)), std::optional<Licence>(Licence(licence)));
    }

    void datasetPrefixIsRemembered()
    {
        ExportStore s;
        const QString first = defaultDarwinCoreSettings(s.t.program()).datasetPrefix;
        QVERIFY(first.startsWith("urn:uuid:"));
        rememberDatasetPrefix(s.t.program(), "https://data.example.no/obs/");
        QCOMPARE(defaultDarwinCoreSettings(s.t.program()).datasetPrefix, "https://data.example.no/obs/");
    }

    // Every match of a search, not only the 100 the archive shows, under named columns.
    void searchAsCsv()
    {
        ExportStore s;
        for (int i = 0; i < 120; ++i)
            s.t.insertObservation(
                {{"Art", "01860"}, {"Antall", 2}, {"StartDato", "2022-03-03 00:00:00"}, {"Lokalitet", "Hvaler"}});
        ArchiveCriteria criteria;
        criteria.locality = "Hvaler";
        const QString path = s.t.path("treff.csv");
        QCOMPARE(exportObservationCsv(s.t.program(), criteria, path), 122);
        const QStringList written = lines(test::contents(path));
        QCOMPARE(written.size(), 123);
        QCOMPARE(written.first(), csvRecord(observationCsvHeader()).trimmed());
        QCOMPARE(written.last().split(',').mid(1, 3), (QStringList{"10200", "linerle", "Motacilla alba"}));
    }

    void unwritableFile()
    {
        ExportStore s;
        QVERIFY_THROWS_EXCEPTION(ExportError, exportEbird(s.t.program(), {}, s.t.path("no/such/folder/x.csv")));
        QVERIFY_THROWS_EXCEPTION(ExportError,
                                 exportDarwinCore(s.t.program(), {}, settings(), s.t.path("no/such/folder/x.zip")));
    }
};

QTEST_GUILESS_MAIN(ExchangeExportTest)
#include "tst_exchangeexport.moc"
