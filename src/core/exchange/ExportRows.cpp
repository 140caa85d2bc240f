#include "core/exchange/ExportRows.h"

#include "core/registration/Places.h"
#include "core/store/Program.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lirvenda {

namespace {

// The columns read, by position: the statement is stepped a million times.
enum Column {
    ObsID,
    ObsUniqueID,
    Art,
    Operator,
    Antall,
    Kjonn,
    Alder,
    AtlasKode,
    Lokalitet,
    FylkeKommune,
    Breddegrad,
    Lengdegrad,
    StartDato,
    StoppDato,
    Kommentar,
    Observatorer,
};

const QString SelectedColumns =
    QStringLiteral("O.ObsID, O.ObsUniqueID, O.Art, O.Operator, O.Antall, O.Kjønn, O.Alder, O.AtlasKode, "
                   "O.Lokalitet, O.Fylke_Kommune, O.Breddegrad, O.Lengdegrad, O.StartDato, O.StoppDato, "
                   "O.Kommentar, O.Observatører");

// Texts looked up by a stored UTF-8 view without making a key of it for each row.
struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
template <typename Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

std::string_view viewOf(QByteArrayView bytes) { return {bytes.data(), size_t(bytes.size())}; }

// The value for key, made by make from the key as a text the first time it is asked for. The
// values stay where they are while the map grows, so views of them stay valid.
template <typename Value, typename Make>
const Value &cached(TextMap<Value> &cache, QByteArrayView key, Make make)
{
    const auto found = cache.find(viewOf(key));
    if (found != cache.end())
        return found->second;
    return cache.emplace(std::string(viewOf(key)), make(QString::fromUtf8(key))).first->second;
}

bool isAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text without blanks at either end, as QString::trimmed() reads blanks; a view of stored
// unless a blank outside ASCII may be at an end, when the trimmed text is put in scratch.
QByteArrayView trimmed(QByteArrayView stored, QByteArray &scratch)
{
    if (stored.isEmpty())
        return stored;
    const auto plain = [](char c) { return uchar(c) < 0x80 && !isAsciiSpace(c); };
    if (plain(stored.front()) && plain(stored.back()))
        return stored;
    scratch = QString::fromUtf8(stored).trimmed().toUtf8();
    return scratch;
}

struct Taxon {
    QByteArray vernacularName, scientificName, genus, epithet, taxonClass;
};
struct Place {
    QByteArray countyCode, countyName, municipalityName;
};
struct Observers {
    QByteArray names;
    qsizetype count = 0;
};

// A place's county or municipality name, none for the "-" of an unknown code.
QByteArray knownName(const QString &name) { return name == QLatin1String("-") ? QByteArray() : name.toUtf8(); }

// The names behind the keys, each looked up once: an export has few species, places and observers.
class ExportNames {
public:
    explicit ExportNames(Program &program) : m_program(program)
    {
        Statement taxa = program.mainConnection().query(
            QStringLiteral("SELECT PK_LatinskNavnID, PopulærNavnBokmål, Slekt, Art, Klasse FROM Animalia"));
        while (taxa.next()) {
            const QString genus = taxa.value(2).toString(), epithet = taxa.value(3).toString();
            m_taxa.emplace(std::string(viewOf(taxa.bytes(0))),
                           Taxon{taxa.value(1).toString().toUtf8(),
                                 (genus + QLatin1Char(' ') + epithet).trimmed().toUtf8(), genus.toUtf8(),
                                 epithet.toUtf8(), taxa.value(4).toString().toUtf8()});
        }
        Statement activities =
            program.mainConnection().query(QStringLiteral("SELECT AktivitetID, Aktivitet FROM Aktivitet"));
        while (activities.next())
            m_activities.emplace(std::string(viewOf(activities.bytes(0))), activities.value(1).toString().toUtf8());
    }

