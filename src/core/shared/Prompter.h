#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace lirvenda {

// Every message box, the one-line input box and the beep go through the current Prompter: the
// windows install one that shows real boxes, tests one that answers from a script.
class Prompter {
public:
    enum class Icon { Information, Exclamation, Critical, Question, None };

    virtual ~Prompter() = default;
    virtual void message(const QString &text, Icon icon = Icon::Information) = 0;
    virtual bool askYesNo(const QString &text) = 0; // question icon, "Ja"/"Nei"
    virtual std::optional<QString> input(const QString &title, const QString &prompt,
                                         const QString &defaultAnswer) = 0; // nullopt: "Avbryt"
    virtual void beep() = 0;

    void information(const QString &text) { message(text, Icon::Information); }
    void exclamation(const QString &text) { message(text, Icon::Exclamation); }
    void critical(const QString &text) { message(text, Icon::Critical); }
};

// Until another is installed, messages go to standard error and every question is answered "Nei".
Prompter &prompter();
// Installs another prompter and answers the one it replaces.
std::unique_ptr<Prompter> setPrompter(std::unique_ptr<Prompter> replacement);

// Runs a step; an error it throws (a database error, a full disk) is shown as a critical message
// and answers false, so the caller can keep or move on as the step's outcome requires.
bool succeeds(const std::function<void()> &step);

} // namespace lirvenda
