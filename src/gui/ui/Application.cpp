#include "gui/ui/Application.h"

#include "gui/ui/ProgramPicture.h"
#include "gui/ui/QtPrompter.h"

#include <QIcon>
#include <QStyleFactory>

namespace lirvenda {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    // The name is the window's class (WM_CLASS) on X11, the StartupWMClass of the menu entry; the
    // desktop file name is the window's app id on Wayland. Docks group the window with its entry.
    setApplicationName(QStringLiteral("Lirvenda"));
    setDesktopFileName(QStringLiteral("no.lirvenda.Lirvenda"));
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setWindowIcon(QIcon(programPicture(128)));
    setPrompter(std::make_unique<QtPrompter>());
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    succeeds([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace lirvenda
