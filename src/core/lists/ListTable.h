#pragma once

// A list or table as the lists window shows it, the commands write it, and it is saved and
// printed: a title, the column names and the rows' texts.

#include <QList>
#include <QString>
#include <QStringList>

namespace lirvenda {

struct ListTable {
    QString title;
    QStringList columns;
    QList<QStringList> rows;

    // The title, the header and the rows, fields parted by tabs: the command's lines.
    QStringList textLines() const;
    // Each row as a printed line: fields parted by two blanks.
    QStringList printLines() const;
};

// The table as a person reads it: the column names and the mark of a new species in the shown
// language. Saved files keep the table's own.
ListTable shownListTable(const ListTable &table);

// Writes the table as CSV in UTF-8, replacing the file whole; false when it cannot, and the file
// that was there stays as it was.
bool writeCsvFile(const QString &path, const ListTable &table);

} // namespace lirvenda
