#pragma once

// The lists a birder keeps: every species seen ever, in a year, in a county, a municipality or at
// one locality, each with its first and last sighting, its observations and individuals.
// An observation counts as a sighting when its count is above 0 or missing: a count of 0 records
// that the species was sought and not found, and a negative count is no sighting either.

#include "core/lists/ListTable.h"
#include "core/shared/DisplayTexts.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace lirvenda {

class Program;

// The taxa of species keys, each looked up once.
class SpeciesTaxa {
public:
    struct Taxon {
        QString name;           // the Norwegian name, or the key for a key without taxon
        QString scientificName; // empty for a key without taxon
        QString speciesClass;   // empty for a key without taxon
    };
    explicit SpeciesTaxa(Program &program) : m_program(program) {}
    const Taxon &of(const QString &key);
    // Keys without taxon belong to every class: they cannot be placed, and no list may lose them.
    bool inClass(const QString &key, const QString &speciesClass);

private:
    Program &m_program;
    QHash<QString, Taxon> m_taxa;
};

enum class ListKind { Life, Year, County, Municipality, Locality };

struct ListChoice {
    ListKind kind = ListKind::Life;
    std::optional<int> year; // the year of a year list; a place list of all years has none
    QString place;           // a county's or a municipality's code, or a locality's name
    QString speciesClass = QStringLiteral("Aves");
};

enum class ListOrder { Systematic, ByName };

// One species of a list.
struct ListLine {
    QString key;
    QString name;           // the Norwegian name, or the key for a key without taxon
    QString scientificName; // empty for a key without taxon
    QString firstStart;     // stored date-times
    QString lastStart;
    qint64 firstObsId = 0;
    QString firstLocality; // as the user reads it
    qint64 observations = 0;
    qint64 individuals = 0; // the sum of the counts
    bool isNew = false;     // first seen, in the list's place, in the list's year
};

// The list's species: those of the class, and keys without taxon in any class.
QList<ListLine> speciesList(Program &program, const ListChoice &choice, ListOrder order);

// The places a list of the kind can be of: the counties by code, the municipalities of each county
// by name, or the localities of the stored observations by name as the archive lists them.
// None for the life and year lists.
QList<KeyedEntry> listPlaces(Program &program, ListKind kind);

// The list kinds in the order of ListKind, in the shown language.
QStringList shownKindNames();
// A species class's group ("Aves" is "Fugler") in the shown language.
QString shownGroupName(const QString &speciesClass);
// "132 arter" in the shown language.
QString shownSpeciesCount(qsizetype species);
// "Årsliste 2024, Fugler: 132 arter" in the shown language; a place list names its county,
// municipality or locality.
QString listCaption(Program &program, const ListChoice &choice, qsizetype species);

// The lines under the title: the mark, the names, the first date (as the date box shows it) with
// its locality, the last date, and the numbers.
ListTable listTable(const QString &title, const QList<ListLine> &lines);

// The taxon class of one of the main window's species groups ("Fugler" is "Aves"), or of a class
// named as the taxa name it; empty for any other word. Case does not matter.
QString speciesClassNamed(const QString &word);
// The species group's name of a taxon class ("Aves" is "Fugler").
QString speciesGroupOf(const QString &speciesClass);

} // namespace lirvenda
