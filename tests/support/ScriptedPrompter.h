#pragma once

#include "core/shared/Prompter.h"

#include <QList>

namespace lirvenda::test {

// Records every message and answers questions and input boxes from a script.
class ScriptedPrompter : public Prompter {
public:
    struct Shown {
        QString text;
        Icon icon;
    };

    void message(const QString &text, Icon icon) override;
    bool askYesNo(const QString &text) override;
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &defaultAnswer) override;
    void beep() override { ++beeps; }

    QList<Shown> shown;                         // messages and questions, in order
    QList<bool> yesNoAnswers;                   // taken from the front; "Nei" when empty
    QList<std::optional<QString>> inputAnswers; // taken from the front; cancelled when empty
    int beeps = 0;

    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
};

} // namespace lirvenda::test
