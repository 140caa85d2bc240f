#pragma once

// What a command answers as a table, for scripts: CSV (a header row of the field names) or JSON
// (an array of objects keyed by the field names). The field names are part of the program's
// interface and never change with the language shown.

#include <QCommandLineOption>
#include <QList>
#include <QStringList>

#include <optional>

namespace lirvenda {

class CommandArguments;

struct OutputTable {
    QStringList fields;
    QList<QStringList> rows; // each with one text for each field
};

enum class TableFormat { Csv, Json };

QCommandLineOption csvOption();
QCommandLineOption jsonOption();
// The format the command's options ask for; none for the command's own text.
std::optional<TableFormat> tableFormatOf(const CommandArguments &arguments);
// Whether the options ask for at most one format; a command refuses --csv with --json.
bool tableFormatIsClear(const CommandArguments &arguments);
// The table on standard output in the format.
void writeTable(const OutputTable &table, TableFormat format);

} // namespace lirvenda
