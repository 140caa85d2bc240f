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
    QString sql = QStringLiteral("SELECT Art FROM RegistrerteArter");
    if (inKeyOrder)
        sql += QStringLiteral(" ORDER BY Art");
    Statement rows = program.mainConnection().query(sql);
    QStringList texts;
    while (rows.next())
        texts << SpeciesDisplayText(program, rows.text(QStringLiteral("Art")));
    return texts;
}

QStringList SortedAlphabetically(QStringList texts)
{
    const QCollator collator(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    std::sort(texts.begin(), texts.end(), collator);
    return texts;
}

} // namespace lirvenda