    void name(ExportRow &row, const Statement &rows)
    {
        const auto taxon = m_taxa.find(viewOf(row.speciesKey));
        const Taxon &names = taxon == m_taxa.end() ? m_noTaxon : taxon->second;
        row.vernacularName = names.vernacularName;
        row.scientificName = names.scientificName;
        row.genus = names.genus;
        row.epithet = names.epithet;
        row.taxonClass = names.taxonClass;
        const auto activity = m_activities.find(viewOf(rows.bytes(AtlasKode)));
        row.activity = activity == m_activities.end() ? QByteArrayView() : QByteArrayView(activity->second);
        row.locality = cached(m_localities, rows.bytes(Lokalitet),
                              [this](const QString &stored) { return shownLocality(m_program, stored).toUtf8(); });
        if (!row.placeCode.isEmpty()) {
            const Place &place = cached(m_places, row.placeCode, [this](const QString &code) {
                return Place{countyCodeOf(code).toUtf8(), knownName(countyName(m_program, code)),
                             knownName(municipalityName(m_program, code))};
            });
            row.countyCode = place.countyCode;
            row.countyName = place.countyName;
            row.municipalityName = place.municipalityName;
        }
        const Observers &observers = cached(m_observerLists, rows.bytes(Observatorer),
                                            [this](const QString &keys) { return observersOf(keys); });
        row.observerNames = observers.names;
        row.observerCount = observers.count;
    }

private:
    Observers observersOf(const QString &keys)
    {
        QStringList names;
        for (const QString &key : keys.split(QLatin1Char(','), Qt::SkipEmptyParts))
            names << cached(m_observers, key.toUtf8(), [this](const QString &id) { return observerName(id); });
        return {names.join(QStringLiteral(" | ")).toUtf8(), names.size()};
    }

    QString observerName(const QString &uniqueId)
    {
        Statement observer = m_program.observerConnection().query(
            QStringLiteral("SELECT ObserverFirstName, ObserverLastName FROM Observers WHERE ObserverUniqueID = ?"),
            {uniqueId});
        if (!observer.next())
            return uniqueId;
        return (observer.value(0).toString().trimmed() + QLatin1Char(' ') + observer.value(1).toString().trimmed())
            .trimmed();
    }

    Program &m_program;
    TextMap<Taxon> m_taxa;
    const Taxon m_noTaxon;
    TextMap<QByteArray> m_activities, m_localities;
    TextMap<Place> m_places;
    TextMap<Observers> m_observerLists;
    TextMap<QString> m_observers;
};

// Where a row's texts that are not views of the stored ones are kept while the row is written.
struct RowTexts {
    QByteArray latitude, longitude;               // trimmed, when they have blanks beyond ASCII
    QByteArray decimalLatitude, decimalLongitude; // as decimalCoordinate writes them
};

// A typed "-59.9127" as decimalDegrees reads it: the plain decimal number that typed stands for,
// with digits alone taken as two of degrees and the decimals; empty when typed is anything else.
QByteArrayView plainDecimal(QByteArrayView typed, char (&number)[32])
{
    const bool negative = typed.startsWith('-');
    const QByteArrayView digits = typed.sliced(negative ? 1 : 0);
    if (digits.isEmpty() || typed.size() >= qsizetype(sizeof number))
        return {};
    qsizetype separators = 0, at = 0;
    for (const char c : digits) {
        if (c == '.' || c == ',')
            ++separators;
        else if (c < '0' || c > '9')
            return {};
    }
    if (separators > 1 || digits.front() == '.' || digits.front() == ',' || digits.back() == '.' ||
        digits.back() == ',')
        return {};
    if (negative)
        number[at++] = '-';
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (separators == 0 && typed.size() > 2 && i == 2)
            number[at++] = '.';
        number[at++] = digits[i] == ',' ? '.' : digits[i];
    }
    return QByteArrayView(number, at);
}

// A typed coordinate as decimalCoordinate writes it; kept in written. Plain decimal numbers are
// read and written here without a QString; decimalCoordinate reads every other text.
QByteArrayView decimalCoordinateOf(QByteArrayView typed, QByteArray &written)
{
    char number[32];
    const QByteArrayView plain = plainDecimal(typed, number);
    double degrees = 0;
    if (!plain.isEmpty() && std::from_chars(plain.data(), plain.data() + plain.size(), degrees).ec == std::errc() &&
        std::abs(degrees) <= 180 && std::abs(degrees) >= 0.000001) {
        written.resize(32);
        written.resize(std::to_chars(written.data(), written.data() + 32, degrees, std::chars_format::fixed, 6).ptr -
                       written.data());
        return written;
    }
    if (typed.isEmpty())
        return {};
    written = decimalCoordinate(QString::fromUtf8(typed)).toUtf8();
    return written;
}

