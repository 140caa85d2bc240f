#include "core/positions/Nmea.h"

#include "core/positions/Waypoints.h"

#include <QList>

#include <cmath>

namespace lirvenda {

namespace {

constexpr int LongestKeptSentence = 200; // NMEA allows 82 characters; more is noise
constexpr int SignificantDigits = 7;     // of a read-out number

bool isRmc(const QByteArray &sentence)
{
    return sentence.size() > 7 && sentence[0] == '$' && sentence.mid(3, 4) == "RMC,";
}

// The sentences that start in a line, from its first "$" on; a line may begin with noise.
QList<QByteArray> sentencesIn(const QByteArray &line)
{
    QList<QByteArray> sentences;
    for (qsizetype at = line.indexOf('$'); at >= 0;) {
        const qsizetype next = line.indexOf('$', at + 1);
        sentences << line.mid(at, next < 0 ? -1 : next - at).trimmed();
        at = next;
    }
    return sentences;
}

} // namespace

std::optional<double> nmeaToDegrees(const QString &value, const QString &hemisphere, int degreeDigits)
{
    const QString negative = degreeDigits == 2 ? QStringLiteral("S") : QStringLiteral("W");
    const QString positive = degreeDigits == 2 ? QStringLiteral("N") : QStringLiteral("E");
    if (hemisphere != negative && hemisphere != positive)
        return std::nullopt;
    const QString degreeText = value.left(degreeDigits);
    const QString minuteText = value.mid(degreeDigits);
    bool degreesRead = false;
    bool minutesRead = false;
    const int degrees = degreeText.toInt(&degreesRead);
    const double minutes = minuteText.toDouble(&minutesRead);
    const bool digitsOnly = degreeText.size() == degreeDigits && !degreeText.startsWith('-') &&
                            !degreeText.startsWith('+') && !minuteText.startsWith('-') && !minuteText.startsWith('+');
    if (!degreesRead || !minutesRead || !digitsOnly || !std::isfinite(minutes) || minutes >= 60)
        return std::nullopt;
    const double result = degrees + minutes / 60.0;
    if (result > (degreeDigits == 2 ? 90 : 180))
        return std::nullopt;
    return hemisphere == negative ? -result : result;
}

bool nmeaChecksumHolds(const QByteArray &sentence)
{
    const qsizetype star = sentence.lastIndexOf('*');
    if (star < 0)
        return true;
    bool read = false;
    const uint given = sentence.mid(star + 1).toUInt(&read, 16);
    if (!read || sentence.size() - star - 1 != 2)
        return false;
    uchar sum = 0;
    for (qsizetype i = 1; i < star; ++i)
        sum ^= uchar(sentence[i]);
    return sum == given;
}

std::optional<GpsFix> parseRmc(const QByteArray &sentence)
{
    if (!isRmc(sentence) || !nmeaChecksumHolds(sentence))
        return std::nullopt;
    const qsizetype star = sentence.lastIndexOf('*');
    const QList<QByteArray> fields = (star < 0 ? sentence : sentence.first(star)).split(',');
    if (fields.size() < 9)
        return std::nullopt;
    const auto latitude = nmeaToDegrees(QString::fromLatin1(fields[3]), QString::fromLatin1(fields[4]), 2);
    const auto longitude = nmeaToDegrees(QString::fromLatin1(fields[5]), QString::fromLatin1(fields[6]), 3);
    if (!latitude || !longitude)
        return std::nullopt;
    return GpsFix{*latitude, *longitude, QString::fromLatin1(fields[8])};
}

std::optional<GpsFix> NmeaStream::take(const QByteArray &received)
{
    QByteArray text = m_unfinished + received;
    const qsizetype lastLineEnd = text.lastIndexOf('\n');
    m_unfinished = text.mid(lastLineEnd + 1);
    if (m_unfinished.size() > LongestKeptSentence) // no line end in sight: keep the last sentence begun
        m_unfinished =
            m_unfinished.mid(std::max<qsizetype>(m_unfinished.lastIndexOf('$'), 0)).right(LongestKeptSentence);
    text.truncate(lastLineEnd + 1);
    const QList<QByteArray> lines = text.split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QList<QByteArray> sentences = sentencesIn(*line);
        for (auto sentence = sentences.crbegin(); sentence != sentences.crend(); ++sentence)
            if (const auto fix = parseRmc(*sentence))
                return fix;
    }
    return std::nullopt;
}

// The read-out is copied into the position boxes, which read "-" and plain digits only: not a
// locale's own minus sign ("−"), nor an exponent ("3e-05" near the equator).
QString readoutText(double value, const QLocale &locale)
{
    const double single = float(value); // the read-out keeps single precision
    const int wholeDigits = std::abs(single) < 1 ? 0 : int(std::floor(std::log10(std::abs(single)))) + 1;
    QString text = QString::number(single, 'f', std::max(SignificantDigits - wholeDigits, 0));
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text.replace('.', positionDecimalMark(locale));
}

} // namespace lirvenda
