#include "core/commandline/TerminalPassphrase.h"

#include "core/commandline/CommandOutput.h"

#include <QTextStream>

#include <iostream>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace lirvenda {

namespace {

// Turns the terminal's echo off while it lives.
class HiddenInput {
public:
    HiddenInput() : m_terminal(isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &m_saved) == 0)
    {
        if (!m_terminal)
            return;
        termios hidden = m_saved;
        hidden.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &hidden);
    }
    ~HiddenInput()
    {
        if (!m_terminal)
            return;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &m_saved);
        commandErrors() << Qt::endl; // the line break the user typed was not shown
    }
    HiddenInput(const HiddenInput &) = delete;
    HiddenInput &operator=(const HiddenInput &) = delete;

private:
    termios m_saved{};
    bool m_terminal;
};

} // namespace

std::optional<QString> askOnTerminal(const QString &question)
{
    std::string line;
    bool read = false;
    {
        const HiddenInput hidden; // before the question, so no key the user types is shown
        commandErrors() << question << QLatin1Char(' ') << Qt::flush;
        read = bool(std::getline(std::cin, line));
    }
    if (!read)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

} // namespace lirvenda
