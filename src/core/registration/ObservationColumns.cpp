#include "core/registration/ObservationColumns.h"

#include "core/registration/Validation.h"
#include "core/shared/SharedProcedures.h"

namespace lirvenda {

QString storedDateTime(const QString &date, const QString &time)
{
    QString hhmm = time.trimmed();
    if (!hhmm.contains(':'))
        hhmm = hhmm.left(2) + ':' + hhmm.mid(2, 2);
    const QStringList parts = hhmm.split(':');
    return QStringLiteral("%1-%2-%3 %4:%5:00")
        .arg(date.mid(6, 4), date.mid(3, 2), date.left(2))
        .arg(parts.value(0).toInt(), 2, 10, QLatin1Char('0'))
        .arg(parts.value(1).toInt(), 2, 10, QLatin1Char('0'));
}

QString shownDate(const QString &stored)
{
    if (stored.size() < 10)
        return {};
    return stored.mid(8, 2) + '.' + stored.mid(5, 2) + '.' + stored.left(4);
}

QString shownTime(const QString &stored)
{
    const QString time = stored.mid(11, 5);
    return time.isEmpty() || time == QLatin1String("00:00") ? QString() : time;
}

QVariantMap observationColumns(const RegistrationValues &v, const QDate &today)
{
    const QString municipality = BracketCode(v.municipalityItem);
    QVariantMap columns{
        {QStringLiteral("ObsLastUpdated"), today.toString(QStringLiteral("yyyy-MM-dd 00:00:00"))},
        {QStringLiteral("StartDato"), storedDateTime(v.startDate, v.startTime)},
        {QStringLiteral("StoppDato"), storedDateTime(v.stopDate, v.stopTime)},
        {QStringLiteral("Lokalitet"), v.locality},
        {QStringLiteral("Naturtype"), v.natureTypePath},
        {QStringLiteral("Fylke_Kommune"), municipality.isEmpty() ? BracketCode(v.countyItem) : municipality},
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
        {QStringLiteral("Referanse"), v.reference},
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
            {QStringLiteral("AtlasKode"), v.activity},
        });
    }
    return columns;
}

} // namespace lirvenda
