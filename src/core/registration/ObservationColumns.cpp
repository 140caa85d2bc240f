#include "core/registration/ObservationColumns.h"

#include "core/shared/DateTexts.h"
#include "core/store/Database.h"

namespace lirvenda {

namespace {

const QString ObsID = QStringLiteral("ObsID");
const QString ObsUniqueID = QStringLiteral("ObsUniqueID");
const QString ObsLastUpdated = QStringLiteral("ObsLastUpdated");
const QString StartDato = QStringLiteral("StartDato");
const QString StoppDato = QStringLiteral("StoppDato");
const QString Lokalitet = QStringLiteral("Lokalitet");
const QString Naturtype = QStringLiteral("Naturtype");
const QString FylkeKommune = QStringLiteral("Fylke_Kommune");
const QString Breddegrad = QStringLiteral("Breddegrad");
const QString Lengdegrad = QStringLiteral("Lengdegrad");
const QString Art = QStringLiteral("Art");
const QString Operator = QStringLiteral("Operator");
const QString Antall = QStringLiteral("Antall");
const QString Kommentar = QStringLiteral("Kommentar");
const QString Ring = QStringLiteral("Ring");
const QString Rapportert = QStringLiteral("Rapportert");
const QString Dokumentasjon = QStringLiteral("Dokumentasjon");
const QString Observatorer = QStringLiteral("Observatører");
const QString Referanse = QStringLiteral("Referanse");
const QString Reirplassering = QStringLiteral("Reirplassering");
const QString Tresort = QStringLiteral("Tresort");
const QString HOM = QStringLiteral("HOM");
const QString Eksponering = QStringLiteral("Eksponering");
const QString AntallVoksne = QStringLiteral("AntallVoksne");
const QString AntallEgg = QStringLiteral("AntallEgg");
const QString AntallUnger = QStringLiteral("AntallUnger");
const QString UngeAlder = QStringLiteral("UngeAlder");
const QString Kjonn = QStringLiteral("Kjønn");
const QString Alder = QStringLiteral("Alder");
const QString AtlasKode = QStringLiteral("AtlasKode");

QString documentationLetters(const Observation &o)
{
    return QString(o.photo ? "F" : "") + (o.video ? "V" : "") + (o.sound ? "L" : "");
}

void readNestDetails(const Record &row, Observation &o)
{
    o.nestSiteKey = row.text(Reirplassering);
    o.treeKey = row.text(Tresort);
    o.height = row.text(HOM);
    o.exposure = row.text(Eksponering);
    o.adults = row.text(AntallVoksne);
    o.eggs = row.text(AntallEgg);
    o.young = row.text(AntallUnger);
    o.youngAgeKey = row.text(UngeAlder);
}

} // namespace

Observation observationFromRecord(const Record &row)
{
    Observation o;
    o.obsId = row.value(ObsID).toLongLong();
    o.uniqueId = row.text(ObsUniqueID);
    o.speciesKey = row.text(Art);
    o.countOperator = row.text(Operator);
    if (!row.isNull(Antall))
        o.count = row.value(Antall).toLongLong();
    o.sex = row.text(Kjonn);
    o.age = row.text(Alder);
    o.activityKey = row.text(AtlasKode);
    o.locality = row.text(Lokalitet);
    o.placeCode = row.text(FylkeKommune);
    o.natureTypePath = row.text(Naturtype);
    o.latitude = row.text(Breddegrad);
    o.longitude = row.text(Lengdegrad);
    o.start = row.text(StartDato);
    o.stop = row.text(StoppDato);
    o.comment = row.text(Kommentar);
    o.ring = row.text(Ring);
    const QString documentation = row.text(Dokumentasjon);
    o.photo = documentation.contains('F');
    o.video = documentation.contains('V');
    o.sound = documentation.contains('L');
    o.referenceKey = row.text(Referanse);
    o.observers = row.text(Observatorer).split(',', Qt::SkipEmptyParts);
    o.reported = row.value(Rapportert).toLongLong() != 0;
    o.lastUpdated = row.text(ObsLastUpdated);
    o.isNest = !row.text(Reirplassering).isEmpty();
    readNestDetails(row, o);
    return o;
}

QVariantMap observationColumns(const Observation &o)
{
    QVariantMap columns{
        {ObsLastUpdated, o.lastUpdated},
        {StartDato, o.start},
        {StoppDato, o.stop},
        {Lokalitet, o.locality},
        {Naturtype, o.natureTypePath},
        {FylkeKommune, o.placeCode},
        {Breddegrad, o.latitude},
        {Lengdegrad, o.longitude},
        {Art, o.speciesKey},
        {Operator, o.countOperator},
        {Antall, o.count ? QVariant(*o.count) : QVariant()},
        {Kommentar, o.comment},
        {Ring, o.ring},
        {Rapportert, o.reported ? 1 : 0},
        {Dokumentasjon, documentationLetters(o)},
        {Observatorer, o.observers.join(',')},
        {Referanse, o.referenceKey},
    };
    if (!o.uniqueId.isEmpty())
        columns.insert(ObsUniqueID, o.uniqueId);
    if (o.isNest) {
        columns.insert({
            {Reirplassering, o.nestSiteKey},
            {Tresort, o.treeKey},
            {HOM, o.height},
            {Eksponering, o.exposure},
            {AntallVoksne, o.adults},
            {AntallEgg, o.eggs},
            {AntallUnger, o.young},
            {UngeAlder, o.youngAgeKey},
        });
    } else {
        columns.insert({{Kjonn, o.sex}, {Alder, o.age}, {AtlasKode, o.activityKey}});
    }
    return columns;
}

QVariantMap savedObservationColumns(Observation observation, const QDate &today)
{
    observation.lastUpdated = storedDay(today);
    observation.reported = false;
    return observationColumns(observation);
}

} // namespace lirvenda
