#pragma once

#include <QString>

namespace lirvenda {

class Database;

// 2: the lists of used species and localities (RegistrerteArter, BrukteLokaliteter) and the
// triggers that keep them. 3: the index the yearly statistics read a year from. 4: the export
// files written but not yet paid for by marking their observations (UferdigeEksportfiler). 5: the
// species seen in each year (ArtsÅr) with its triggers, and the index of the place lists. 6: where
// imported observations came from (ImporterteObservasjoner).
inline constexpr int SchemaVersion = 6;
inline constexpr int UsedValueListsSchema = 2; // the first version that keeps the lists of used values
inline constexpr int YearIndexSchema = 3;      // the first version with the index of the yearly statistics
inline constexpr int SpeciesYearsSchema = 5;   // the first version that keeps the species seen in each year
inline constexpr int ImportSourcesSchema = 6;  // the first version that remembers the sources of imported rows

// The schema version the file was last brought up to.
int schemaVersionOf(Database &db);

// Brings the main database up to the current schema inside one transaction; a new file gets
// every table and index. Tables that exist are kept with their rows; new tables are filled from them.
void upgradeMainSchema(Database &db);

// What ArtsÅr keeps, as the observations make it: a row per species key and year with the
// columns of ArtsÅr in their order. A row without start belongs to no year.
QString speciesYearsOfRowsSql();

// The observer register file holds the observer table only.
void upgradeObserverSchema(Database &db);

} // namespace lirvenda
