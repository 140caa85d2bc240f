#pragma once

// The options of the program itself, those of its window, and its --help.

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

namespace lirvenda {

struct WindowOptions {
    QCommandLineOption folder{
        QStringLiteral("folder"),
        QCoreApplication::translate("ProgramOptions", "Programmappa (standard: $LIRVENDA_FOLDER eller ~/Lirvenda)."),
        QStringLiteral("DIR")};
    QCommandLineOption screenshot{
        QStringLiteral("screenshot"),
        QCoreApplication::translate("ProgramOptions",
                                    "Start hovedvinduet uten skjerm, skriv et PNG-bilde av det til FILE og avslutt."),
        QCoreApplication::translate("ProgramOptions", "FILE")};
};

// The parser knows the program's options, with a description that lists the commands.
void describeProgram(QCommandLineParser &parser, const WindowOptions &options);

} // namespace lirvenda
