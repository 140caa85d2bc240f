#include "BenchStore.h"

#include <QFileInfo>

#include "core/store/Program.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>

namespace lirvenda::bench {

std::optional<WindowBenchArguments> windowBenchArguments(int argc, char **argv)
{
    if (argc < 2) {
        QTextStream(stderr) << "usage: " << QFileInfo(QString::fromLocal8Bit(argv[0])).fileName()
                            << " CACHE_DIR [rounds]\n";
        return std::nullopt;
    }
    return WindowBenchArguments{QString::fromLocal8Bit(argv[1]),
                                argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 5};
}

void drawOffscreenUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

std::optional<MillionStoreBench> millionStoreBench(int argc, char **argv, QTextStream &out)
{
    const std::optional<WindowBenchArguments> arguments = windowBenchArguments(argc, argv);
    if (!arguments)
        return std::nullopt;
    return MillionStoreBench{prepareStore(arguments->cache, MillionRows, out), arguments->rounds};
}

namespace {

constexpr int LocalityCount = 2000;
const QString CompleteMarker = QStringLiteral("complete");

// 2,000 names as a birder would give them, Norwegian letters at the start and inside.
QStringList localityNames()
{
    const QStringList stems = {"Åsen",       "Ørneberget", "Ærfuglskjær", "Bø",          "dammen ved skolen",
                               "Dalsvatnet", "Elvebakken", "Fjøsmyra",    "Gåsholmen",   "Hamrane",
                               "Indre Vik",  "Jølstra",    "Kråkeneset",  "Lærdalsøyri", "Mølla",
                               "Nesøya",     "Oddane",     "Per's holme", "Rørvik",      "Sæter",
                               "Tjønna",     "Ulvøya",     "Vågen",       "Ytre Ø",      "Østmarka"};
    QStringList names;
    for (int i = 0; names.size() < LocalityCount; ++i)
        names << QStringLiteral("%1 %2").arg(stems.at(i % stems.size())).arg(i / stems.size() + 1);
    return names;
}

// One transaction and one prepared insert; the first rows name every species and every locality.
// A trigger on Observasjoner makes each insert keep a statement journal, which SQLCipher encrypts
// page by page: the rows go in without the triggers, and the store is marked as one from before
// the lists of used values, so that opening it puts the triggers back and fills the lists.
void fill(Database &db, int rows)
{
    for (const QString &trigger : db.columnTexts(
             QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger' AND tbl_name = 'Observasjoner'")))
        db.execute(QStringLiteral("DROP TRIGGER ") + trigger);
    const QStringList species =
        db.columnTexts(QStringLiteral("SELECT PK_LatinskNavnID FROM Animalia WHERE Klasse = 'Aves' ORDER BY 1"));
    const QStringList places = db.columnTexts(
        QStringLiteral("SELECT CodePlace FROM Adminplasser WHERE CodePlace GLOB '[0-9][0-9][0-9][0-9]'"));
    const QStringList localities = localityNames();
    const QDate first(1995, 1, 1);
    const qint64 days = first.daysTo(QDate::currentDate());
    QRandomGenerator random(42);
    db.execute(QStringLiteral("PRAGMA cache_size = -262144")); // the indexes stay in memory while filling
    Transaction transaction(db);
    for (int i = 0; i < rows; ++i) {
        const bool covering = i < std::max<int>(species.size(), LocalityCount);
        const QDateTime start(first.addDays(random.bounded(days + 1)),
                              QTime(random.bounded(4, 22), random.bounded(60)));
        const QString stamp = start.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        db.execute(QStringLiteral("INSERT INTO Observasjoner(ObsUniqueID, ObsLastUpdated, StartDato, StoppDato, Art, "
                                  "Operator, Antall, Kjønn, Alder, Lokalitet, Fylke_Kommune, Breddegrad, "
                                  "Lengdegrad, Kommentar, Rapportert, Observatører) "
                                  "VALUES (?, ?, ?, ?, ?, '=', ?, '', '', ?, ?, ?, ?, ?, 1, '1')"),
                   {start.toString(QStringLiteral("yyyyMMddHHmmss-")) + QString::number(i + 1), stamp, stamp,
                    start.addSecs(3600).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                    species.at(covering ? i % species.size() : random.bounded(species.size())), random.bounded(1, 40),
                    localities.at(covering ? i % LocalityCount : random.bounded(LocalityCount)),
                    places.at(random.bounded(places.size())), QString::number(58 + random.bounded(12.0), 'f', 5),
                    QString::number(5 + random.bounded(25.0), 'f', 5),
                    i % 10 == 0 ? QStringLiteral("Sang fra toppen av grana") : QString()});
    }
    transaction.commit();
    db.execute(QStringLiteral("PRAGMA user_version = 0"));
}

} // namespace

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

double fastest(const QList<double> &values)
{
    return values.isEmpty() ? 0 : *std::min_element(values.begin(), values.end());
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

// A program folder with the rows, generated once and reused while its marker file is there.
QString prepareStore(const QString &cache, int rows, QTextStream &out)
{
    const QString folder = QDir(cache).filePath(QStringLiteral("observations-%1").arg(rows));
    if (QFile::exists(QDir(folder).filePath(CompleteMarker)))
        return folder;
    QDir(folder).removeRecursively();
    out << "generating " << rows << " observations in " << folder << " ... " << Qt::flush;
    const double ms = millisecondsOf([&] {
        Program program(folder);
        program.openMainConnection();
        fill(program.mainConnection(), rows);
    });
    out << ms / 1000 << " s; opened, its lists of used values built, in " << Qt::flush;
    out << millisecondsOf([&] { Program(folder).openMainConnection(); }) << " ms\n";
    QFile(QDir(folder).filePath(CompleteMarker)).open(QIODevice::WriteOnly);
    return folder;
}

double fullScan(const QString &folder)
{
    Program program(folder);
    program.openMainConnection();
    return millisecondsOf([&] {
        program.mainConnection().scalar(
            QStringLiteral("SELECT count(*) FROM Observasjoner WHERE Kommentar LIKE '%x%'"));
    });
}

} // namespace lirvenda::bench
