#pragma once

#include <QDate>
#include <QString>
#include <QVariantMap>

namespace lirvenda {

// One registration as the main window holds it, read off its controls: a list's choice by the
// key of its entry, empty when none is chosen or the entry has no key ("-").
struct RegistrationValues {
    QString startDate, startTime, stopDate, stopTime; // the date and time boxes
    QString locality;
    QString natureTypePath;
    QString countyCode, municipalityCode;
    QString latitude, longitude;
    QString speciesCaption; // "Name (Genus species) [key]"
    QString countOperator;
    QString count;
    QString comment;
    QString ringCaption;
    bool nestMode = false;
    // nest mode
    QString nestSiteKey, treeKey, height, exposure, adults, eggs, young, youngAgeKey;
    // individual mode
    QString sex, age, activityKey; // empty when none is chosen
    QString documentation;         // "F", "V", "L" for each kind present
    QString observers;             // main observer's key first, then the others
    QString referenceKey;
};

// The columns a save writes. A new row also gets its unique identifier from the caller.
// Nest and individual columns exclude each other: a save in one mode leaves the other's as they were.
QVariantMap observationColumns(const RegistrationValues &values, const QDate &today = QDate::currentDate());

} // namespace lirvenda
