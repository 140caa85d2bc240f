// How long the portal export takes: the office's start, and exports of 151 and of 3000 (or the
// given numbers of) observations into copies of a template made with gnumeric's ssconvert.
// Usage: bench_export [observations ...]. The engine module is looked for in $LIRVENDA_MODULE_DIR,
// else in the build folder above this program's.

#include "core/exchange/CalcEngineModule.h"
#include "core/exchange/PortalExport.h"
#include "core/store/Database.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

using namespace lirvenda;

namespace {

void fill(Program &program, int observations)
{
    Database &db = program.mainConnection();
    Transaction transaction(db);
    for (int i = 0; i < observations; ++i)
        db.execute(
            QStringLiteral("INSERT INTO Observasjoner(Art, Antall, Alder, Kjønn, AtlasKode, Lokalitet, StartDato, "
                           "StoppDato, Kommentar) VALUES ('14640', ?, '1K', 'Hann', '3', 'Øra', "
                           "'2024-06-05 07:30:00', '2024-06-05 08:00:00', ?)"),
            {i + 1, QStringLiteral("Observasjon %1, sang fra toppen av grana").arg(i + 1)});
    transaction.commit();
}

void makeTemplate(const QString &folder)
{
    QFile csv(folder + QStringLiteral("/template.csv"));
    if (!csv.open(QIODevice::WriteOnly))
        qFatal("Cannot write the template's CSV");
    csv.write("Art,Antall,Alder,Kjønn,Aktivitet,Lokalitet,Startdato,Starttid,Sluttdato,Sluttid,Kommentar\n"
              "(forkortelse),(tall),,,,,,,,,\n");
    csv.close();
    if (QProcess::execute(QStringLiteral("ssconvert"), {QStringLiteral("--import-encoding=UTF-8"), QStringLiteral("-T"),
                                                        QStringLiteral("Gnumeric_Excel:excel_biff8"), csv.fileName(),
                                                        folder + QStringLiteral("/lirv_excelimport.xls")}) != 0)
        qFatal("ssconvert could not make the template");
}

double secondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e9;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!qEnvironmentVariableIsSet("LIRVENDA_MODULE_DIR"))
        qputenv("LIRVENDA_MODULE_DIR",
                QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/..")));
    QList<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes << QString::fromLocal8Bit(argv[i]).toInt();
    if (sizes.isEmpty())
        sizes = {151, 3000};

    QTextStream out(stdout);
    try {
        for (const int size : sizes) {
            QTemporaryDir dir;
            Program program(dir.path());
            program.openMainConnection();
            fill(program, size);
            makeTemplate(dir.path());
            std::unique_ptr<SpreadsheetEngine> engine;
            QStringList files;
            const double start = secondsOf([&] { engine = startCalcEngine(); });
            const double work = secondsOf([&] {
                files = exportUnreported(program, *engine, dir.path() + QStringLiteral("/lirv_excelimport.xls"),
                                         QDate::currentDate());
            });
            const double end = secondsOf([&] { engine.reset(); });
            out << size << " observations, " << files.size() << " files: office start " << start << " s, export "
                << work << " s, office end " << end << " s, in all " << start + work + end << " s\n";
            out.flush();
        }
    } catch (const SpreadsheetError &error) {
        out << "failed: " << error.message() << '\n';
        return 1;
    }
    return 0;
}
