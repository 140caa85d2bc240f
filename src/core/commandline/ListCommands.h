#pragma once

// The lists and the arrival dates for scripts: the same lines as the lists window.

#include "core/commandline/Subcommands.h"

namespace lirvenda {

// lists life|year YEAR|county CODE|municipality CODE|locality NAME [--class C] [--year Y] [--csv|--json]
Subcommand listsCommand();
// arrivals SPECIES_KEY [--csv|--json]
Subcommand arrivalsCommand();

} // namespace lirvenda
