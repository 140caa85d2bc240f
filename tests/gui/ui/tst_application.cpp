// The application object as the program makes it.

#include "gui/ui/Application.h"

#include <QSettings>
#include <QtTest>

using namespace lirvenda;

class ApplicationTest : public QObject {
    Q_OBJECT
private slots:
    // Docks and task bars group the window with its menu entry: by the entry's name (the app id on
    // Wayland) and by the window's class, the application's name (StartupWMClass on X11).
    void windowNamesItsMenuEntry()
    {
        const QString entry = QStringLiteral(DESKTOP_ENTRY);
        QCOMPARE(QGuiApplication::desktopFileName() + ".desktop", QFileInfo(entry).fileName());
        const QSettings desktop(entry, QSettings::IniFormat);
        QCOMPARE(desktop.value("Desktop Entry/StartupWMClass").toString(), QCoreApplication::applicationName());
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    ApplicationTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
