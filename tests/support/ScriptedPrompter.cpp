#include "support/ScriptedPrompter.h"

namespace lirvenda::test {

void ScriptedPrompter::message(const QString &text, Icon icon) { shown.append({text, icon}); }

bool ScriptedPrompter::askYesNo(const QString &text)
{
    shown.append({text, Icon::Question});
    return yesNoAnswers.isEmpty() ? false : yesNoAnswers.takeFirst();
}

std::optional<QString> ScriptedPrompter::input(const QString &, const QString &prompt, const QString &)
{
    shown.append({prompt, Icon::None});
    return inputAnswers.isEmpty() ? std::nullopt : inputAnswers.takeFirst();
}

} // namespace lirvenda::test
