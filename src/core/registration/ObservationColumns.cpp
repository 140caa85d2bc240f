#include "core/registration/ObservationColumns.h"

#include "core/registration/Validation.h"
#include "core/shared/DateTexts.h"
#include "core/shared/SharedProcedures.h"

namespace lirvenda {

QVariantMap observationColumns(const RegistrationValues &v, const QDate &today)
{
    QVariantMap columns{
        {QStringLiteral("ObsLastUpdated"), storedDay(today)},
        {QStringLiteral("StartDato"), storedDateTime(v.startDate, v.startTime)},
        {QStringLiteral("StoppDato"), storedDateTime(v.stopDate, v.stopTime)},
        {QStringLiteral("Lokalitet"), v.locality},
        {QStringLiteral("Naturtype"), v.natureTypePath},
        {QStringLiteral("Fylke_Kommune"), v.municipalityCode.isEmpty() ? v.countyCode : v.municipalityCode},
        {QStringLiteral("Breddegrad"), v.latitude},
        {QStringLiteral("Lengdegrad"), v.longitude},
        {QStringLiteral("Art"), BracketCode(v.speciesCaption)},
        {QStringLiteral("Operator"), v.countOperator},
        {QStringLiteral("Antall"), wholeCount(v.count).value_or(0)},
        {QStringLiteral("Kommentar"), v.comment},
        {QStringLiteral("Ring"), QString(v.ringCaption).remove(QStringLiteral("Ringmerking"))},
        {QStringLiteral("Rapportert"), 0},
        {QStringLiteral("Dokumentasjon"), v.documentation},
        {QStringLiteral("Observatører"), v.observers},
        {QStringLiteral("Referanse"), v.referenceKey},
    };
    if (v.nestMode) {
        columns.insert({
            {QStringLiteral("Reirplassering"), v.nestSiteKey},
            {QStringLiteral("Tresort"), v.treeKey},
            {QStringLiteral("HOM"), v.height},
            {QStringLiteral("Eksponering"), v.exposure},
            {QStringLiteral("AntallVoksne"), v.adults},
            {QStringLiteral("AntallEgg"), v.eggs},
            {QStringLiteral("AntallUnger"), v.young},
            {QStringLiteral("UngeAlder"), v.youngAgeKey},
        });
    } else {
        columns.insert({
            {QStringLiteral("Kjønn"), v.sex},
            {QStringLiteral("Alder"), v.age},
            {QStringLiteral("AtlasKode"), v.activityKey},
        });
    }
    return columns;
}

} // namespace lirvenda
