#include "core/exchange/EbirdImport.h"

#include "core/group/GroupSave.h"
#include "core/registration/Coordinates.h"
#include "core/registration/ObservationColumns.h"
#include "core/registration/Places.h"
#include "core/shared/Csv.h"
#include "core/shared/UniqueIds.h"
#include "core/store/ObservationRecordSet.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>

namespace lirvenda {

namespace {

const QString SubmissionColumn = QStringLiteral("Submission ID");
const QString ScientificNameColumn = QStringLiteral("Scientific Name");
const QString CountColumn = QStringLiteral("Count");
const QString LocationColumn = QStringLiteral("Location");
const QString LatitudeColumn = QStringLiteral("Latitude");
const QString LongitudeColumn = QStringLiteral("Longitude");
const QString DateColumn = QStringLiteral("Date");
const QString TimeColumn = QStringLiteral("Time");
const QString DurationColumn = QStringLiteral("Duration (Min)");
const QString BreedingCodeColumn = QStringLiteral("Breeding Code");
const QString DetailsColumn = QStringLiteral("Observation Details");

const QStringList NeededColumns = {SubmissionColumn, ScientificNameColumn, CountColumn, DateColumn};

// eBird's breeding and behaviour codes and the activity codes that name the same evidence.
const QHash<QString, QString> ActivityByBreedingCode = {
    {QStringLiteral("H"), QStringLiteral("1")},   {QStringLiteral("S"), QStringLiteral("2")},
    {QStringLiteral("M"), QStringLiteral("2")},   {QStringLiteral("P"), QStringLiteral("3")},
    {QStringLiteral("T"), QStringLiteral("4")},   {QStringLiteral("S7"), QStringLiteral("4")},
    {QStringLiteral("C"), QStringLiteral("5")},   {QStringLiteral("N"), QStringLiteral("6")},
    {QStringLiteral("A"), QStringLiteral("7")},   {QStringLiteral("PE"), QStringLiteral("8")},
    {QStringLiteral("B"), QStringLiteral("9")},   {QStringLiteral("CN"), QStringLiteral("9")},
    {QStringLiteral("NB"), QStringLiteral("9")},  {QStringLiteral("DD"), QStringLiteral("10")},
    {QStringLiteral("UN"), QStringLiteral("11")}, {QStringLiteral("FL"), QStringLiteral("12")},
    {QStringLiteral("ON"), QStringLiteral("13")}, {QStringLiteral("CF"), QStringLiteral("14")},
    {QStringLiteral("FY"), QStringLiteral("14")}, {QStringLiteral("FS"), QStringLiteral("14")},
    {QStringLiteral("NE"), QStringLiteral("15")}, {QStringLiteral("NY"), QStringLiteral("16")},
    {QStringLiteral("F"), QStringLiteral("53")},
};

QString breedingCodeOf(const QString &text) { return text.trimmed().section(QLatin1Char(' '), 0, 0).toUpper(); }

// The place of a position: the municipality whose box alone holds it; the county when the boxes
// that hold it all lie in one county; else none (outside Norway, or on a border of counties).
class PlaceFinder {
public:
    explicit PlaceFinder(Program &program) : m_program(program) {}
    QString placeAt(const QString &latitude, const QString &longitude)
    {
        if (latitude.isEmpty() || longitude.isEmpty())
            return {};
        const QString position = latitude + QLatin1Char(' ') + longitude;
        const auto known = m_places.constFind(position);
        if (known != m_places.cend())
            return known.value();
        const QList<MunicipalityCandidate> candidates = municipalitiesAt(m_program, latitude, longitude);
        QString place;
        if (candidates.size() == 1)
            place = candidates.first().code;
        else if (!candidates.isEmpty()) {
            place = countyCodeOf(candidates.first().code);
            for (const MunicipalityCandidate &candidate : candidates)
                if (countyCodeOf(candidate.code) != place)
                    place.clear();
        }
        m_places.insert(position, place);
        return place;
    }

private:
    Program &m_program;
    QHash<QString, QString> m_places;
};

struct RowReading {
    Observation observation;
    QString refusal; // why the row is not imported; empty when it is
};

QString storedInstant(const QDateTime &instant) { return instant.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")); }

// The start from the date and time, the stop a duration later.
bool readMoments(const CsvHeader &header, const QStringList &fields, Observation &observation)
{
    const QDate date = QDate::fromString(header.field(fields, DateColumn).trimmed(), Qt::ISODate);
    const QString timeText = header.field(fields, TimeColumn).trimmed();
    const QTime time = timeText.isEmpty() ? QTime(0, 0) : ebirdTime(timeText);
    if (!date.isValid() || !time.isValid())
        return false;
    const QDateTime start(date, time, Qt::UTC); // no daylight saving moves the stop
    bool hasDuration = false;
    const int minutes = header.field(fields, DurationColumn).trimmed().toInt(&hasDuration);
    observation.start = storedInstant(start);
    observation.stop =
        storedInstant(hasDuration && minutes > 0 && !timeText.isEmpty() ? start.addSecs(60 * minutes) : start);
    return true;
}

// "X" is a count left open; else a whole number of at least 0.
bool readCount(const QString &text, Observation &observation)
{
    const QString count = text.trimmed();
    if (count.compare(QLatin1String("X"), Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const qint64 number = count.toLongLong(&isNumber);
    if (!isNumber || number < 0)
        return false;
    observation.countOperator = QStringLiteral("=");
    observation.count = number;
    return true;
}

} // namespace

EbirdImportError::EbirdImportError(const QString &message) : std::runtime_error(message.toStdString()) {}

EbirdTaxa::EbirdTaxa(Program &program)
{
    Statement rows = program.mainConnection().query(
        QStringLiteral("SELECT PK_LatinskNavnID, Slekt, Art FROM Animalia ORDER BY rowid"));
    while (rows.next()) {
        const QString name = (rows.text(QStringLiteral("Slekt")).trimmed() + QLatin1Char(' ') +
                              rows.text(QStringLiteral("Art")).trimmed())
                                 .toLower();
        if (!m_keys.contains(name))
            m_keys.insert(name, rows.text(QStringLiteral("PK_LatinskNavnID")));
    }
}

// Genus and epithet are the first two words; what follows names a subspecies, a group of them or
// a form. A hybrid is written with "x" between its parents.
EbirdTaxa::Match EbirdTaxa::match(const QString &scientificName) const
{
    const QStringList words = scientificName.simplified().split(QLatin1Char(' '));
    if (words.contains(QLatin1String("x")) || words.contains(QStringLiteral("×")))
        return {{}, QCoreApplication::translate("EbirdImport", "hybrid")};
    if (words.size() < 2 || words[1].compare(QLatin1String("sp."), Qt::CaseInsensitive) == 0)
        return {{}, QCoreApplication::translate("EbirdImport", "art ikke bestemt (sp.)")};
    if (words[0].contains(QLatin1Char('/')) || words[1].contains(QLatin1Char('/')))
        return {{}, QCoreApplication::translate("EbirdImport", "en av flere arter (/)")};
    const QString key = m_keys.value((words[0] + QLatin1Char(' ') + words[1]).toLower());
    return key.isEmpty() ? Match{{}, QCoreApplication::translate("EbirdImport", "ikke i artslista")} : Match{key, {}};
}

QString activityOfBreedingCode(const QString &breedingCode)
{
    return ActivityByBreedingCode.value(breedingCodeOf(breedingCode));
}

QTime ebirdTime(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})(?:\\s*([AaPp])\\.?[Mm]\\.?)?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    int hour = match.captured(1).toInt();
    const QString half = match.captured(3).toUpper();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12)
            return {};
        hour = hour % 12 + (half == QLatin1String("P") ? 12 : 0);
    }
    return QTime(hour, match.captured(2).toInt());
}

