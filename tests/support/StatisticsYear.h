#pragma once

#include "support/TestProgram.h"

#include "core/exchange/AtlasImport.h"
#include "core/registration/ObservationColumns.h"
#include "core/shared/DateTexts.h"
#include "core/shared/SharedProcedures.h"

#include <QStringList>

namespace lirvenda::test {

// Saves a registration as the main window does: count as typed, date "dd.MM.yyyy", time "HH:mm",
// the observers' unique IDs with the main observer first.
inline qint64 registerObservation(TestProgram &t, const QString &species, const QString &count, const QString &date,
                                  const QString &time, const QStringList &observers)
{
    Observation observation;
    observation.start = observation.stop = storedDateTime(date, time);
    observation.locality = QStringLiteral("Tjønna");
    observation.latitude = QStringLiteral("59.91");
    observation.longitude = QStringLiteral("10.75");
    observation.speciesKey = species;
    observation.count = countOfBox(count);
    observation.observers = observers;
    observation.uniqueId = NewUniqueId(t.program());
    return t.program().observations().append(savedObservationColumns(observation));
}

// Observations of a past year and its neighbours, and the report the year gives. The atlas import
// comes first, as it replaces every observation: it links its one record of the year to observer
// number 2, Ola, who is also the main observer of a registration. Besides: a species whose counts
// sum to zero, one whose counts of 5 and -5 cancel out, two rows on one date, rows at the turns
// of the year, and ties in both maxima.
inline QStringList fillStatisticsYear(TestProgram &t, int year)
{
    const QString per = t.addObserver("Per", "Hansen", "PHA");
    const QString ola = t.addObserver("Ola", "Ås", "OÅS"); // ObserverID 2, the atlas import's observer
    const QString kari = t.addObserver("Kari", "Nordmann", "KNO");
    const QString y = QString::number(year);
    t.db().execute("INSERT INTO Atlas(Aar, Art) VALUES (?, '1464')", {y}); // Kjøttmeis on 1 July
    ImportAtlas(t.program());

    const auto add = [&t](const QString &species, const QString &count, const QString &date, const QString &time,
                          const QStringList &observers) {
        registerObservation(t, species, count, date, time, observers);
    };
    add("11870", "100", "31.12." + QString::number(year - 1), "23:59", {per});
    add("11870", "100", "01.01." + QString::number(year + 1), "00:00", {per});
    add("11870", "3", "05.01." + y, "08:00", {per, kari});
    add("11870", "2", "05.02." + y, "09:00", {per});
    add("11870", "8", "05.02." + y, "10:00", {kari});
    add("14640", "8", "10.03." + y, "00:00", {per});
    add("14640", "2", "11.03." + y, "00:00", {ola});
    add("01590", "0", "01.04." + y, "00:00", {per});
    add("00020", "5", "01.05." + y, "07:00", {per});
    add("00020", "-5", "02.05." + y, "07:00", {per});
    add("00030", "1", "31.12." + y, "23:59", {kari});

    const auto line = [](const QString &name, const QString &rest) { return name.leftJustified(44) + rest; };
    return {"Statistikk for " + y + ":",
            "",
            "Antall observerte arter: 5",
            "Totalt antall enkeltobservasjoner: 10",
            "",
            "Antall dager med observasjoner: 9",
            "",
            "Antall observasjoner fordelt på observatørene:",
            line("Per Hansen", "    6 observasjoner"),
            line("Kari Nordmann", "    2 observasjoner"),
            line("Ola Ås", "    2 observasjoner"),
            "",
            "Observerte arter og antall:",
            line("Storlom (Gavia arctica)", "    1 individer"),
            line("Svarttrost (Turdus merula)", "   13 individer"),
            line("Kjøttmeis (Parus major)", "   11 individer"),
            "",
            "Antall dager med observasjoner:",
            line("Smålom (Gavia stellata)", "    1 dag"),
            line("Storlom (Gavia arctica)", "    1 dag"),
            line("Svarttrost (Turdus merula)", "    2 dager"),
            line("Kjøttmeis (Parus major)", "    3 dager"),
            "",
            "Max. antall i enkeltobservasjon: 8 individer av TURMER den 05.02." + y + ".",
            "Max. månedsantall: 10 individer av TURMER i februar.",
            ""};
}

} // namespace lirvenda::test
