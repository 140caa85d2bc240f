#pragma once

// Observations as a Darwin Core Archive: a zip holding occurrence.txt (UTF-8, tab-separated, a
// header row of term names, one row per observation), meta.xml (which column holds which term)
// and eml.xml (title, creator, licence, date). occurrence.txt goes into the zip in blocks while the
// rows are read, compressed on a second thread, so any number of observations passes in constant
// memory.

#include "core/archive/ArchiveSearch.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace lirvenda {

class Program;
struct ExportRow;

struct DarwinCoreTerm {
    QString name;
    QString uri() const;
};
// The columns of occurrence.txt, in order.
const QList<DarwinCoreTerm> &occurrenceTerms();

enum class Licence { Cc0, CcBy, CcByNc };
// "CC0", "CC BY 4.0", "CC BY-NC 4.0", as the user chooses among them.
QStringList licenceNames();
std::optional<Licence> licenceNamed(const QString &name);

struct DarwinCoreSettings {
    QString datasetPrefix; // put before ObsUniqueID to make occurrenceID unique in the world
    Licence licence = Licence::CcBy;
    QString title;
    QString creator; // the main observer's name
    QDate published;
};
// The remembered prefix (a new "urn:uuid:…:" the first time), the main observer as creator, today.
DarwinCoreSettings defaultDarwinCoreSettings(Program &program);
// Keeps the prefix for the next export.
void rememberDatasetPrefix(Program &program, const QString &prefix);

// Appends one line of occurrence.txt without its end to line: a field per term separated by tabs,
// in UTF-8; tabs and line breaks inside a text become blanks.
void appendOccurrenceLine(QByteArray &line, const ExportRow &row, QByteArrayView datasetPrefix);
QByteArray metaXml();
QByteArray emlXml(const DarwinCoreSettings &settings);

// Writes the archive of the observations the criteria match to path, whole or not at all;
// answers how many. Throws ExportError or ArchiveError when it cannot be written.
qint64 exportDarwinCore(Program &program, const ArchiveCriteria &criteria, const DarwinCoreSettings &settings,
                        const QString &path);

} // namespace lirvenda
