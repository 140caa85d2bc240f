#pragma once

#include <QDate>
#include <QString>
#include <QVariantMap>

namespace lirvenda {

// One registration as the main window holds it, read off its controls.
struct RegistrationValues {
    QString startDate, startTime, stopDate, stopTime; // "dd.mm.yyyy", "HH:NN"
    QString locality;
    QString natureTypePath;
    QString countyItem, municipalityItem; // list entries "Name    [code]", or "-"
    QString latitude, longitude;
    QString speciesCaption; // "Name (Genus species) [key]"
    QString countOperator;
    QString count;
    QString comment;
    QString ringCaption;
    bool nestMode = false;
    // nest mode
    QString nestSiteItem, treeItem, height, exposure, adults, eggs, young, youngAgeItem;
    // individual mode
    QString sex, age, activity; // captions and the activity key; empty when none is chosen
    QString documentation;      // "F", "V", "L" for each kind present
    QString observers;          // main observer's key first, then the others
    QString reference;          // the reference key; empty when none is chosen
};

// A date box and a time box as the stored date-time "YYYY-MM-DD HH:MM:SS".
QString storedDateTime(const QString &date, const QString &time);
// The stored date-time as the date box shows it, and the time box: empty at midnight.
QString shownDate(const QString &stored);
QString shownTime(const QString &stored);

// The columns a save writes. A new row also gets its unique identifier from the caller.
// Nest and individual columns exclude each other: a save in one mode leaves the other's as they were.
QVariantMap observationColumns(const RegistrationValues &values, const QDate &today = QDate::currentDate());

} // namespace lirvenda
