#include "core/exchange/AtlasImport.h"
#include "core/lists/ArrivalDates.h"
#include "core/lists/SpeciesLists.h"
#include "core/store/Schema.h"
#include "core/store/StoreCheck.h"
#include "support/ListsDiary.h"

#include <QtTest>

using namespace lirvenda;

namespace {

// "key first-start locality last-start observations individuals [ny]" for each line.
QStringList summary(const QList<ListLine> &lines)
{
    QStringList out;
    for (const ListLine &l : lines)
        out << QStringLiteral("%1 %2 %3 %4 %5 %6%7")
                   .arg(l.key, l.firstStart.left(16), l.firstLocality, l.lastStart.left(16))
                   .arg(l.observations)
                   .arg(l.individuals)
                   .arg(l.isNew ? QStringLiteral(" ny") : QString());
    return out;
}

QStringList listOf(Program &program, const ListChoice &choice, ListOrder order = ListOrder::Systematic)
{
    return summary(speciesList(program, choice, order));
}

// The species years as a plain grouping of Observasjoner gives them.
const char *const PlainSpeciesYears =
    "SELECT o.Art || ' ' || substr(o.StartDato, 1, 4) || ' ' || count(*) || ' ' || "
    "sum(ifnull(CAST(o.Antall AS INTEGER), 0)) || ' ' || min(o.StartDato) || ' ' || "
    "(SELECT min(f.ObsID) FROM Observasjoner f WHERE f.Art = o.Art AND f.StartDato = min(o.StartDato) "
    "AND (f.Antall IS NULL OR f.Antall > 0)) || ' ' || max(o.StartDato) || ' ' || "
    "(SELECT max(f.ObsID) FROM Observasjoner f WHERE f.Art = o.Art AND f.StartDato = max(o.StartDato) "
    "AND (f.Antall IS NULL OR f.Antall > 0)) FROM Observasjoner o WHERE (o.Antall IS NULL OR o.Antall > 0) "
    "GROUP BY o.Art, substr(o.StartDato, 1, 4) ORDER BY 1";
const char *const KeptSpeciesYears =
    "SELECT Art || ' ' || År || ' ' || Observasjoner || ' ' || Individer || ' ' || FørsteStart || ' ' || "
    "FørsteObsID || ' ' || SisteStart || ' ' || SisteObsID FROM ArtsÅr ORDER BY 1";

void compareKeptWithPlain(Database &db)
{
    const QStringList plain = db.columnTexts(PlainSpeciesYears);
    QCOMPARE(db.columnTexts(KeptSpeciesYears), plain);
}

// Moves the record set to the row and stores the columns there, as an edit in the main window does.
void edit(Program &program, qint64 obsId, const QVariantMap &columns)
{
    QVERIFY(program.observations().findObsId(obsId));
    program.observations().update(columns);
}

} // namespace

