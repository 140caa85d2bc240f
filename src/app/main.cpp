// The program as it is started: the commands for scripts, the help and the version, all on the
// core alone; the window is a program of its own, lirvenda-window, started in this one's place.
// Commands so never load the libraries of windows and charts, which cost a command about as much
// time as opening the store.

#include "core/commandline/ProgramOptions.h"
#include "core/commandline/Subcommands.h"
#include "core/commandline/TerminalPassphrase.h"
#include "core/keys/DesktopKeyRing.h"
#include "core/shared/Language.h"
#include "core/shared/ModuleFiles.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <unistd.h>

using namespace lirvenda;

namespace {

bool asksForHelpOrVersion(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
           parser.isSet(QStringLiteral("version"));
}

// The arguments as the application object would read them, before there is one.
QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The window program in this process's place, with the same arguments; returns only when it
// cannot be started.
int startWindowProgram(char **argv)
{
    const QString path = programModulePath(QStringLiteral("lirvenda-window"));
    execv(QFile::encodeName(path).constData(), argv);
    QTextStream(stderr)
        << QCoreApplication::translate("main", "Kan ikke starte vinduet (%1).").arg(QDir::toNativeSeparators(path))
        << '\n';
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(LIRVENDA_VERSION));
    installTranslation(requestedLanguage());
    // A word that is no option names a command; a mistyped command is refused before any store
    // is opened. A command parses its own options.
    if (!commandWordOf(arguments).isEmpty()) {
        askForPassphrasesWith(askOnTerminal);
        return runSubcommand(arguments);
    }
    QCommandLineParser parser;
    const WindowOptions options;
    describeProgram(parser, options);
    if (!parser.parse(arguments))
        return refuseUse(arguments.first(), parser.errorText());
    if (asksForHelpOrVersion(parser))
        parser.process(app); // prints the help or the version and ends the program
    return startWindowProgram(argv);
}
