#include "core/lists/ListTable.h"

#include "core/shared/Csv.h"
#include "core/statistics/YearStatistics.h"

#include <QCoreApplication>

#include <array>

namespace lirvenda {

namespace {

constexpr std::array ShownWords{QT_TRANSLATE_NOOP("ListTable", "Ny"),
                                QT_TRANSLATE_NOOP("ListTable", "Art"),
                                QT_TRANSLATE_NOOP("ListTable", "Vitenskapelig navn"),
                                QT_TRANSLATE_NOOP("ListTable", "Først sett"),
                                QT_TRANSLATE_NOOP("ListTable", "Lokalitet"),
                                QT_TRANSLATE_NOOP("ListTable", "Sist sett"),
                                QT_TRANSLATE_NOOP("ListTable", "Observasjoner"),
                                QT_TRANSLATE_NOOP("ListTable", "Individer"),
                                QT_TRANSLATE_NOOP("ListTable", "År"),
                                QT_TRANSLATE_NOOP("ListTable", "Dag i året"),
                                QT_TRANSLATE_NOOP("ListTable", "Arter i året"),
                                QT_TRANSLATE_NOOP("ListTable", "Arter totalt"),
                                QT_TRANSLATE_NOOP("ListTable", "ny")};

QString shown(const QString &word)
{
    for (const char *known : ShownWords)
        if (word == QString::fromUtf8(known))
            return QCoreApplication::translate("ListTable", known);
    return word;
}

} // namespace

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

ListTable shownListTable(const ListTable &table)
{
    ListTable shownTable = table;
    for (QString &column : shownTable.columns)
        column = shown(column);
    if (table.columns.value(0) == QLatin1String("Ny"))
        for (QStringList &row : shownTable.rows)
            if (!row.isEmpty())
                row.first() = shown(row.first());
    return shownTable;
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
