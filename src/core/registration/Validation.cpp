#include "core/registration/Validation.h"

#include "core/registration/Coordinates.h"
#include "core/shared/DateTexts.h"

#include <QRegularExpression>

#include <QCoreApplication>
#include <cmath>

namespace lirvenda {

bool isNumeric(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)\\s*$"));
    return number.match(text).hasMatch();
}

std::optional<qint64> wholeCount(const QString &count)
{
    if (!isNumeric(count))
        return std::nullopt;
    const double rounded = std::round(QString(count).trimmed().replace(',', '.').toDouble());
    // 2^63, exactly representable: every double below it converts to a 64-bit integer.
    if (!(std::fabs(rounded) < 9223372036854775808.0))
        return std::nullopt;
    return qint64(rounded);
}

namespace {

QList<ValidationMessage> information(const QString &text) { return {{text, false}}; }

std::optional<QList<ValidationMessage>> timeProblem(const QString &box)
{
    switch (readTimeBox(box).check) {
    case TimeCheck::Valid: return std::nullopt;
    case TimeCheck::Malformed: return information(QCoreApplication::translate("ObservationValidation", "Ulovlig tid"));
    case TimeCheck::OutOfRange: break;
    }
    return QList<ValidationMessage>{{QCoreApplication::translate("ObservationValidation", "Ulovlig tid!"), true},
                                    {QCoreApplication::translate("ObservationValidation", "Ulovlig tid"), false}};
}

} // namespace

QList<ValidationMessage> registrationProblems(Program &program, const RegistrationFields &f)
{
    if (checkCoordinatesAgainstArea(program, f.latitude, f.longitude) == QLatin1String("False"))
        return information(QCoreApplication::translate(
            "ObservationValidation",
            "De angitte koordinater stemmer ikke med fylke/kommune. Trykk 'Fylke/kom.' for tips"));
    if (f.locality.isEmpty())
        return information(QCoreApplication::translate("ObservationValidation", "Du må angi en lokalitet"));
    if (!isNumeric(f.latitude))
        return information(QCoreApplication::translate("ObservationValidation", "Du må oppgi en breddegrad"));
    if (!isNumeric(f.longitude))
        return information(QCoreApplication::translate("ObservationValidation", "Du må oppgi en lengdegrad"));
    if (bracketCode(f.speciesCaption).isEmpty())
        return information(QCoreApplication::translate("ObservationValidation", "Du må oppgi en art"));
    if (!wholeCount(f.count))
        return information(QCoreApplication::translate("ObservationValidation", "Feil i angivelse av antall"));
    if (!isValidDate(f.startDate))
        return information(QCoreApplication::translate("ObservationValidation", "Ulovlig dato"));
    if (auto problem = timeProblem(f.startTime))
        return *problem;
    if (!isValidDate(f.stopDate))
        return information(QCoreApplication::translate("ObservationValidation", "Ulovlig dato"));
    if (auto problem = timeProblem(f.stopTime))
        return *problem;
    if (boxInstant(f.stopDate, f.stopTime) < boxInstant(f.startDate, f.startTime))
        return information(QCoreApplication::translate("ObservationValidation", "Stopptid er før starttid."));
    if (f.tickedObservers == 0)
        return information(QCoreApplication::translate(
            "ObservationValidation", "Det må avkrysses en hovedobservatør. "
                                     "Legg til en observatør med høyre museknapp på observatørlista."));
    if (f.tickedObservers > 1)
        return information(
            QCoreApplication::translate("ObservationValidation", "Kun en hovedobservatør skal avmerkes"));
    return {};
}

} // namespace lirvenda
