#include "core/statistics/YearStatistics.h"
#include "support/StatisticsYear.h"

#include <QtTest>

using namespace lirvenda;
using test::TestProgram;

namespace {

constexpr int Year = 2023;

QList<qint64> listOf(const MonthValues &months) { return QList<qint64>(months.begin(), months.end()); }

} // namespace

class YearStatisticsTest : public QObject {
    Q_OBJECT
private slots:
    void reportOfAYear()
    {
        TestProgram t;
        const QStringList expected = test::fillStatisticsYear(t, Year);
        const YearStatistics s = ComputeYearStatistics(t.program(), Year);
        QCOMPARE(s.report, expected);
        QStringList species;
        for (const KeyedEntry &entry : s.species)
            species << entry.text + "|" + entry.key;
        QCOMPARE(species,
                 QStringList({"Storlom (Gavia arctica)  [00030]|00030", "Svarttrost (Turdus merula)  [11870]|11870",
                              "Kjøttmeis (Parus major)  [14640]|14640"}));
        const YearStatistics empty = ComputeYearStatistics(t.program(), 1990);
        QVERIFY(empty.report.isEmpty() && empty.species.isEmpty());
    }

    void monthValues_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("chart");
        QTest::addColumn<QList<qint64>>("values");
        QTest::newRow("species per month") << Year << "species" << QList<qint64>{1, 1, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1};
        QTest::newRow("individuals per month")
            << Year << "individuals" << QList<qint64>{3, 10, 10, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        QTest::newRow("one species") << Year << "11870" << QList<qint64>{3, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("a species counted as zero") << Year << "01590" << QList<qint64>(12, 0);
        QTest::newRow("a species whose counts cancel out") << Year << "00020" << QList<qint64>(12, 0);
        QTest::newRow("the year after, from its first instant")
            << Year + 1 << "individuals" << QList<qint64>{100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("the year before, to its last minute")
            << Year - 1 << "individuals" << QList<qint64>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100};
        QTest::newRow("a year without rows") << 1990 << "species" << QList<qint64>(12, 0);
    }
    void monthValues()
    {
        QFETCH(int, year);
        QFETCH(QString, chart);
        QFETCH(QList<qint64>, values);
        TestProgram t;
        test::fillStatisticsYear(t, Year);
        const YearStatistics s = ComputeYearStatistics(t.program(), year);
        const MonthValues months = chart == "species"       ? s.speciesPerMonth
                                   : chart == "individuals" ? s.individualsPerMonth
                                                            : s.individualsOf(chart);
        QCOMPARE(listOf(months), values);
    }

    // The report replaces an older file; where no more than 8 bytes fit, the old file stays whole.
    void fileBytes_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("byteLimit"); // 0: none
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Norwegian letters, CR LF, no extra line")
            << QStringList{"Statistikk for 2023:", "", "Ås æøå ÆØÅ"} << 0
            << QByteArray(
                   "Statistikk for 2023:\r\n\r\n\xc3\x85s \xc3\xa6\xc3\xb8\xc3\xa5 \xc3\x86\xc3\x98\xc3\x85\r\n");
        QTest::newRow("an empty report") << QStringList() << 0 << QByteArray();
        QTest::newRow("full disk") << QStringList{"a line longer than eight bytes"} << 8
                                   << QByteArray("an older and longer report\r\n");
    }
    void fileBytes()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, byteLimit);
        QFETCH(QByteArray, bytes);
        TestProgram t(false);
        const QString path = t.path("rapport.txt");
        QVERIFY(test::writeFile(path, "an older and longer report\r\n"));
        {
            std::optional<test::FileSizeLimit> disk;
            if (byteLimit > 0)
                disk.emplace(byteLimit);
            QCOMPARE(WriteReportFile(path, lines), byteLimit == 0);
        }
        QCOMPARE(test::contents(path), bytes);
    }
};

QTEST_GUILESS_MAIN(YearStatisticsTest)
#include "tst_yearstatistics.moc"
