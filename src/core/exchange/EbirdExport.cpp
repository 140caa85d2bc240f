#include "core/exchange/EbirdExport.h"

#include "core/exchange/ExportFile.h"
#include "core/exchange/ExportRows.h"
#include "core/shared/Csv.h"

#include <charconv>

namespace lirvenda {

namespace {

// A whole number as a field.
void appendNumber(QByteArray &record, qint64 number)
{
    char digits[24];
    appendCsvField(record, QByteArrayView(digits, std::to_chars(digits, digits + sizeof digits, number).ptr));
}

// The minutes from start to stop when both carry a time of day and the stop is later.
void appendDuration(QByteArray &record, const StoredMoment &start, const StoredMoment &stop)
{
    if (!start.valid || !stop.valid || start.midnight || stop.seconds <= start.seconds)
        appendCsvField(record, {});
    else
        appendNumber(record, (stop.seconds - start.seconds) / 60);
}

} // namespace

void appendEbirdRecord(QByteArray &record, const ExportRow &row)
{
    for (const QByteArrayView field : {row.vernacularName, row.genus, row.epithet})
        appendCsvField(record, field);
    if (row.count)
        appendNumber(record, *row.count);
    else
        appendCsvField(record, "X");
    for (const QByteArrayView field : {row.comment, row.locality, row.decimalLatitude, row.decimalLongitude})
        appendCsvField(record, field);
    const QByteArrayView start = row.start;
    if (row.startMoment.valid) {
        QByteArray date = start.sliced(5, 2).toByteArray();
        date.append('/').append(start.sliced(8, 2)).append('/').append(start.first(4));
        appendCsvField(record, date);
    } else {
        appendCsvField(record, {});
    }
    appendCsvField(record, row.startMoment.valid && !row.startMoment.midnight ? start.sliced(11, 5) : QByteArrayView());
    appendCsvField(record,
                   row.countyCode.startsWith("NO") ? "NO-" + row.countyCode.sliced(2).toByteArray() : QByteArray());
    appendCsvField(record, "NO");
    appendCsvField(record, "incidental");
    appendNumber(record, std::max<qsizetype>(1, row.observerCount));
    appendDuration(record, row.startMoment, row.stopMoment);
    for (const QByteArrayView field : {"N", "", "", ""})
        appendCsvField(record, field);
    endCsvRecord(record);
}

qint64 exportEbird(Program &program, const ArchiveCriteria &criteria, const QString &path)
{
    constexpr qsizetype BlockSize = 1 << 16;
    ExportFile file(path);
    QByteArray block;
    block.reserve(BlockSize + 4096);
    const qint64 written = forEachExportRow(program, criteria, [&](const ExportRow &row) {
        appendEbirdRecord(block, row);
        if (block.size() >= BlockSize) {
            file.write(block);
            block.resize(0);
        }
    });
    file.write(block);
    file.commit();
    return written;
}

} // namespace lirvenda
