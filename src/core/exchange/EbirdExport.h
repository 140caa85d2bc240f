#pragma once

// Observations in eBird's "Record Format" for its import: CSV without a header row, one row per
// observation, the 19 columns eBird names, each an incidental checklist of its own.

#include "core/archive/ArchiveSearch.h"

#include <QByteArray>

namespace lirvenda {

class Program;
struct ExportRow;

// Appends the record of one observation to record, in UTF-8 and ended by CR LF; its 19 fields: Common Name, Genus,
// Species, Number ("X" when the count was left open), Species Comments, Location Name, Latitude, Longitude, Date
// (MM/DD/YYYY), Start Time (HH:mm, empty without a time of day), State/Province ("NO-03"), Country Code ("NO"),
// Protocol
// ("incidental"), Number of Observers, Duration (minutes, empty without), All observations
// reported ("N"), Effort Distance Miles, Effort area acres, Checklist Comments.
void appendEbirdRecord(QByteArray &record, const ExportRow &row);

// Writes the observations the criteria match to path, whole or not at all; answers how many.
// Throws ExportError when the file cannot be written.
qint64 exportEbird(Program &program, const ArchiveCriteria &criteria, const QString &path);

} // namespace lirvenda
