#include "core/registration/Validation.h"

#include "core/registration/Coordinates.h"
#include "core/shared/SharedProcedures.h"

#include <QDateTime>
#include <QRegularExpression>

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

// Each check gets its own copy of the text, so rewriting inside a check never reaches the window.
bool dateAccepted(QString copy) { return IsValidDate(copy); }

std::optional<QList<ValidationMessage>> timeProblem(QString copy)
{
    switch (checkTime(copy)) {
    case TimeCheck::Valid: return std::nullopt;
    case TimeCheck::Malformed: return information(QStringLiteral("Ulovlig tid"));
    case TimeCheck::OutOfRange: break;
    }
    return QList<ValidationMessage>{{QStringLiteral("Ulovlig tid!"), true}, {QStringLiteral("Ulovlig tid"), false}};
}

// "dd.mm.yyyy HH:NN" as the sortable "yyyyMMddHHmm00"; a time without ":" (1230) reads as well.
QString instant(const QString &date, QString time)
{
    time = time.trimmed();
    if (!time.contains(':'))
        time = time.left(2) + ':' + time.mid(2, 2);
    const QStringList parts = time.split(':');
    return date.mid(6, 4) + date.mid(3, 2) + date.left(2) +
           QStringLiteral("%1%2")
               .arg(parts.value(0).toInt(), 2, 10, QLatin1Char('0'))
               .arg(parts.value(1).toInt(), 2, 10, QLatin1Char('0')) +
           QStringLiteral("00");
}

} // namespace

QList<ValidationMessage> registrationProblems(Program &program, const RegistrationFields &f)
{
    if (CheckCoordinatesAgainstArea(program, f.latitude, f.longitude) == QLatin1String("False"))
        return information(
            QStringLiteral("De angitte koordinater stemmer ikke med fylke/kommune. Trykk 'Fylke/kom.' for tips"));
    if (f.locality.isEmpty())
        return information(QStringLiteral("Du må angi en lokalitet"));
    if (!isNumeric(f.latitude))
        return information(QStringLiteral("Du må oppgi en breddegrad"));
    if (!isNumeric(f.longitude))
        return information(QStringLiteral("Du må oppgi en lengdegrad"));
    if (BracketCode(f.speciesCaption).isEmpty())
        return information(QStringLiteral("Du må oppgi en art"));
    if (!wholeCount(f.count))
        return information(QStringLiteral("Feil i angivelse av antall"));
    if (!dateAccepted(f.startDate))
        return information(QStringLiteral("Ulovlig dato"));
    if (auto problem = timeProblem(f.startTime))
        return *problem;
    if (!dateAccepted(f.stopDate))
        return information(QStringLiteral("Ulovlig dato"));
    if (auto problem = timeProblem(f.stopTime))
        return *problem;
    if (instant(f.stopDate, f.stopTime) < instant(f.startDate, f.startTime))
        return information(QStringLiteral("Stopptid er før starttid."));
    if (f.tickedObservers == 0)
        return information(QStringLiteral("Det må avkrysses en hovedobservatør"));
    if (f.tickedObservers > 1)
        return information(QStringLiteral("Kun en hovedobservatør skal avmerkes"));
    return {};
}

} // namespace lirvenda
