#pragma once

// The lists and the arrival dates for scripts: the same lines as the lists window.

#include "core/commandline/Subcommands.h"

namespace lirvenda {

// lists life|year YEAR|county CODE|municipality CODE|locality NAME [--class C] [--year Y] [--csv]
Subcommand listsCommand();
// arrivals SPECIES_KEY [--csv]
Subcommand arrivalsCommand();

} // namespace lirvenda
