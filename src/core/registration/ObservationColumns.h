#pragma once

#include "core/registration/Observation.h"

#include <QDate>
#include <QVariantMap>

namespace lirvenda {

class Record;

// A row of Observasjoner as an observation; a row holds a nest record when its nest site is chosen.
Observation observationFromRecord(const Record &row);

// The columns that store the observation. ObsID is never among them, ObsUniqueID only when the
// observation has one (else a changed row keeps its own). Nest and individual columns exclude each
// other: a save of one kind leaves the other's as they were.
QVariantMap observationColumns(const Observation &observation);

// The columns the main window's save writes: changed today, so the row is reported again.
QVariantMap savedObservationColumns(Observation observation, const QDate &today = QDate::currentDate());

} // namespace lirvenda
