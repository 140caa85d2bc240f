#include "core/shared/Prompter.h"
#include "core/store/Database.h"
#include "core/store/Program.h"
#include "gui/registration/frm_Fauna.h"
#include "gui/ui/Application.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTextStream>

#include <cstring>

using namespace lirvenda;

namespace {

bool wantsScreenshot(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--screenshot") == 0 || std::strncmp(argv[i], "--screenshot=", 13) == 0)
            return true;
    return false;
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
    const bool screenshot = wantsScreenshot(argc, argv);
    if (screenshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(LIRVENDA_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Lirvenda: dagbok over artsobservasjoner."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folderOption(QStringLiteral("folder"),
                                          QStringLiteral("Programmappa (standard: $LIRVENDA_FOLDER eller ~/Lirvenda)."),
                                          QStringLiteral("DIR"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Start hovedvinduet uten skjerm, skriv et PNG-bilde av det til FILE og avslutt."),
        QStringLiteral("FILE"));
    parser.addOption(folderOption);
    parser.addOption(screenshotOption);
    parser.process(app);

    Program program(parser.isSet(folderOption) ? parser.value(folderOption) : Program::defaultFolder());
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
        return saveScreenshot(window, parser.value(screenshotOption));
    window.show();
    return app.exec();
}
