#pragma once

#include <QList>
#include <QMap>
#include <QStringList>

// The portal's template and the export's files, made and read back with gnumeric's ssconvert.
namespace lirvenda::test {

constexpr int PortalColumns = 30;
constexpr int TemplateRows = 153;
using Cells = QMap<int, QString>; // by column, from 1

// The template's cells: two heading rows, and in the data rows text where an empty value must
// leave the template's cell (columns 3 to 5) and text beside the written columns (12 to 20).
QStringList templateRow(int row);

// The template's row with the given cells in place of its own.
QStringList filledRow(int row, const Cells &cells);

// The template, in its suffix's format; changed cells by row replace templateRow's ("=" starts a formula).
void makeTemplate(const QString &path, const QMap<int, Cells> &changed = {});

// The first worksheet, every row padded to the template's width.
QList<QStringList> readSheet(const QString &path);

// Empty files, and folders for the names ending in "/".
void createEntries(const QString &folder, const QStringList &entries);

} // namespace lirvenda::test
