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
    QString sex, age, activityItem; // empty when none is chosen
    QString documentation;          // "F", "V", "L" for each kind present
    QString observers;              // main observer's key first, then the others
    QString referenceItem;          // empty when none is chosen
};

// The columns a save writes. A new row also gets its unique identifier from the caller.
// Nest and individual columns exclude each other: a save in one mode leaves the other's as they were.
QVariantMap observationColumns(const RegistrationValues &values, const QDate &today = QDate::currentDate());

} // namespace lirvenda
