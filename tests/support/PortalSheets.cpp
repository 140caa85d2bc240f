#include "support/PortalSheets.h"

#include "support/TestProgram.h"

#include "core/exchange/PortalExport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace lirvenda::test {

namespace {

void ssconvert(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("ssconvert"), arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        qFatal("ssconvert %s failed: %s", qPrintable(arguments.join(' ')), process.readAllStandardError().constData());
}

} // namespace

QStringList templateRow(int row)
{
    QStringList cells(PortalColumns);
    for (int column = 1; column <= PortalColumns; ++column)
        if (row < PortalFirstRow || (column >= 3 && column <= 5) || (column >= 12 && column <= 20))
            cells[column - 1] = QStringLiteral("mal r%1 k%2").arg(row).arg(column);
    return cells;
}

QStringList filledRow(int row, const Cells &cells)
{
    QStringList all = templateRow(row);
    for (auto cell = cells.cbegin(); cell != cells.cend(); ++cell)
        all[cell.key() - 1] = cell.value();
    return all;
}

void makeTemplate(const QString &path, const QMap<int, Cells> &changed)
{
    QFile tsv(path + QStringLiteral(".tsv"));
    QVERIFY(tsv.open(QIODevice::WriteOnly));
    for (int row = 1; row <= TemplateRows; ++row)
        tsv.write(filledRow(row, changed.value(row)).join('\t').toUtf8() + '\n');
    tsv.close();
    ssconvert({"--import-type=Gnumeric_stf:stf_csvtab", "--import-encoding=UTF-8", "-T",
               path.endsWith(".xlsx", Qt::CaseInsensitive) ? "Gnumeric_Excel:xlsx2" : "Gnumeric_Excel:excel_biff8",
               tsv.fileName(), path});
    tsv.remove();
}

QList<QStringList> readSheet(const QString &path)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("sheet.txt"));
    ssconvert({"-T", "Gnumeric_stf:stf_assistant", "-O", "separator=\"\t\" quoting-mode=never", path, text});
    QList<QStringList> rows;
    for (const QString &line : QString::fromUtf8(contents(text)).split('\n', Qt::SkipEmptyParts)) {
        rows << line.split('\t');
        while (rows.last().size() < PortalColumns)
            rows.last() << QString();
    }
    return rows;
}

void createEntries(const QString &folder, const QStringList &entries)
{
    for (const QString &entry : entries)
        QVERIFY(entry.endsWith('/') ? QDir(folder).mkdir(entry)
                                    : QFile(folder + '/' + entry).open(QIODevice::WriteOnly));
}

} // namespace lirvenda::test
