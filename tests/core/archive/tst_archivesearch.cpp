#include "core/archive/ArchiveSearch.h"
#include "support/DaylightSavingZone.h"
#include "support/TestProgram.h"

#include <QtTest>

#include <limits>

using namespace lirvenda;

namespace {

using Ids = QList<qint64>;

QList<qint64> resultIds(const ArchiveResult &result)
{
    QList<qint64> ids;
    for (const KeyedEntry &line : result.lines)
        ids << line.key.toLongLong();
    return ids;
}

QString observer(test::TestProgram &t, const QString &uniqueId, const QString &last)
{
    t.program().observerConnection().execute(
        "INSERT INTO Observers(ObserverUniqueID, ObserverFirstName, ObserverLastName) VALUES (?, 'Ola', ?)",
        {uniqueId, last});
    return uniqueId;
}

// Observations made so that each criterion tells them apart. Named by letter; the species keys
// and days put them in the result order c, d, a, b, e, f.
struct Archive {
    test::TestProgram t;
    QHash<QString, qint64> id;
    Archive()
    {
        const QString one = observer(t, "20240101120000-1", "En");
        const QString twelve = observer(t, "20240101120000-12", "Tolv");
        const QStringList columns = {"Art",   "StartDato", "Antall",        "Lokalitet",   "Kjønn",
                                     "Alder", "AtlasKode", "Fylke_Kommune", "Observatører"};
        const auto add = [&](const QVariantList &values) { // the columns in that order, NULL left out
            QVariantMap row;
            for (qsizetype i = 0; i < values.size(); ++i)
                if (!values[i].isNull())
                    row[columns[i]] = values[i];
            return t.insertObservation(row);
        };
        id["a"] = add({"11870", "2020-05-17 00:00:00", 3, "Kari's myr", "Hann", "1K", "2", "0301", one});
        id["b"] = add(
            {"11870", "2021-06-01 08:30:00", 12, "Aker", "Hunn", "Adult", "3", "1103", twelve + ",20240101120000-2"});
        // A group registration: its observers only in the link rows, its place by table ID.
        id["c"] = add({"02000", "2020-12-24 00:00:00", 1, "Ingen valgt"});
        t.db().execute("INSERT INTO ObservatørKobling(RecordID, ObservasjonsId, HovedObservatør) "
                       "SELECT ?, ObserverID, 1 FROM Observers WHERE ObserverUniqueID = ?",
                       {id["c"], one});
        id["d"] = add({"11870", "2019-05-05 10:00:00", {}, "Aker"});
        // One day, the later ObsID with the earlier time: the day orders them, then the ObsID.
        id["e"] = add({"30000", "2022-01-01 10:00:00", 5});
        id["f"] = add({"30000", "2022-01-01 08:00:00", 5});
    }
    Ids ids(const QString &letters) const
    {
        Ids out;
        for (QChar letter : letters)
            out << id.value(letter);
        return out;
    }
};

NumberRow row(const QString &comparison, const QString &text)
{
    return {int(ComparisonTexts.indexOf(comparison)), text};
}

} // namespace

Q_DECLARE_METATYPE(lirvenda::ArchiveCriteria)

class ArchiveSearchTest : public QObject {
    Q_OBJECT
private slots:
    void criteria_data()
    {
        using C = ArchiveCriteria;
        QTest::addColumn<ArchiveCriteria>("criteria");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no criteria: all in result order") << C() << "cdabef";
        QTest::newRow("species") << C{.species = "11870"} << "dab";
        QTest::newRow("locality with an apostrophe") << C{.locality = "Kari's myr"} << "a";
        QTest::newRow("locality named as the no-choice entry") << C{.locality = "Ingen valgt"} << "c";
        QTest::newRow("observer: whole key or link rows") << C{.observer = "20240101120000-1"} << "ca";
        QTest::newRow("observer whose key begins with another's") << C{.observer = "20240101120000-12"} << "b";
        QTest::newRow("observer listed second") << C{.observer = "20240101120000-2"} << "b";
        QTest::newRow("sex") << C{.sex = "Hunn"} << "b";
        QTest::newRow("age") << C{.age = "1K"} << "a";
        QTest::newRow("activity") << C{.activity = "2"} << "a";
        QTest::newRow("county/municipality") << C{.place = "1103"} << "b";
        QTest::newRow("count >=") << C{.count = row(">=", "5")} << "bef";
        QTest::newRow("count <>, missing count left out") << C{.count = row("<>", "5")} << "cab";
        QTest::newRow("day =") << C{.day = row("=", "17")} << "a";
        QTest::newRow("month <") << C{.month = row("<", "6")} << "daef";
        for (const auto &[op, expected] :
             {std::pair{"=", "ca"}, {">", "bef"}, {"<", "d"}, {"<=", "cda"}, {"<>", "dbef"}})
            QTest::addRow("year %s", op) << C{.year = row(op, "2020")} << expected;
        QTest::newRow("year >=") << C{.year = row(">=", "2021")} << "bef";
        // A year beyond 1 to 9999 is no year and leaves the row out, as no number does.
        QTest::newRow("year = 0") << C{.year = row("=", "0")} << "cdabef";
        QTest::newRow("combined") << C{.species = "11870", .sex = "Hann", .year = row(">=", "2020")} << "a";
        QTest::newRow("number without operator") << C{.count = row("", "3")} << "cdabef";
        QTest::newRow("12; x is no number") << C{.count = row("=", "12; x")} << "cdabef";
    }
    void initTestCase() { test::useZoneWithDaylightSaving(); }
    void criteria()
    {
        QFETCH(ArchiveCriteria, criteria);
        QFETCH(QString, expected);
        Archive archive;
        const ArchiveResult result = searchArchive(archive.t.program(), criteria);
        QCOMPARE(resultIds(result), archive.ids(expected));
        QCOMPARE(result.caption(), QString("Resultater (%1 forekomster.)").arg(expected.size()));
    }