namespace {

QString rowCount(int rows)
{
    return rows == 1 ? QCoreApplication::translate("EbirdImport", "1 rad")
                     : QCoreApplication::translate("EbirdImport", "%1 rader").arg(rows);
}

} // namespace

QStringList EbirdImportPlan::report() const
{
    QStringList lines{QCoreApplication::translate("EbirdImport", "Rader lest: %1").arg(rowsRead),
                      QCoreApplication::translate("EbirdImport", "Rader som importeres: %1").arg(rows.size()),
                      QCoreApplication::translate("EbirdImport", "Arter funnet: %1").arg(speciesMatched),
                      QCoreApplication::translate("EbirdImport", "Allerede importert: %1").arg(alreadyImported)};
    int refusedRows = 0;
    for (const int count : refused)
        refusedRows += count;
    lines << QCoreApplication::translate("EbirdImport", "Avvist: %1").arg(refusedRows);
    for (auto it = refused.cbegin(); it != refused.cend(); ++it)
        lines << QStringLiteral("  %1 (%2)").arg(it.key(), rowCount(it.value()));
    if (!breedingCodesLeftOut.isEmpty())
        lines << QCoreApplication::translate("EbirdImport", "Hekkekoder uten tilsvarende aktivitet:");
    for (auto it = breedingCodesLeftOut.cbegin(); it != breedingCodesLeftOut.cend(); ++it)
        lines << QStringLiteral("  %1 (%2)").arg(it.key(), rowCount(it.value()));
    return lines;
}

