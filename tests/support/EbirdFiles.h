#pragma once

// Files as eBird's "My eBird Data" download writes them, made from its documented header, for the
// tests of the import.

#include "core/shared/Csv.h"

#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>
#include <QStringList>

namespace lirvenda::test {

inline const QStringList EbirdHeader = {"Submission ID",
                                        "Common Name",
                                        "Scientific Name",
                                        "Taxonomic Order",
                                        "Count",
                                        "State/Province",
                                        "County",
                                        "Location ID",
                                        "Location",
                                        "Latitude",
                                        "Longitude",
                                        "Date",
                                        "Time",
                                        "Protocol",
                                        "Duration (Min)",
                                        "All Obs Reported",
                                        "Distance Traveled (km)",
                                        "Area Covered (ha)",
                                        "Number of Observers",
                                        "Breeding Code",
                                        "Observation Details",
                                        "Checklist Comments",
                                        "ML Catalog Numbers"};

// One row: the named fields as given, a checklist at Akerselva in Oslo on 1 May 2024 for the rest.
inline QByteArray ebirdRow(const QMap<QString, QString> &given)
{
    const QMap<QString, QString> defaults{{"Submission ID", "S100"},
                                          {"Common Name", "White Wagtail"},
                                          {"Scientific Name", "Motacilla alba"},
                                          {"Count", "1"},
                                          {"State/Province", "NO-03"},
                                          {"Location", "Akerselva"},
                                          {"Latitude", "59.9215"},
                                          {"Longitude", "10.7585"},
                                          {"Date", "2024-05-01"},
                                          {"Time", "07:15 AM"},
                                          {"Protocol", "eBird - Traveling Count"},
                                          {"Duration (Min)", "45"}};
    QStringList fields;
    for (const QString &name : EbirdHeader)
        fields << given.value(name, defaults.value(name));
    return csvRecord(fields).toUtf8();
}

inline QByteArray ebirdFile(const QList<QByteArray> &rows, bool byteOrderMark = false)
{
    QByteArray bytes = byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    bytes += csvRecord(EbirdHeader).toUtf8();
    for (const QByteArray &row : rows)
        bytes += row;
    return bytes;
}

inline QString writeEbirdFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

} // namespace lirvenda::test
