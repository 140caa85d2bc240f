#include "core/commandline/Subcommands.h"
#include "core/shared/Prompter.h"
#include "core/store/Database.h"
#include "core/store/Program.h"
#include "gui/registration/frm_Fauna.h"
#include "gui/ui/Application.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <cstring>
#include <initializer_list>

using namespace lirvenda;

namespace {

// True when an argument is one of the options, alone or with "=value".
bool hasOption(int argc, char **argv, std::initializer_list<const char *> options)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : options) {
            const std::size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 && (argv[i][length] == '\0' || argv[i][length] == '='))
                return true;
        }
    return false;
}

struct WindowOptions {
    QCommandLineOption folder{QStringLiteral("folder"),
                              QStringLiteral("Programmappa (standard: $LIRVENDA_FOLDER eller ~/Lirvenda)."),
                              QStringLiteral("DIR")};
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QStringLiteral("Start hovedvinduet uten skjerm, skriv et PNG-bilde av det til FILE og avslutt."),
        QStringLiteral("FILE")};
};

// Reads the options of the window; --help and --version print and end the program here.
void processArguments(QCommandLineParser &parser, const WindowOptions &options, QCoreApplication &app)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(LIRVENDA_VERSION));
    parser.setApplicationDescription(QStringLiteral("Lirvenda: dagbok over artsobservasjoner.\n\n") +
                                     SubcommandSummary());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(options.folder);
    parser.addOption(options.screenshot);
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
    // Commands for scripts, help and version need no display.
    if (argc > 1 && IsSubcommand(QString::fromLocal8Bit(argv[1]))) {
        QCoreApplication app(argc, argv);
        return RunSubcommand(QCoreApplication::arguments());
    }
    const WindowOptions options;
    if (hasOption(argc, argv, {"--help", "-h", "--help-all", "--version", "-v"})) {
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        processArguments(parser, options, app);
    }

    const bool screenshot = hasOption(argc, argv, {"--screenshot"});
    if (screenshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    QCommandLineParser parser;
    processArguments(parser, options, app);

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
