#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include <optional>

namespace lirvenda {

// One position of a receiver's recommended-minimum sentence (RMC), in signed decimal degrees.
struct GpsFix {
    double latitude = 0;
    double longitude = 0;
    QString course; // course over ground, as received
};

// An NMEA coordinate (degrees then minutes, "4807.038" or "01131.000") as signed decimal degrees;
// the degrees take degreeDigits characters (2 for a latitude, 3 for a longitude), the minutes any
// number of decimals. Nothing when it is not such a number, or the hemisphere is not one of the two.
std::optional<double> nmeaToDegrees(const QString &value, const QString &hemisphere, int degreeDigits);

// True when the sentence ("$...*hh") carries no checksum or a correct one.
bool nmeaChecksumHolds(const QByteArray &sentence);

// The fix of one RMC sentence of any talker ($GPRMC, $GNRMC, ...), line end removed. Nothing when
// the checksum is wrong, fields are missing or the coordinates are not well formed. The status
// (A or V) is not looked at: a receiver's last position is better than none.
std::optional<GpsFix> parseRmc(const QByteArray &sentence);

// What a receiver sends, gathered across reads: each read answers the newest fix among the
// sentences completed so far, and a sentence still unfinished waits for the next read.
class NmeaStream {
public:
    std::optional<GpsFix> take(const QByteArray &received);

private:
    QByteArray m_unfinished;
};

// A number of the read-out: at most seven significant digits, no exponent, "-" before a negative
// number, and the locale's decimal mark where it is a comma (positionDecimalMark).
QString readoutText(double value, const QLocale &locale = QLocale());

} // namespace lirvenda
