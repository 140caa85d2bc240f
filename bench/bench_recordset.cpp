// How long the main window's record set takes to open, and to step, on a lifetime of records.
// Usage: bench_recordset [rows] (default 1000000). Builds a fresh keyed database in a
// temporary folder, so the first run of a size takes a while to fill.

#include "bench/GeneratedStore.h"
#include "core/store/Database.h"
#include "core/store/ObservationRecordSet.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lirvenda;
using lirvenda::bench::millisecondsOf;

namespace {

void fill(Database &db, int rows)
{
    Transaction transaction(db);
    QRandomGenerator random(42);
    for (int i = 0; i < rows; ++i) {
        const QString species = QStringLiteral("%1").arg(random.bounded(1000, 20000), 5, 10, QLatin1Char('0'));
        const QString start = QStringLiteral("%1-%2-%3 08:00:00")
                                  .arg(random.bounded(1970, 2027))
                                  .arg(random.bounded(1, 13), 2, 10, QLatin1Char('0'))
                                  .arg(random.bounded(1, 29), 2, 10, QLatin1Char('0'));
        db.execute(
            QStringLiteral("INSERT INTO Observasjoner(Art, StartDato, Antall, Lokalitet) VALUES (?, ?, 1, 'Sted')"),
            {species, start});
    }
    transaction.commit();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1000000;
    QTextStream out(stdout);
    QTemporaryDir dir;
    Program program(dir.path());
    program.openMainConnection();
    out << "filling " << rows << " rows: " << millisecondsOf([&] { fill(program.mainConnection(), rows); }) << " ms\n";

    std::unique_ptr<ObservationRecordSet> set;
    out << "open: " << millisecondsOf([&] { set = std::make_unique<ObservationRecordSet>(program.mainConnection()); })
        << " ms\n";
    out << "move last: " << millisecondsOf([&] { set->moveLast(); }) << " ms\n";
    const int steps = 10000;
    out << steps << " steps back: " << millisecondsOf([&] {
        for (int i = 0; i < steps; ++i)
            set->movePrevious();
    }) << " ms\n";
    out << steps << " steps on: " << millisecondsOf([&] {
        for (int i = 0; i < steps; ++i)
            set->moveNext();
    }) << " ms\n";
    out << "find by ObsID and load the row: " << millisecondsOf([&] {
        set->findObsId(rows / 2);
        set->current();
    }) << " ms\n";
    return 0;
}
