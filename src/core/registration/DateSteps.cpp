#include "core/registration/DateSteps.h"

#include "core/shared/DateTexts.h"

namespace lirvenda {

SteppedDate stepDate(const QString &text, int days, const QDate &today)
{
    if (!isValidDate(text, today))
        return {dateBoxText(today), false};
    const QDate shown = readDateBox(text);
    const QDate moved = shown.addDays(days);
    if (moved > today)
        return {dateBoxText(shown), true};
    return {dateBoxText(moved), false};
}

} // namespace lirvenda
