#include "core/registration/ObservationColumns.h"

#include "core/shared/DateTexts.h"
#include "core/shared/SharedProcedures.h"

#include <cmath>

namespace lirvenda {

namespace {

// The count box may hold a decimal comma or point; the column holds whole individuals.
qint64 wholeCount(const QString &count) { return std::llround(QString(count).trimmed().replace(',', '.').toDouble()); }

} // namespace

QVariantMap observationColumns(const RegistrationValues &v, const QDate &today)
{
    const QString municipality = BracketCode(v.municipalityItem);
    QVariantMap columns{
        {QStringLiteral("ObsLastUpdated"), storedDay(today)},
        {QStringLiteral("StartDato"), storedDateTime(v.startDate, v.startTime)},
        {QStringLiteral("StoppDato"), storedDateTime(v.stopDate, v.stopTime)},
        {QStringLiteral("Lokalitet"), v.locality},
        {QStringLiteral("Naturtype"), v.natureTypePath},
        {QStringLiteral("Fylke_Kommune"), municipality.isEmpty() ? BracketCode(v.countyItem) : municipality},
        {QStringLiteral("Breddegrad"), v.latitude},
        {QStringLiteral("Lengdegrad"), v.longitude},
        {QStringLiteral("Art"), BracketCode(v.speciesCaption)},
        {QStringLiteral("Operator"), v.countOperator},
        {QStringLiteral("Antall"), wholeCount(v.count)},
        {QStringLiteral("Kommentar"), v.comment},
        {QStringLiteral("Ring"), QString(v.ringCaption).remove(QStringLiteral("Ringmerking"))},
        {QStringLiteral("Rapportert"), 0},
        {QStringLiteral("Dokumentasjon"), v.documentation},
        {QStringLiteral("Observatører"), v.observers},
        {QStringLiteral("Referanse"), BracketCode(v.referenceItem)},
    };
    if (v.nestMode) {
        columns.insert({
            {QStringLiteral("Reirplassering"), BracketCode(v.nestSiteItem)},
            {QStringLiteral("Tresort"), BracketCode(v.treeItem)},
            {QStringLiteral("HOM"), v.height},
            {QStringLiteral("Eksponering"), v.exposure},
            {QStringLiteral("AntallVoksne"), v.adults},
            {QStringLiteral("AntallEgg"), v.eggs},
            {QStringLiteral("AntallUnger"), v.young},
            {QStringLiteral("UngeAlder"), BracketCode(v.youngAgeItem)},
        });
    } else {
        columns.insert({
            {QStringLiteral("Kjønn"), v.sex},
            {QStringLiteral("Alder"), v.age},
            {QStringLiteral("AtlasKode"), BracketCode(v.activityItem)},
        });
    }
    return columns;
}

} // namespace lirvenda
