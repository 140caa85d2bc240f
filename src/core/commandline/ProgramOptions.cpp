#include "core/commandline/ProgramOptions.h"

#include "core/commandline/Subcommands.h"

namespace lirvenda {

void describeProgram(QCommandLineParser &parser, const WindowOptions &options)
{
    parser.setApplicationDescription(
        QCoreApplication::translate("ProgramOptions", "Lirvenda: dagbok over artsobservasjoner.\n\n") +
        subcommandSummary());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({options.folder, options.screenshot});
}

} // namespace lirvenda
