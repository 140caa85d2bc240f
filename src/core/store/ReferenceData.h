#pragma once

namespace lirvenda {

class Database;

// Fills the reference tables of a new database (places with their boxes, taxa, the species list,
// activity codes, nest code lists, nature types) from the data compiled into the program,
// in one transaction.
void loadReferenceData(Database &db);

} // namespace lirvenda
