#pragma once

// The options of the program's window, which the program itself reads and which its window
// program reads again.

#include <QCommandLineOption>
#include <QString>

namespace lirvenda {

struct WindowOptions {
    QCommandLineOption folder{QStringLiteral("folder"),
                              QStringLiteral("Programmappa (standard: $LIRVENDA_FOLDER eller ~/Lirvenda)."),
                              QStringLiteral("DIR")};
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QStringLiteral("Start hovedvinduet uten skjerm, skriv et PNG-bilde av det til FILE og avslutt."),
        QStringLiteral("FILE")};
};

} // namespace lirvenda
