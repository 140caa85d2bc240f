#pragma once

#include "core/shared/Prompter.h"

namespace lirvenda {

// Real message boxes titled "Lirvenda" with Norwegian button texts.
class QtPrompter : public Prompter {
public:
    void message(const QString &text, Icon icon) override;
    bool askYesNo(const QString &text) override;
    std::optional<QString> input(const QString &title, const QString &prompt, const QString &defaultAnswer) override;
    void beep() override;
};

} // namespace lirvenda
