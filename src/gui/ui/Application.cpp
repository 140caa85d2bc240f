#include "gui/ui/Application.h"

#include "gui/ui/ProgramPicture.h"
#include "gui/ui/QtPrompter.h"

#include <QIcon>
#include <QStyleFactory>

#include <exception>

namespace lirvenda {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lirvenda"));
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setWindowIcon(QIcon(programPicture(128)));
    setPrompter(std::make_unique<QtPrompter>());
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        prompter().critical(QString::fromUtf8(error.what()));
    } catch (...) {
        prompter().critical(QStringLiteral("En ukjent feil oppstod."));
    }
    return false;
}

} // namespace lirvenda