// The lists of a small diary with known answers: what counts as seen, the first and last sighting
// at the turns of the year, keys without taxon, group rows by their locality's name.
class SpeciesListsTest : public QObject {
    Q_OBJECT
private slots:
    void lists_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("year"); // 0: all years
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("speciesClass");
        QTest::addColumn<QStringList>("expected");
        const QString loon = "00020 2020-05-05 07:00 Tjønna 2020-05-05 07:00 1 0";
        const QString group = "00030 2020-04-15 06:00 Storvatnet 2020-04-15 06:00 1 2";
        const QString thrush = "11870 2020-01-01 00:00 Tjønna 2020-12-31 23:59 2 5";
        const QString unknown = "99999 2020-07-07 00:00 Tjønna 2020-07-07 00:00 1 5";
        QTest::newRow("life: no 0 or negative counts, an empty count seen, the key without taxon")
            << int(ListKind::Life) << 0 << ""
            << "Aves"
            << QStringList{loon, group, "01520 2019-12-31 23:59 Storvatnet 2020-06-01 12:00 2 5", thrush, unknown};
        QTest::newRow("2019: 23:59 on 31 December")
            << int(ListKind::Year) << 2019 << ""
            << "Aves" << QStringList{"01520 2019-12-31 23:59 Storvatnet 2019-12-31 23:59 1 1 ny"};
        QTest::newRow("2020: 00:00 on 1 January, new ones marked")
            << int(ListKind::Year) << 2020 << ""
            << "Aves"
            << QStringList{loon + " ny", group + " ny", "01520 2020-06-01 12:00 Bø 2020-06-01 12:00 1 4",
                           thrush + " ny", unknown + " ny"};
        QTest::newRow("2021: none") << int(ListKind::Year) << 2021 << ""
                                    << "Aves" << QStringList{};
        QTest::newRow("county by its code") << int(ListKind::County) << 0 << "NO11"
                                            << "Aves"
                                            << QStringList{"01520 2020-06-01 12:00 Bø 2020-06-01 12:00 1 4",
                                                           "11870 2020-12-31 23:59 Bø 2020-12-31 23:59 1 3"};
        QTest::newRow("county's municipalities by its number, one year")
            << int(ListKind::County) << 2020 << "03"
            << "Aves"
            << QStringList{loon + " ny", "11870 2020-01-01 00:00 Tjønna 2020-01-01 00:00 1 2 ny", unknown + " ny"};
        QTest::newRow("municipality, all years")
            << int(ListKind::Municipality) << 0 << "0301"
            << "Aves"
            << QStringList{loon, "01520 2019-12-31 23:59 Storvatnet 2019-12-31 23:59 1 1",
                           "11870 2020-01-01 00:00 Tjønna 2020-01-01 00:00 1 2", unknown};
        QTest::newRow("locality: the group row by the name of its number")
            << int(ListKind::Locality) << 0 << "Storvatnet"
            << "Aves" << QStringList{group, "01520 2019-12-31 23:59 Storvatnet 2019-12-31 23:59 1 1"};
        QTest::newRow("mammals, and the key without taxon")
            << int(ListKind::Life) << 0 << ""
            << "Pattedyr" << QStringList{"900001 2020-08-08 00:00 Tjønna 2020-08-08 00:00 1 1", unknown};
    }
    void lists()
    {
        QFETCH(int, kind);
        QFETCH(int, year);
        QFETCH(QString, place);
        QFETCH(QString, speciesClass);
        QFETCH(QStringList, expected);
        test::TestProgram t;
        t.program().openObservations();
        test::fillListsDiary(t);
        const ListChoice choice{ListKind(kind), year ? std::optional<int>(year) : std::nullopt, place, speciesClass};
        QCOMPARE(listOf(t.program(), choice), expected);
    }

    // By name in Norwegian order; a key without taxon by its key; the caption counts the species.
    void orderAndCaption()
    {
        test::TestProgram t;
        t.program().openObservations();
        test::fillListsDiary(t);
        QStringList names;
        const QList<ListLine> lines = speciesList(t.program(), {}, ListOrder::ByName);
        for (const ListLine &line : lines)
            names << line.name + '/' + line.scientificName;
        QCOMPARE(names, QStringList({"99999/", "Knoppsvane/Cygnus olor", "Smålom/Gavia stellata",
                                     "Storlom/Gavia arctica", "Svarttrost/Turdus merula"}));
        QCOMPARE(listCaption(t.program(), {}, lines.size()), "Livsliste, Fugler: 5 arter");
        QCOMPARE(listCaption(t.program(), {ListKind::County, 2020, "NO03"}, 1), "Fylkesliste Oslo 2020, Fugler: 1 art");
    }

    // An edit that moves the first sighting to another year moves the mark "ny" with it; the
    // delete of a species' only observation takes it off the life list.
    void editsAndDeletes()
    {
        test::TestProgram t;
        t.program().openObservations();
        const test::ListsDiary d = test::fillListsDiary(t);
        edit(t.program(), d.thrushFirst, {{"StartDato", "2018-02-03 10:00:00"}});
        QCOMPARE(listOf(t.program(), {ListKind::Year, 2018}),
                 QStringList{"11870 2018-02-03 10:00 Tjønna 2018-02-03 10:00 1 2 ny"});
        QCOMPARE(listOf(t.program(), {ListKind::Year, 2020}).filter("11870"),
                 QStringList{"11870 2020-12-31 23:59 Bø 2020-12-31 23:59 1 3"});
        QVERIFY(t.program().observations().findObsId(d.loon));
        t.program().observations().removeCurrent();
        QVERIFY(listOf(t.program(), {}).filter("00020").isEmpty());
        edit(t.program(), d.unknownKey, {{"Antall", 0}});
        QVERIFY(listOf(t.program(), {}).filter("99999").isEmpty());
        compareKeptWithPlain(t.db());
    }

    // The species years the store keeps equal a plain grouping of the table after every kind of
    // change: saves, edits of species, start and count, deletes, group saves, the atlas import.
    void keptEqualsPlain()
    {
        test::TestProgram t;
        t.program().openObservations();
        const test::ListsDiary d = test::fillListsDiary(t);
        compareKeptWithPlain(t.db());
        edit(t.program(), d.swanFirst, {{"Art", "11870"}});
        compareKeptWithPlain(t.db());
        edit(t.program(), d.thrushLast, {{"StartDato", "2019-12-31 23:59:00"}, {"Antall", -1}});
        compareKeptWithPlain(t.db());
        test::saveSighting(t, "11870", 7, "2019-12-31 23:59:00", "Bø", "1101"); // a tie, broken by ObsID
        edit(t.program(), d.swanFirst, {{"Antall", QVariant()}});
        compareKeptWithPlain(t.db());
        QVERIFY(t.program().observations().findObsId(d.swanFirst));
        t.program().observations().removeCurrent();
        compareKeptWithPlain(t.db());
        test::saveGroupSighting(t, "11870", "3", "31.12.2019", "Storvatnet");
        compareKeptWithPlain(t.db());
        t.db().execute("INSERT INTO Atlas(Aar, Art) VALUES (2011, '1464'), (2012, '1187')");
        importAtlas(t.program());
        compareKeptWithPlain(t.db());
        QVERIFY(!t.db().columnTexts(KeptSpeciesYears).isEmpty());
        QCOMPARE(checkStore(t.program()).problems, QStringList());

        // A store from before the species years were kept gets them from its rows.
        t.db().executeScript("DROP TRIGGER ArtsÅr_Insert; DROP TRIGGER ArtsÅr_Update; DROP TRIGGER ArtsÅr_Delete; "
                             "DROP TABLE ArtsÅr; PRAGMA user_version = 4;");
        upgradeMainSchema(t.db());
        compareKeptWithPlain(t.db());
        QCOMPARE(checkStore(t.program()).problems, QStringList());
    }

    // A species' first date each year with the median day; a year's firsts in the order seen;
    // the diary's species per year and life list year by year, gaps included.
    void arrivalsAndDiary()
    {
        test::TestProgram t;
        t.program().openObservations();
        test::fillListsDiary(t);
        test::saveSighting(t, "01520", 2, "2022-03-01 08:00:00", "Bø", "1101");
        const QList<YearFirst> firsts = arrivalDates(t.program(), "01520");
        QCOMPARE(arrivalTable("Knoppsvane", firsts).rows,
                 QList<QStringList>({{"2019", "31.12.2019 23:59:00", "365", "Storvatnet"},
                                     {"2020", "01.06.2020 12:00:00", "153", "Bø"},
                                     {"2022", "01.03.2022 08:00:00", "60", "Bø"}}));
        QCOMPARE(medianArrivalDay(firsts), 153.0);
        QCOMPARE(medianArrivalDay(firsts.mid(1)), (153 + 60) / 2.0);
        QCOMPARE(medianArrivalDay({}), std::nullopt);
        QStringList order;
        for (const ListLine &line : yearFirsts(t.program(), 2020, "Aves"))
            order << line.key;
        QCOMPARE(order, QStringList({"11870", "00030", "00020", "01520", "99999"}));
        QCOMPARE(diaryTable("Hele dagboka", diaryYears(t.program(), "Aves")).rows,
                 QList<QStringList>({{"2019", "1", "1"}, {"2020", "5", "5"}, {"2021", "0", "5"}, {"2022", "1", "5"}}));
    }

    // RFC 4180: a field with a comma or a quote is quoted, its quotes doubled; CR LF; UTF-8.
    void csvBytes()
    {
        test::TestProgram t;
        t.program().openObservations();
        test::saveSighting(t, "11870", 2, "2020-01-01 00:00:00", "Per's \"store\", vann", "0301");
        const QString path = t.path("liste.csv");
        QVERIFY(writeCsvFile(path, listTable("Livsliste", speciesList(t.program(), {}, ListOrder::Systematic))));
        QCOMPARE(test::contents(path),
                 QByteArray("Ny,Art,Vitenskapelig navn,Først sett,Lokalitet,Sist sett,Observasjoner,Individer\r\n"
                            ",Svarttrost,Turdus merula,01.01.2020,\"Per's \"\"store\"\", vann\",01.01.2020,1,2\r\n"));
    }
};

QTEST_GUILESS_MAIN(SpeciesListsTest)
#include "tst_specieslists.moc"
