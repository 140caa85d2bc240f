#include "core/lists/ListTable.h"

#include "core/shared/Csv.h"
#include "core/statistics/YearStatistics.h"

namespace lirvenda {

QStringList ListTable::textLines() const
{
    QStringList lines{title, columns.join(QLatin1Char('\t'))};
    for (const QStringList &row : rows)
        lines << row.join(QLatin1Char('\t'));
    return lines;
}

QStringList ListTable::printLines() const
{
    QStringList lines{columns.join(QStringLiteral("  "))};
    for (const QStringList &row : rows)
        lines << row.join(QStringLiteral("  "));
    return lines;
}

bool writeCsvFile(const QString &path, const ListTable &table)
{
    // The report writer ends each record with CR LF, as CSV does.
    QStringList records{csvRecord(table.columns).chopped(2)};
    for (const QStringList &row : table.rows)
        records << csvRecord(row).chopped(2);
    return writeReportFile(path, records);
}

} // namespace lirvenda
