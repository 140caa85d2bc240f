#pragma once

// The observations of an archive search as CSV with a header row of named columns, for
// spreadsheets and scripts.

#include "core/archive/ArchiveSearch.h"

#include <QStringList>

namespace lirvenda {

class Program;
struct ExportRow;

// The names of the columns, in order.
QStringList observationCsvHeader();
QStringList observationCsvFields(const ExportRow &row);

// Writes every observation the criteria match to path (UTF-8, RFC 4180), whole or not at all;
// answers how many. Throws ExportError when the file cannot be written.
qint64 exportObservationCsv(Program &program, const ArchiveCriteria &criteria, const QString &path);

} // namespace lirvenda
