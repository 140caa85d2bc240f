#pragma once

// The commands that keep a diary safe: whole-diary backups, putting one back, and the passphrase.

#include "core/commandline/Subcommands.h"

namespace lirvenda {

Subcommand backupCommand();
Subcommand restoreCommand();
Subcommand passphraseCommand();

} // namespace lirvenda
