// What showing documentation photos costs, against one full scan of a lifetime of records.
// Usage: bench_documentation CACHE_DIR [rounds] (default 5 rounds).
//
// Uses the million-observation program folder that bench_startup keeps in CACHE_DIR (made on the
// first run) for the yardstick, and a 6000 x 4000 photo written for the run. Each round opens the
// viewer on the photo (decoded at the size shown), decodes the whole photo for comparison, makes
// the main window's thumbnail once unkept and once kept, and times a full scan of Observasjoner.

#include "WindowBench.h"
#include "gui/documentation/PictureFiles.h"
#include "gui/documentation/frm_Bilde.h"

#include <QApplication>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

using namespace lirvenda;
using namespace lirvenda::bench;

namespace {

// A photo-like picture: a colour gradient with grain, so it does not compress to nothing.
QString writePhoto(const QTemporaryDir &dir)
{
    QImage image(6000, 4000, QImage::Format_RGB32);
    QRandomGenerator grain(7);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(grain.bounded(32));
            line[x] = qRgb((x / 24 + noise) % 256, (y / 16 + noise) % 256, (x + y) / 40 % 256);
        }
    }
    const QString path = dir.filePath(QStringLiteral("foto.jpg"));
    image.save(path, "JPG", 90);
    return path;
}

} // namespace

int main(int argc, char **argv)
{
    return runMillionStoreWindowBench(argc, argv, [](const MillionStoreBench &bench, QTextStream &out) {
        const QString folder = bench.folder;
        const int rounds = bench.rounds;
        QTemporaryDir dir;
        const QString photo = writePhoto(dir);

        QList<double> viewers, wholes, thumbnails, keptThumbnails, scans;
        for (int round = 0; round <= rounds; ++round) { // round 0 warms the file cache; not counted
            const double viewer = millisecondsOf([&] { frm_Bilde window({photo}, 0); });
            const double whole = millisecondsOf([&] { QImageReader(photo).read(); });
            const QSize bound(196 + round, 122); // a bound not asked for before: made anew
            const double thumbnail = millisecondsOf([&] { documentThumbnail(photo, bound); });
            const double kept = millisecondsOf([&] { documentThumbnail(photo, bound); });
            const double scan = fullScan(folder);
            if (round == 0)
                continue;
            viewers << viewer;
            wholes << whole;
            thumbnails << thumbnail;
            keptThumbnails << kept;
            scans << scan;
        }

        const double scan = median(scans);
        const auto line = [&](const char *what, const QList<double> &times) {
            out << what << "median " << median(times) << " ms, fastest " << fastest(times) << " ms, / full scan "
                << median(times) / scan << '\n';
        };
        out << Qt::fixed << qSetRealNumberPrecision(3) << rounds << " rounds; a 6000 x 4000 photo; yardstick "
            << MillionRows << " observations\n"
            << "full scan:                      median " << scan << " ms, fastest " << fastest(scans) << " ms\n";
        line("viewer opened on the photo:     ", viewers);
        line("whole photo decoded (compared): ", wholes);
        line("thumbnail made:                 ", thumbnails);
        line("thumbnail kept:                 ", keptThumbnails);
        return 0;
    });
}
