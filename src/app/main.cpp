#include "core/commandline/ProgramOptions.h"
#include "core/commandline/Subcommands.h"
#include "core/shared/Prompter.h"
#include "core/store/Database.h"
#include "core/store/Program.h"
#include "gui/registration/frm_Fauna.h"
#include "gui/ui/Application.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

using namespace lirvenda;

namespace {

bool asksForHelpOrVersion(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")) ||
           parser.isSet(QStringLiteral("version"));
}

// The arguments as the application object would read them, before there is one: whether the
// program needs a display is decided from them.
QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Prints the help or the version and ends the program.
void showHelpOrVersion(QCommandLineParser &parser, int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(LIRVENDA_VERSION));
    parser.process(app);
}

int saveScreenshot(frm_Fauna &window, const QString &file)
{
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(file, "PNG")) {
        QTextStream(stderr) << "Kan ikke skrive bildet " << QDir::toNativeSeparators(file) << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = argumentsOf(argc, argv);
    const WindowOptions options;
    // A word that is no option names a command; commands, help and version need no display, and a
    // mistyped command is refused before any window or store is made. A command parses its own
    // options.
    if (!commandWordOf(arguments).isEmpty()) {
        QCoreApplication app(argc, argv);
        return runSubcommand(QCoreApplication::arguments());
    }
    QCommandLineParser parser;
    describeProgram(parser, options);
    if (!parser.parse(arguments))
        return refuseUse(arguments.first(), parser.errorText());
    if (asksForHelpOrVersion(parser))
        showHelpOrVersion(parser, argc, argv);

    const bool screenshot = parser.isSet(options.screenshot);
    if (screenshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    Program program(parser.isSet(options.folder) ? parser.value(options.folder) : Program::defaultFolder());
    frm_Fauna window(program);
    try {
        window.Form_Load(screenshot ? frm_Fauna::Splash::Skip : frm_Fauna::Splash::Show);
    } catch (const DatabaseError &error) {
        QTextStream(stderr) << error.message() << '\n';
        if (!screenshot)
            prompter().critical(error.message());
        return 2;
    }
    if (screenshot)
        return saveScreenshot(window, parser.value(options.screenshot));
    window.show();
    return app.exec();
}