    // Rows of one day in falling time, so the order index gives them against the ObsID order; a
    // criterion on the count makes the search read the table through.
    void hundredLines()
    {
        test::TestProgram t;
        Ids ids;
        for (const auto &[rows, caption] : {std::pair{100, "Resultater (100 forekomster.)"},
                                            {101, "Resultater (Mer enn 100 treff. Kun 100 vises i lista)"}}) {
            while (ids.size() < rows)
                ids << t.insertObservation(
                    {{"Art", "11870"},
                     {"Antall", 1},
                     {"StartDato", QTime(23, 59).addSecs(-60 * ids.size()).toString("'2020-05-17 'HH:mm:ss")}});
            for (const ArchiveCriteria &criteria : {ArchiveCriteria(), ArchiveCriteria{.count = row("=", "1")}}) {
                const ArchiveResult result = searchArchive(t.program(), criteria);
                QCOMPARE(resultIds(result), ids.first(100));
                QCOMPARE(result.caption(), QString(caption));
            }
        }
    }

    // The short code fills a column of 21 characters; the ObsID stands far to the right, out of sight.
    void resultLine_data()
    {
        QTest::addColumn<QString>("fields"); // short code|count|locality|start
        QTest::addColumn<QString>("visible");
        QTest::newRow("midnight shows the date only") << "TURMER|3|Aker|2020-05-17 00:00:00"
                                                      << "Antall:     3 Aker (Dato: 17.05.2020)";
        QTest::newRow("time of day") << "TURMER|12345|Bø|2021-06-01 08:30:05"
                                     << "Antall: 12345 Bø (Dato: 01.06.2021 08:30:05)";
        QTest::newRow("in the hour daylight saving skips") << "TURMER|1|Aker|2013-03-31 02:30:00"
                                                           << "Antall:     1 Aker (Dato: 31.03.2013 02:30:00)";
        QTest::newRow("null columns") << "|||"
                                      << "Antall:        (Dato: )";
    }
    void resultLine()
    {
        QFETCH(QString, fields);
        QFETCH(QString, visible);
        const QStringList f = fields.split('|');
        QCOMPARE(archiveResultLine(f[0], f[1], f[2], f[3], 42),
                 f[0].leftJustified(21) + visible + QString(150, ' ') + "[42]");
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<qint64>>("number"); // none: no whole number
        QTest::addColumn<bool>("isYear");
        const auto add = [](const char *name, const QString &text, std::optional<qint64> number, bool isYear) {
            QTest::newRow(name) << text << number << isYear;
        };
        add("minus", "-3", -3, false);
        add("plus", "+4", 4, true);
        add("first year", "1", 1, true);
        add("last year", "9999", 9999, true);
        add("year 0", "0", 0, false);
        add("five digits", "10000", 10000, false);
        add("largest number", "9223372036854775807", std::numeric_limits<qint64>::max(), false);
        add("beyond the largest", "9223372036854775808", {}, false);
        add("trailing text", "12; x", {}, false);
        add("blank around", " 12", {}, false);
        add("empty", "", {}, false);
    }
    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(std::optional<qint64>, number);
        QFETCH(bool, isYear);
        QCOMPARE(wholeNumber(text), number);
        QCOMPARE(yearNumber(text), isYear ? number : std::nullopt);
    }

    // Lists in Norwegian order (æ, ø, å after z). A row of group registration keeps its locality's
    // table ID: the user sees and sorts the name, the search goes by the ID; another number stays.
    void listsAndLocalitiesByTableId()
    {
        test::TestProgram t;
        t.db().execute("INSERT INTO Lokalitet(Lokalitet) VALUES ('Ørland')");
        const QString orland = QString::number(t.db().lastInsertId());
        const qint64 obsId = t.insertObservation({{"Art", "11870"}, {"Lokalitet", orland}, {"Antall", 2}});
        for (const QString &locality : QStringList{"4711", "Åsen", "Båtsfjord havn", "Zeta", "Bærumsmarka"})
            t.insertObservation({{"Art", "11870"}, {"Lokalitet", locality}});
        QStringList entries;
        for (const KeyedEntry &entry : archiveLocalityEntries(t.program()))
            entries << entry.text + " = " + entry.key;
        QCOMPARE(entries, (QStringList{"4711 = 4711", "Bærumsmarka = Bærumsmarka", "Båtsfjord havn = Båtsfjord havn",
                                       "Zeta = Zeta", "Ørland = " + orland, "Åsen = Åsen"}));
        const ArchiveResult result = searchArchive(t.program(), {.locality = orland});
        QCOMPARE(resultIds(result), Ids{obsId});
        QVERIFY(result.lines.first().text.startsWith("TURMER" + QString(15, ' ') + "Antall:     2 Ørland (Dato: )"));

        observer(t, "1", "Båtvik");
        observer(t, "2", "Bærheim");
        for (const auto &[list, earlier, later] : {std::tuple{&archivePlaceEntries, "Bærum", "Båtsfjord"},
                                                   {&archiveObserverEntries, "Ola Bærheim", "Ola Båtvik"}}) {
            QStringList names; // without the blanks and the key
            for (const KeyedEntry &entry : list(t.program()))
                names << entry.text.section("  ", 0, 0);
            QVERIFY2(names.contains(earlier) && names.indexOf(earlier) < names.indexOf(later),
                     qPrintable(names.join(", ")));
        }
    }
};

QTEST_GUILESS_MAIN(ArchiveSearchTest)
#include "tst_archivesearch.moc"
