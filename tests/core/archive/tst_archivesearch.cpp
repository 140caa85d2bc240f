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
        QTest::addColumn<ArchiveCriteria>("criteria");
        QTest::addColumn<QString>("expected");
        const auto with = [](auto change) {
            ArchiveCriteria c;
            change(c);
            return c;
        };
        QTest::newRow("no criteria: all in result order") << ArchiveCriteria() << "cdabef";
        QTest::newRow("species") << with([](auto &c) { c.species = "11870"; }) << "dab";
        QTest::newRow("locality with an apostrophe") << with([](auto &c) { c.locality = "Kari's myr"; }) << "a";
        QTest::newRow("locality named as the no-choice entry")
            << with([](auto &c) { c.locality = "Ingen valgt"; }) << "c";
        QTest::newRow("observer: whole key or link rows")
            << with([](auto &c) { c.observer = "20240101120000-1"; }) << "ca";
        QTest::newRow("observer whose key begins with another's")
            << with([](auto &c) { c.observer = "20240101120000-12"; }) << "b";
        QTest::newRow("observer listed second") << with([](auto &c) { c.observer = "20240101120000-2"; }) << "b";
        QTest::newRow("sex") << with([](auto &c) { c.sex = "Hunn"; }) << "b";
        QTest::newRow("age") << with([](auto &c) { c.age = "1K"; }) << "a";
        QTest::newRow("activity") << with([](auto &c) { c.activity = "2"; }) << "a";
        QTest::newRow("county/municipality") << with([](auto &c) { c.place = "1103"; }) << "b";
        QTest::newRow("count >=") << with([](auto &c) { c.count = row(">=", "5"); }) << "bef";
        QTest::newRow("count <>, missing count left out") << with([](auto &c) { c.count = row("<>", "5"); }) << "cab";
        QTest::newRow("day =") << with([](auto &c) { c.day = row("=", "17"); }) << "a";
        QTest::newRow("month <") << with([](auto &c) { c.month = row("<", "6"); }) << "daef";
        QTest::newRow("year =") << with([](auto &c) { c.year = row("=", "2020"); }) << "ca";
        QTest::newRow("year >") << with([](auto &c) { c.year = row(">", "2020"); }) << "bef";
        QTest::newRow("year >=") << with([](auto &c) { c.year = row(">=", "2021"); }) << "bef";
        QTest::newRow("year <") << with([](auto &c) { c.year = row("<", "2020"); }) << "d";
        QTest::newRow("year <=") << with([](auto &c) { c.year = row("<=", "2020"); }) << "cda";
        QTest::newRow("year <>") << with([](auto &c) { c.year = row("<>", "2020"); }) << "dbef";
        // A year beyond 1 to 9999 is no year and leaves the row out, as no number does.
        QTest::newRow("year <= largest number")
            << with([](auto &c) { c.year = row("<=", "9223372036854775807"); }) << "cdabef";
        QTest::newRow("year = 0") << with([](auto &c) { c.year = row("=", "0"); }) << "cdabef";
        QTest::newRow("combined") << with([](auto &c) {
            c.species = "11870";
            c.year = row(">=", "2020");
            c.sex = "Hann";
        }) << "a";
        QTest::newRow("number without operator") << with([](auto &c) { c.count = row("", "3"); }) << "cdabef";
        // What is no whole number leaves the row out; WholeNumber itself is tested below.
        QTest::newRow("12; x is no number") << with([](auto &c) { c.count = row("=", "12; x"); }) << "cdabef";
    }
    void initTestCase() { test::useZoneWithDaylightSaving(); }
    void criteria()
    {
        QFETCH(ArchiveCriteria, criteria);
        QFETCH(QString, expected);
        Archive archive;
        const ArchiveResult result = SearchArchive(archive.t.program(), criteria);
        QCOMPARE(resultIds(result), archive.ids(expected));
        QCOMPARE(result.caption(), QString("Resultater (%1 forekomster.)").arg(expected.size()));
    }

    // Rows of one day in falling time, so the order index gives them against the ObsID order.
    void hundredLines_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("byCount"); // a criterion that reads the table through
        const QString more = "Resultater (Mer enn 100 treff. Kun 100 vises i lista)";
        QTest::newRow("100") << 100 << "Resultater (100 forekomster.)" << false;
        QTest::newRow("101") << 101 << more << false;
        QTest::newRow("100 by count") << 100 << "Resultater (100 forekomster.)" << true;
        QTest::newRow("101 by count") << 101 << more << true;
    }
    void hundredLines()
    {
        QFETCH(int, rows);
        QFETCH(QString, caption);
        QFETCH(bool, byCount);
        test::TestProgram t;
        Ids ids;
        for (int i = 0; i < rows; ++i)
            ids << t.insertObservation(
                {{"Art", "11870"},
                 {"Antall", 1},
                 {"StartDato", QTime(23, 59).addSecs(-60 * i).toString("'2020-05-17 'HH:mm:ss")}});
        ArchiveCriteria criteria;
        if (byCount)
            criteria.count = row("=", "1");
        const ArchiveResult result = SearchArchive(t.program(), criteria);
        QCOMPARE(resultIds(result), ids.first(100));
        QCOMPARE(result.caption(), caption);
    }

    void resultLine_data()
    {
        QTest::addColumn<QStringList>("fields"); // short code, count, locality, start
        QTest::addColumn<QString>("visible");
        QTest::newRow("midnight shows the date only")
            << QStringList{"TURMER", "3", "Aker", "2020-05-17 00:00:00"}
            << "TURMER" + QString(15, ' ') + "Antall:     3 Aker (Dato: 17.05.2020)";
        QTest::newRow("time of day") << QStringList{"TURMER", "12345", "Bø", "2021-06-01 08:30:05"}
                                     << "TURMER" + QString(15, ' ') + "Antall: 12345 Bø (Dato: 01.06.2021 08:30:05)";
        QTest::newRow("in the hour daylight saving skips")
            << QStringList{"TURMER", "1", "Aker", "2013-03-31 02:30:00"}
            << "TURMER" + QString(15, ' ') + "Antall:     1 Aker (Dato: 31.03.2013 02:30:00)";
        QTest::newRow("null columns") << QStringList{"", "", "", ""}
                                      << QString(21, ' ') + "Antall:" + QString(8, ' ') + "(Dato: )";
    }
    void resultLine()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, visible);
        QCOMPARE(ArchiveResultLine(fields[0], fields[1], fields[2], fields[3], 42),
                 visible + QString(150, ' ') + "[42]");
    }

    // A row of group registration keeps its locality's table ID; the user sees the name.
    void localityByTableId()
    {
        test::TestProgram t;
        t.db().execute("INSERT INTO Lokalitet(Lokalitet) VALUES ('Nordmarka')");
        const QString tableId = QString::number(t.db().lastInsertId());
        const qint64 obsId = t.insertObservation({{"Art", "11870"}, {"Lokalitet", tableId}, {"Antall", 2}});
        t.insertObservation({{"Art", "11870"}, {"Lokalitet", "4711"}});
        QStringList entries;
        for (const KeyedEntry &entry : ArchiveLocalityEntries(t.program()))
            entries << entry.text + " = " + entry.key;
        QCOMPARE(entries, QStringList({"4711 = 4711", "Nordmarka = " + tableId}));
        ArchiveCriteria byPlace;
        byPlace.locality = tableId;
        const ArchiveResult result = SearchArchive(t.program(), byPlace);
        QCOMPARE(resultIds(result), Ids{obsId});
        QVERIFY(result.lines.first().text.startsWith("TURMER" + QString(15, ' ') + "Antall:     2 Nordmarka (Dato: )"));
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("isNumber");
        QTest::addColumn<qint64>("number");
        QTest::addColumn<bool>("isYear");
        QTest::newRow("digits") << "2020" << true << qint64(2020) << true;
        QTest::newRow("minus") << "-3" << true << qint64(-3) << false;
        QTest::newRow("plus") << "+4" << true << qint64(4) << true;
        QTest::newRow("first year") << "1" << true << qint64(1) << true;
        QTest::newRow("last year") << "9999" << true << qint64(9999) << true;
        QTest::newRow("year 0") << "0" << true << qint64(0) << false;
        QTest::newRow("five digits") << "10000" << true << qint64(10000) << false;
        QTest::newRow("largest number") << "9223372036854775807" << true << std::numeric_limits<qint64>::max() << false;
        QTest::newRow("beyond the largest") << "9223372036854775808" << false << qint64(0) << false;
        QTest::newRow("trailing text") << "12; x" << false << qint64(0) << false;
        QTest::newRow("decimal comma") << "1,5" << false << qint64(0) << false;
        QTest::newRow("blank around") << " 12" << false << qint64(0) << false;
        QTest::newRow("sign alone") << "-" << false << qint64(0) << false;
        QTest::newRow("empty") << "" << false << qint64(0) << false;
    }
    void wholeNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, isNumber);
        QFETCH(qint64, number);
        QFETCH(bool, isYear);
        const std::optional<qint64> found = WholeNumber(text);
        QCOMPARE(found.has_value(), isNumber);
        if (isNumber)
            QCOMPARE(*found, number);
        QCOMPARE(YearNumber(text), isYear ? found : std::nullopt);
    }

    // Norwegian order (æ, ø, å after z); a locality stored by its table ID goes by its name.
    void namesInNorwegianOrder_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("earlier");
        QTest::addColumn<QString>("later");
        const auto order = [](const char *name, const QString &list, const QString &earlier, const QString &later) {
            QTest::newRow(name) << list << earlier << later;
        };
        order("Kommune: æ before å", "Kommune", "Bærum", "Båtsfjord");
        order("Lokalitet: æ before å", "Lokalitet", "Bærumsmarka", "Båtsfjord havn");
        order("Lokalitet: z before ø", "Lokalitet", "Zeta", "Ørland");
        order("Observatører: æ before å", "Observatører", "Ola Bærheim", "Ola Båtvik");
    }
    void namesInNorwegianOrder()
    {
        QFETCH(QString, list);
        QFETCH(QString, earlier);
        QFETCH(QString, later);
        test::TestProgram t;
        t.db().execute("INSERT INTO Lokalitet(Lokalitet) VALUES ('Ørland')");
        const QString orland = QString::number(t.db().lastInsertId());
        for (const QString &locality : QStringList{"Åsen", "Båtsfjord havn", "Zeta", "Bærumsmarka", orland})
            t.insertObservation({{"Art", "11870"}, {"Lokalitet", locality}});
        observer(t, "1", "Båtvik");
        observer(t, "2", "Bærheim");
        const QHash<QString, QList<KeyedEntry> (*)(Program &)> lists = {{"Kommune", ArchivePlaceEntries},
                                                                        {"Lokalitet", ArchiveLocalityEntries},
                                                                        {"Observatører", ArchiveObserverEntries}};
        QStringList names; // without the blanks and the key
        for (const KeyedEntry &entry : lists.value(list)(t.program()))
            names << entry.text.section("  ", 0, 0);
        QVERIFY2(names.contains(earlier) && names.contains(later), qPrintable(names.join(", ")));
        QVERIFY2(names.indexOf(earlier) < names.indexOf(later), qPrintable(names.join(", ")));
    }
};

QTEST_GUILESS_MAIN(ArchiveSearchTest)
#include "tst_archivesearch.moc"
