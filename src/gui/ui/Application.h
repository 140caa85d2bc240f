#pragma once

#include <QApplication>

namespace lirvenda {

// The application object: any error that escapes an event handler (a database error, a full
// disk) is shown in a message box and the window that raised it stays usable.
class Application : public QApplication {
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace lirvenda
