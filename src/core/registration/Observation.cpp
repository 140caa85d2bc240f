#include "core/registration/Observation.h"

#include "core/registration/Validation.h"

namespace lirvenda {

namespace {
const QString RingWord = QStringLiteral("Ringmerking");
}

qint64 countOfBox(const QString &countBox) { return wholeCount(countBox).value_or(0); }

QString placeCodeOf(const QString &countyCode, const QString &municipalityCode)
{
    return municipalityCode.isEmpty() ? countyCode : municipalityCode;
}

QString ringOfCaption(const QString &ringCaption) { return QString(ringCaption).remove(RingWord); }

QString ringCaption(const QString &ring) { return ring.trimmed().isEmpty() ? RingWord : ring; }

} // namespace lirvenda
