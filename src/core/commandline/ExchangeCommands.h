#pragma once

// The commands that bring observations in from other programs and take them out in their formats.

#include "core/commandline/Subcommands.h"

namespace lirvenda {

// import ebird FILE [--observer ID] [--dry-run]: the preview, then the import after a backup.
Subcommand importCommand();

// search [--art KEY] [--observatør ID] … [--år "OP N"] [--csv]: the archive search from the command
// line, its criteria named like the archive window's rows; with --csv every match as the window's
// "Til fil" writes it, else the result lines and caption the window shows.
Subcommand searchCommand();

// The options export takes besides the portal's: --format, --year, --dataset-prefix, --licence.
QList<QCommandLineOption> exportFormatOptions();
// export FILE --format ebird|dwca|csv [--year Y]; without --format the portal export runs, as
// portalExport does it.
int runExport(Program &program, const CommandArguments &arguments,
              const std::function<int(Program &, const CommandArguments &)> &portalExport);

} // namespace lirvenda
