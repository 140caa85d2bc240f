#include "core/exchange/ObservationCsv.h"

#include "core/exchange/ExportFile.h"
#include "core/exchange/ExportRows.h"
#include "core/shared/Csv.h"

namespace lirvenda {

QStringList observationCsvHeader()
{
    return {QStringLiteral("ObsID"),      QStringLiteral("Art"),
            QStringLiteral("Norsk navn"), QStringLiteral("Vitenskapelig navn"),
            QStringLiteral("Operator"),   QStringLiteral("Antall"),
            QStringLiteral("Kjønn"),      QStringLiteral("Alder"),
            QStringLiteral("Aktivitet"),  QStringLiteral("Lokalitet"),
            QStringLiteral("Fylke"),      QStringLiteral("Kommune"),
            QStringLiteral("Breddegrad"), QStringLiteral("Lengdegrad"),
            QStringLiteral("Start"),      QStringLiteral("Stopp"),
            QStringLiteral("Kommentar"),  QStringLiteral("Observatører")};
}

QStringList observationCsvFields(const ExportRow &row)
{
    QStringList fields{QString::number(row.obsId)};
    for (const QByteArrayView text : {row.speciesKey, row.vernacularName, row.scientificName, row.countOperator})
        fields << QString::fromUtf8(text);
    fields << (row.count ? QString::number(*row.count) : QString());
    for (const QByteArrayView text :
         {row.sex, row.age, row.activity, row.locality, row.countyName, row.municipalityName, row.latitude,
          row.longitude, row.start, row.stop, row.comment, row.observerNames})
        fields << QString::fromUtf8(text);
    return fields;
}

qint64 exportObservationCsv(Program &program, const ArchiveCriteria &criteria, const QString &path)
{
    ExportFile file(path);
    file.write(csvRecord(observationCsvHeader()).toUtf8());
    const qint64 written = forEachExportRow(program, criteria, [&file](const ExportRow &row) {
        file.write(csvRecord(observationCsvFields(row)).toUtf8());
    });
    file.commit();
    return written;
}

} // namespace lirvenda
