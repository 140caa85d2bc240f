#pragma once

// The import of the observations a birder downloads from eBird ("My eBird Data"): a CSV file with
// a header row, one row per species of a checklist. A preview says what the import would do; the
// import adds the rows in one transaction and remembers each row's checklist and taxon, so that a
// file imported again adds nothing.

#include "core/registration/Observation.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTime>

#include <optional>
#include <stdexcept>

namespace lirvenda {

class Program;

// The kind of source the imported rows remember.
inline const QString EbirdSourceName = QStringLiteral("eBird");

class EbirdImportError : public std::runtime_error {
public:
    explicit EbirdImportError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// The species of the taxon table by genus and epithet, in lower case.
class EbirdTaxa {
public:
    explicit EbirdTaxa(Program &program);
    // The species key of a scientific name as eBird writes it; a subspecies or a form counts as
    // its species. Otherwise why the name is refused.
    struct Match {
        QString speciesKey;
        QString refusal; // empty when matched
    };
    Match match(const QString &scientificName) const;

private:
    QHash<QString, QString> m_keys;
};

// The activity code that names the same evidence as an eBird breeding code (the code alone, or
// the code followed by its description); empty when none does.
QString activityOfBreedingCode(const QString &breedingCode);

// "07:15 AM", "12:05 PM" or "19:40" as a time; invalid when it is none of these.
QTime ebirdTime(const QString &text);

// One row that will be imported: the observation and where it came from.
struct EbirdImportRow {
    Observation observation;
    QString submission, taxon;
};

// What an import of a file would do.
struct EbirdImportPlan {
    qint64 observerId = 0;
    int rowsRead = 0;
    QList<EbirdImportRow> rows; // the rows to import, in file order
    int speciesMatched = 0;     // distinct species among them
    int alreadyImported = 0;
    QMap<QString, int> refused;              // "why: name" -> rows
    QMap<QString, int> breedingCodesLeftOut; // breeding codes that gave no activity -> rows
    // The preview, line by line, as the window and the command show it.
    QStringList report() const;
};

// The ObserverID of the observer in MainObserver.txt; none when there is none.
std::optional<qint64> defaultImportObserver(Program &program);
// Why the import cannot be done for the observer; empty when it can.
QString importObserverRefusal(Program &program, qint64 observerId);

// Reads the file and matches its rows. Throws EbirdImportError when the file cannot be read or
// lacks a column the import needs.
EbirdImportPlan planEbirdImport(Program &program, const QString &path, qint64 observerId);

// Adds the planned rows in one transaction, each with its source; a row whose source was
// imported meanwhile is left out. Answers how many were added. Throws DatabaseError, after which
// nothing of the import is stored.
int importEbird(Program &program, const EbirdImportPlan &plan);

} // namespace lirvenda
