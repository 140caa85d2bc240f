#pragma once

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace lirvenda {

// Every message box, the one-line input box and the beep go through the current Prompter, so
// tests can answer them from a script.
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

Prompter &prompter();
// Installs another prompter and answers the one it replaces.
std::unique_ptr<Prompter> setPrompter(std::unique_ptr<Prompter> replacement);

// Real message boxes titled "Lirvenda" with Norwegian button texts.
class QtPrompter : public Prompter {
public:
    void message(const QString &text, Icon icon) override;
    bool askYesNo(const QString &text) override;
    std::optional<QString> input(const QString &title, const QString &prompt,
                                 const QString &defaultAnswer) override;
    void beep() override;
};

// Records every message and answers questions and input boxes from a script; for tests.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        Icon icon;
    };

    void message(const QString &text, Icon icon) override;
    bool askYesNo(const QString &text) override;
    std::optional<QString> input(const QString &title, const QString &prompt,
                                 const QString &defaultAnswer) override;
    void beep() override { ++beeps; }

    QList<Shown> shown;        // messages and questions, in order
    QList<bool> yesNoAnswers;  // taken from the front; "Nei" when empty
    QList<std::optional<QString>> inputAnswers; // taken from the front; cancelled when empty
    int beeps = 0;

    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
};

} // namespace lirvenda
