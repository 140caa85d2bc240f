#include "core/exchange/EbirdExport.h"

#include "core/exchange/ExportFile.h"
#include "core/exchange/ExportRows.h"
#include "core/shared/Csv.h"

#include <QDateTime>

namespace lirvenda {

namespace {

// The minutes from start to stop when both carry a time of day and the stop is later.
QString durationMinutes(const QDateTime &start, const QDateTime &stop)
{
    if (!start.isValid() || !stop.isValid() || start.time() == QTime(0, 0) || stop <= start)
        return {};
    return QString::number(start.secsTo(stop) / 60);
}

} // namespace

QStringList ebirdRecordFields(const ExportRow &row)
{
    const QDateTime start = storedMoment(row.start);
    const QDateTime stop = storedMoment(row.stop);
    const bool hasTime = start.isValid() && start.time() != QTime(0, 0);
    const QString county =
        row.countyCode.startsWith(QLatin1String("NO")) ? QStringLiteral("NO-") + row.countyCode.mid(2) : QString();
    return {row.vernacularName,
            row.genus,
            row.epithet,
            row.count ? QString::number(*row.count) : QStringLiteral("X"),
            row.comment,
            row.locality,
            decimalCoordinate(row.latitude),
            decimalCoordinate(row.longitude),
            start.isValid()
                ? row.start.mid(5, 2) + QLatin1Char('/') + row.start.mid(8, 2) + QLatin1Char('/') + row.start.left(4)
                : QString(),
            hasTime ? row.start.mid(11, 5) : QString(),
            county,
            QStringLiteral("NO"),
            QStringLiteral("incidental"),
            QString::number(std::max<qsizetype>(1, row.observerKeys.size())),
            durationMinutes(start, stop),
            QStringLiteral("N"),
            QString(),
            QString(),
            QString()};
}

qint64 exportEbird(Program &program, const ArchiveCriteria &criteria, const QString &path)
{
    ExportFile file(path);
    const qint64 written = forEachExportRow(
        program, criteria, [&file](const ExportRow &row) { file.write(csvRecord(ebirdRecordFields(row)).toUtf8()); });
    file.commit();
    return written;
}

} // namespace lirvenda