std::optional<qint64> defaultImportObserver(Program &program)
{
    bool isNumber = false;
    const qint64 id = rememberedMainObserverId(program).toLongLong(&isNumber);
    return isNumber ? std::optional<qint64>(id) : std::nullopt;
}

QString importObserverRefusal(Program &program, qint64 observerId)
{
    if (program.observerConnection()
            .scalar(QStringLiteral("SELECT 1 FROM Observers WHERE ObserverID = ?"), {observerId})
            .isValid())
        return {};
    return QCoreApplication::translate(
               "EbirdImport", "Finner ingen observatør med nummer %1 i observatørregisteret. Ingenting er importert.")
        .arg(observerId);
}

namespace {

class PlanReader {
public:
    PlanReader(Program &program, EbirdImportPlan &plan, const CsvHeader &header)
        : m_plan(plan), m_header(header), m_taxa(program), m_places(program)
    {
        m_observer = program.observerConnection()
                         .scalar(QStringLiteral("SELECT ObserverUniqueID FROM Observers WHERE ObserverID = ?"),
                                 {plan.observerId})
                         .toString();
        Statement sources = program.mainConnection().query(
            QStringLiteral("SELECT Innsending, Takson FROM ImporterteObservasjoner WHERE Kilde = ?"),
            {EbirdSourceName});
        while (sources.next())
            m_imported.insert(sources.text(QStringLiteral("Innsending")) + QLatin1Char('\n') +
                              sources.text(QStringLiteral("Takson")));
    }

    void read(const CsvReader::Record &record)
    {
        ++m_plan.rowsRead;
        const QString taxon = m_header.field(record.fields, ScientificNameColumn).simplified();
        if (!record.complete || record.fields.size() < m_header.size())
            return refuse(QCoreApplication::translate("EbirdImport", "ufullstendig rad"),
                          QCoreApplication::translate("EbirdImport", "linje %1").arg(record.line));
        const QString submission = m_header.field(record.fields, SubmissionColumn).trimmed();
        const EbirdTaxa::Match species = m_taxa.match(taxon);
        if (!species.refusal.isEmpty())
            return refuse(species.refusal, taxon);
        if (m_imported.contains(submission + QLatin1Char('\n') + taxon)) {
            ++m_plan.alreadyImported;
            return;
        }
        RowReading row = observationOf(record.fields, species.speciesKey);
        if (!row.refusal.isEmpty())
            return refuse(row.refusal, taxon);
        m_imported.insert(submission + QLatin1Char('\n') + taxon);
        m_species.insert(species.speciesKey);
        m_plan.speciesMatched = int(m_species.size());
        m_plan.rows.append({row.observation, submission, taxon});
    }

private:
    void refuse(const QString &why, const QString &what) { ++m_plan.refused[why + QStringLiteral(": ") + what]; }

