// The window program: the main window on the program folder, or its picture with --screenshot.
// Started by the program lirvenda, which has checked the arguments.

#include "core/commandline/ProgramOptions.h"
#include "core/keys/DesktopKeyRing.h"
#include "core/shared/Language.h"
#include "core/shared/Prompter.h"
#include "core/store/Database.h"
#include "core/store/Program.h"
#include "gui/backup/AutomaticBackupRunner.h"
#include "gui/passphrase/frm_Passfrase.h"
#include "gui/registration/frm_Fauna.h"
#include "gui/ui/Application.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <QTimer>

using namespace lirvenda;

namespace {

int saveScreenshot(frm_Fauna &window, const QString &file)
{
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(file, "PNG")) {
        QTextStream(stderr) << QCoreApplication::translate("WindowMain", "Kan ikke skrive bildet %1")
                                   .arg(QDir::toNativeSeparators(file))
                            << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const WindowOptions options;
    QCommandLineParser parser;
    parser.addOptions({options.folder, options.screenshot});
    parser.parse(arguments);

    const bool screenshot = parser.isSet(options.screenshot);
    if (screenshot)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    installTranslation(requestedLanguage());
    Program program(parser.isSet(options.folder) ? parser.value(options.folder) : Program::defaultFolder());
    askForPassphrasesWith(screenshot ? nullptr : &frm_Passfrase::ask); // a screenshot has nobody to ask
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
    QTimer::singleShot(0, &window, [&program, &window] { startAutomaticBackup(program, &window); });
    return app.exec();
}
