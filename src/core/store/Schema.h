#pragma once

namespace lirvenda {

class Database;

inline constexpr int SchemaVersion = 1;

// Brings the main database up to the current schema inside one transaction; a new file gets
// every table and index. Tables that exist are kept with their rows.
void upgradeMainSchema(Database &db);

// The observer register file holds the observer table only.
void upgradeObserverSchema(Database &db);

} // namespace lirvenda