// Two digits or four at from, or -1 when any is not a digit.
int digitsAt(QByteArrayView text, qsizetype from, qsizetype count)
{
    int number = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

// The row's stored texts; latitude and longitude trimmed into the scratch texts when they must be.
void readRow(ExportRow &row, const Statement &rows, RowTexts &texts)
{
    row.obsId = rows.integer(ObsID);
    row.uniqueId = rows.bytes(ObsUniqueID);
    row.speciesKey = rows.bytes(Art);
    row.countOperator = rows.bytes(Operator);
    const QVariant count = rows.value(Antall);
    row.count = count.isNull() ? std::nullopt : std::optional<qint64>(count.toLongLong());
    row.sex = rows.bytes(Kjonn);
    row.age = rows.bytes(Alder);
    row.placeCode = rows.bytes(FylkeKommune);
    row.latitude = trimmed(rows.bytes(Breddegrad), texts.latitude);
    row.longitude = trimmed(rows.bytes(Lengdegrad), texts.longitude);
    row.decimalLatitude = decimalCoordinateOf(row.latitude, texts.decimalLatitude);
    row.decimalLongitude = decimalCoordinateOf(row.longitude, texts.decimalLongitude);
    row.start = rows.bytes(StartDato);
    row.stop = rows.bytes(StoppDato);
    row.startMoment = storedMomentOf(row.start);
    row.stopMoment = storedMomentOf(row.stop);
    row.comment = rows.bytes(Kommentar);
}

} // namespace

ArchiveCriteria yearCriteria(int year)
{
    ArchiveCriteria criteria;
    criteria.year = {0, QString::number(year)};
    return criteria;
}

StoredMoment storedMomentOf(QByteArrayView stored)
{
    if (stored.size() == 19 && stored[4] == '-' && stored[7] == '-' && stored[10] == ' ' && stored[13] == ':' &&
        stored[16] == ':') {
        const int year = digitsAt(stored, 0, 4), month = digitsAt(stored, 5, 2), day = digitsAt(stored, 8, 2);
        const int hour = digitsAt(stored, 11, 2), minute = digitsAt(stored, 14, 2), second = digitsAt(stored, 17, 2);
        if (QDate::isValid(year, month, day) && QTime::isValid(hour, minute, second))
            return {true, hour == 0 && minute == 0 && second == 0,
                    (QDate(year, month, day).toJulianDay() - QDate(1970, 1, 1).toJulianDay()) * 86400 + hour * 3600 +
                        minute * 60 + second};
    }
    if (stored.isEmpty())
        return {};
    const QDateTime moment = storedMoment(QString::fromUtf8(stored)); // any other text, read as before
    return {moment.isValid(), moment.time() == QTime(0, 0), moment.isValid() ? moment.toSecsSinceEpoch() : 0};
}

qint64 forEachExportRow(Program &program, const ArchiveCriteria &criteria,
                        const std::function<void(const ExportRow &row)> &write)
{
    const ArchiveQuery condition = archiveCondition(criteria, archiveObserverId(program, criteria));
    QString sql = QStringLiteral("SELECT ") + SelectedColumns + QStringLiteral(" FROM Observasjoner O");
    if (condition.sql.isEmpty())
        sql += QStringLiteral(" ORDER BY O.ObsID");
    else
        sql += QStringLiteral(" WHERE ") + condition.sql +
               QStringLiteral(" ORDER BY O.Art, substr(O.StartDato, 1, 10), O.ObsID");
    ExportNames names(program);
    Statement rows = program.mainConnection().query(sql, condition.values);
    RowTexts texts;
    qint64 written = 0;
    while (rows.next()) {
        ExportRow row;
        readRow(row, rows, texts);
        names.name(row, rows);
        write(row);
        ++written;
    }
    return written;
}

QDateTime storedMoment(const QString &stored)
{
    if (stored.size() != 19 || stored.at(4) != QLatin1Char('-') || stored.at(10) != QLatin1Char(' '))
        return {};
    const auto number = [&stored](int from, int length) { return QStringView(stored).mid(from, length).toInt(); };
    return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                     QTime(number(11, 2), number(14, 2), number(17, 2)), Qt::UTC);
}

std::optional<double> decimalDegrees(const QString &typed)
{
    QString text = typed.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    if (!text.contains(QLatin1Char('.')) && text.size() > 2)
        text.insert(text.startsWith(QLatin1Char('-')) ? 3 : 2, QLatin1Char('.'));
    bool isNumber = false;
    const double degrees = text.toDouble(&isNumber);
    if (!isNumber || degrees < -180 || degrees > 180)
        return std::nullopt;
    return degrees;
}

QString decimalCoordinate(const QString &typed)
{
    const std::optional<double> degrees = decimalDegrees(typed);
    return degrees ? QString::number(*degrees, 'f', 6) : QString();
}

} // namespace lirvenda
