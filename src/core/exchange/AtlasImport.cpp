#include "core/exchange/AtlasImport.h"

#include "core/store/Backup.h"
#include "core/store/Program.h"

#include <QDateTime>
#include <QFileInfo>

#include <QCoreApplication>
#include <algorithm>

namespace lirvenda {

namespace {

const QString FallbackDate = QStringLiteral("1900-07-01 00:00:00");
const QString NoReference = QStringLiteral("-1");

bool isDigits(const QString &text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// 1 July of a four-digit year; any other year gives 1 July 1900.
QString atlasDate(const QString &year)
{
    return year.size() == 4 && isDigits(year) ? year + QStringLiteral("-07-01 00:00:00") : FallbackDate;
}

// "Authors YYYY": the last four characters are the year, what comes before the blank the authors.
QString referenceId(const AtlasLookups &lookups, const QVariant &reference)
{
    const QString text = reference.toString();
    if (reference.isNull() || text.size() < 5)
        return NoReference;
    return lookups.referenceByAuthorsAndYear.value(text.chopped(5) + '\n' + text.right(4), NoReference);
}

} // namespace

AtlasLookups readAtlasLookups(Program &program)
{
    Database &db = program.mainConnection();
    AtlasLookups lookups;
    Statement species = db.query(QStringLiteral("SELECT EUNr, EUONr FROM Species ORDER BY rowid"));
    while (species.next()) {
        const QString key = species.value(QStringLiteral("EUNr")).isNull() ? QStringLiteral("99999")
                                                                           : species.text(QStringLiteral("EUNr"));
        // Several species can share an old number: the first row is the one it stood for.
        if (!lookups.speciesByEuoNumber.contains(species.text(QStringLiteral("EUONr"))))
            lookups.speciesByEuoNumber.insert(species.text(QStringLiteral("EUONr")), key);
    }
    Statement references =
        db.query(QStringLiteral("SELECT Referanse_ID, Forfattere, År FROM Referanser ORDER BY Referanse_ID"));
    while (references.next()) {
        const QString key =
            references.text(QStringLiteral("Forfattere")) + '\n' + references.text(QStringLiteral("År"));
        if (!lookups.referenceByAuthorsAndYear.contains(key))
            lookups.referenceByAuthorsAndYear.insert(key, references.text(QStringLiteral("Referanse_ID")));
    }
    for (const LocalityChoice &locality : namedAndUsedLocalities(program))
        if (!lookups.localityByPrefix.contains(locality.name.left(4)))
            lookups.localityByPrefix.insert(locality.name.left(4), locality);
    return lookups;
}

QString euNumberToSpeciesKey(const AtlasLookups &lookups, const QString &number)
{
    const QString digits = number.trimmed();
    if (!isDigits(digits))
        return {};
    return lookups.speciesByEuoNumber.value(digits.rightJustified(4, '0'));
}

AtlasObservation atlasObservation(const Record &atlas, const AtlasLookups &lookups)
{
    AtlasObservation observation;
    const QString date = atlasDate(atlas.text(QStringLiteral("Aar")));
    const QString species = euNumberToSpeciesKey(lookups, atlas.text(QStringLiteral("Art")));
    observation.speciesFound = !species.isEmpty();
    observation.columns = {
        {QStringLiteral("StartDato"), date},
        {QStringLiteral("StoppDato"), date},
        {QStringLiteral("Art"), species},
        {QStringLiteral("Operator"), QStringLiteral("=")},
        {QStringLiteral("Antall"), 1},
        {QStringLiteral("Kjønn"), QString()},
        {QStringLiteral("Alder"), QString()},
        {QStringLiteral("AtlasKode"), QString()},
        {QStringLiteral("Referanse"), referenceId(lookups, atlas.value(QStringLiteral("Referanse")))},
        {QStringLiteral("Kommentar"), QString()},
    };
    const QVariant route = atlas.value(QStringLiteral("Rute"));
    const auto locality = lookups.localityByPrefix.constFind(route.toString());
    if (!route.isNull() && locality != lookups.localityByPrefix.cend())
        observation.locality = locality.value();
    return observation;
}

AtlasImportPlan atlasImportPlan(Program &program)
{
    Database &db = program.mainConnection();
    return {db.scalar(QStringLiteral("SELECT count(*) FROM Observasjoner")).toLongLong(),
            db.scalar(QStringLiteral("SELECT count(*) FROM Atlas")).toLongLong()};
}

bool hasAtlasRecords(Program &program)
{
    return program.mainConnection().scalar(QStringLiteral("SELECT 1 FROM Atlas LIMIT 1")).isValid();
}

QString atlasImportRefusal(Program &program, const AtlasImportPlan &plan)
{
    if (plan.atlasRecords == 0)
        return QCoreApplication::translate("AtlasImport", "Tabellen Atlas er tom. Ingenting er endret.");
    if (!program.observerConnection()
             .scalar(QStringLiteral("SELECT 1 FROM Observers WHERE ObserverID = ?"), {AtlasMainObserverId})
             .isValid())
        return QCoreApplication::translate(
                   "AtlasImport", "Observasjonene knyttes til observatøren med nummer %1, men den finnes ikke i "
                                  "observatørregisteret. Ingenting er endret.")
            .arg(AtlasMainObserverId);
    return {};
}

QString backUpObservations(Program &program, const QDateTime &now)
{
    const QString stem = QStringLiteral("Observasjoner_før_import_") + now.toString(QStringLiteral("yyyyMMdd_HHmmss"));
    QString backup = program.filePath(stem + QStringLiteral(".mdb"));
    for (int n = 2; QFileInfo::exists(backup); ++n)
        backup = program.filePath(QStringLiteral("%1_%2.mdb").arg(stem).arg(n));
    backupDatabase(program.mainConnection(), backup);
    return backup;
}

AtlasImportResult importAtlas(Program &program)
{
    const AtlasLookups lookups = readAtlasLookups(program);
    Database &db = program.mainConnection();
    AtlasImportResult result;
    Transaction transaction(db);
    db.execute(QStringLiteral("DELETE FROM Observasjoner"));
    db.execute(QStringLiteral("DELETE FROM ObservatørKobling"));
    Statement atlas = db.query(QStringLiteral("SELECT Aar, Art, Referanse, Rute FROM Atlas ORDER BY rowid"));
    while (atlas.next()) {
        AtlasObservation observation = atlasObservation(atlas.record(), lookups);
        if (observation.locality)
            observation.columns.insert(QStringLiteral("Lokalitet"),
                                       QString::number(namedLocalityId(program, *observation.locality)));
        QStringList names;
        for (const QString &column : observation.columns.keys())
            names << '"' + column + '"';
        db.execute(QStringLiteral("INSERT INTO Observasjoner(%1) VALUES (%2)")
                       .arg(names.join(','), QStringLiteral("?,").repeated(names.size()).chopped(1)),
                   observation.columns.values());
        db.execute(QStringLiteral("INSERT INTO ObservatørKobling (RecordID, ObservasjonsId, HovedObservatør) "
                                  "VALUES (?, ?, 1)"),
                   {db.lastInsertId(), AtlasMainObserverId});
        ++result.imported;
        result.unmatched += !(observation.speciesFound && observation.locality);
    }
    transaction.commit();
    return result;
}

} // namespace lirvenda
