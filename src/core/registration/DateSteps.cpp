#include "core/registration/DateSteps.h"

#include "core/shared/SharedProcedures.h"

namespace lirvenda {

SteppedDate stepDate(const QString &text, int days, const QDate &today)
{
    const QString format = QStringLiteral("dd.MM.yyyy");
    QString checked = text;
    if (!IsValidDate(checked, today))
        return {today.toString(format), false};
    const QDate moved = QDate::fromString(checked, format).addDays(days);
    if (moved > today)
        return {checked, true};
    return {moved.toString(format), false};
}

} // namespace lirvenda