    RowReading observationOf(const QStringList &fields, const QString &speciesKey)
    {
        RowReading row;
        Observation &o = row.observation;
        o.speciesKey = speciesKey;
        if (!readMoments(m_header, fields, o))
            return {o, QCoreApplication::translate("EbirdImport", "ugyldig dato eller tid")};
        if (!readCount(m_header.field(fields, CountColumn), o))
            return {o, QCoreApplication::translate("EbirdImport", "ugyldig antall")};
        o.locality = m_header.field(fields, LocationColumn).trimmed();
        o.latitude = m_header.field(fields, LatitudeColumn).trimmed();
        o.longitude = m_header.field(fields, LongitudeColumn).trimmed();
        o.placeCode = m_places.placeAt(o.latitude, o.longitude);
        o.comment = m_header.field(fields, DetailsColumn).trimmed();
        const QString breeding = breedingCodeOf(m_header.field(fields, BreedingCodeColumn));
        o.activityKey = activityOfBreedingCode(breeding);
        if (!breeding.isEmpty() && o.activityKey.isEmpty())
            ++m_plan.breedingCodesLeftOut[breeding];
        o.observers = QStringList{m_observer};
        return row;
    }

    EbirdImportPlan &m_plan;
    const CsvHeader &m_header;
    EbirdTaxa m_taxa;
    PlaceFinder m_places;
    QString m_observer;
    QSet<QString> m_imported; // "submission\ntaxon" of the rows imported before or planned now
    QSet<QString> m_species;
};

} // namespace

EbirdImportPlan planEbirdImport(Program &program, const QString &path, qint64 observerId)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EbirdImportError(
            QCoreApplication::translate("EbirdImport", "Kan ikke lese %1: %2").arg(path, file.errorString()));
    CsvReader reader(file);
    const std::optional<CsvReader::Record> names = reader.next();
    const CsvHeader header(names ? names->fields : QStringList());
    for (const QString &column : NeededColumns)
        if (!header.has(column))
            throw EbirdImportError(
                QCoreApplication::translate("EbirdImport", "%1 er ikke en fil fra eBird: kolonnen «%2» mangler.")
                    .arg(path, column));
    EbirdImportPlan plan;
    plan.observerId = observerId;
    PlanReader rows(program, plan, header);
    while (const std::optional<CsvReader::Record> record = reader.next())
        rows.read(*record);
    return plan;
}

int importEbird(Program &program, const EbirdImportPlan &plan)
{
    Database &db = program.mainConnection();
    ObservationRecordSet &observations = program.observations();
    Transaction transaction(db);
    int added = 0;
    for (const EbirdImportRow &row : plan.rows) {
        if (db.scalar(QStringLiteral("SELECT 1 FROM ImporterteObservasjoner WHERE Kilde = ? AND Innsending = ? "
                                     "AND Takson = ?"),
                      {EbirdSourceName, row.submission, row.taxon})
                .isValid())
            continue;
        Observation observation = row.observation;
        observation.uniqueId = newUniqueId(program);
        const qint64 obsId = observations.append(savedObservationColumns(observation));
        db.execute(QStringLiteral("INSERT INTO ObservatørKobling (RecordID, ObservasjonsId, HovedObservatør) "
                                  "VALUES (?, ?, 1)"),
                   {obsId, plan.observerId});
        db.execute(QStringLiteral("INSERT INTO ImporterteObservasjoner (Kilde, Innsending, Takson, ObsID) "
                                  "VALUES (?, ?, ?, ?)"),
                   {EbirdSourceName, row.submission, row.taxon, obsId});
        ++added;
    }
    transaction.commit();
    return added;
}

} // namespace lirvenda
