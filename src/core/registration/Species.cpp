#include "core/registration/Species.h"

#include "core/shared/SharedProcedures.h"
#include "core/store/Program.h"

#include <QCollator>

#include <algorithm>

namespace lirvenda {

QString SpeciesDisplayText(Program &program, const QString &speciesKey)
{
    return SpeciesDisplayName(program, speciesKey, program.languageCode, true) + QStringLiteral(" [") + speciesKey +
           ']';
}

QStringList RegisteredSpeciesTexts(Program &program, bool inKeyOrder)
{
    const QStringList keys = distinctValues(program.mainConnection(), QStringLiteral("Observasjoner"),
                                            QStringLiteral("Art"), {}, inKeyOrder ? QStringLiteral("v") : QString());
    QStringList texts;
    for (const QString &key : keys)
        texts << SpeciesDisplayText(program, key);
    return texts;
}

QStringList SortedAlphabetically(QStringList texts)
{
    const QCollator collator(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    std::sort(texts.begin(), texts.end(), collator);
    return texts;
}

} // namespace lirvenda
