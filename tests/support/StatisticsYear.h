#pragma once

#include "support/TestProgram.h"

#include <QStringList>

namespace lirvenda::test {

// Observations of one year and its neighbours, and the report the year gives: three observers
// (one of them a linked main observer), a species whose counts sum to zero, a key without a
// taxon, two rows on one date, rows at the turns of the year, and ties in both maxima.
inline QStringList fillStatisticsYear(TestProgram &t, int year)
{
    const QString per = t.addObserver("Per", "Hansen", "PHA");
    const QString kari = t.addObserver("Kari", "Nordmann", "KNO");
    const QString ola = t.addObserver("Ola", "Ås", "OÅS");
    const QString y = QString::number(year);
    const auto add = [&](const QString &species, const QVariant &count, const QString &start,
                         const QVariant &observers) {
        return t.insertObservation(
            {{"Art", species}, {"Antall", count}, {"StartDato", start}, {"Observatører", observers}});
    };
    add("11870", 100, QString::number(year - 1) + "-12-31 23:59:59", per);
    add("11870", 100, QString::number(year + 1) + "-01-01 00:00:00", per);
    add("11870", 3, y + "-01-05 08:00:00", per + "," + kari);
    add("11870", 2, y + "-02-05 09:00:00", per);
    add("11870", 8, y + "-02-05 10:00:00", kari);
    add("14640", 8, y + "-03-10 00:00:00", per);
    const qint64 linked = add("14640", 2, y + "-03-11 00:00:00", QVariant());
    t.db().execute("INSERT INTO ObservatørKobling(RecordID, ObservasjonsId, HovedObservatør) "
                   "SELECT ?, ObserverID, 1 FROM Observers WHERE ObserverUniqueID = ?",
                   {linked, ola});
    add("01590", 0, y + "-04-01 00:00:00", per);
    add("01590", QVariant(), y + "-04-02 00:00:00", per);
    add("77777", 1, y + "-12-31 23:59:00", QVariant());

    const auto line = [](const QString &name, const QString &rest) { return name.leftJustified(44) + rest; };
    return {"Statistikk for " + y + ":",
            "",
            "Antall observerte arter: 4",
            "Totalt antall enkeltobservasjoner: 8",
            "",
            "Antall dager med observasjoner: 7",
            "",
            "Antall observasjoner fordelt på observatørene:",
            line("Per Hansen", "    5 observasjoner"),
            line("Kari Nordmann", "    1 observasjon"),
            line("Ola Ås", "    1 observasjon"),
            "",
            "Observerte arter og antall:",
            line("Svarttrost (Turdus merula)", "   13 individer"),
            line("Kjøttmeis (Parus major)", "   10 individer"),
            line("77777", "    1 individer"),
            "",
            "Antall dager med observasjoner:",
            line("Svarttrost (Turdus merula)", "    2 dager"),
            line("Kjøttmeis (Parus major)", "    2 dager"),
            line("77777", "    1 dag"),
            "",
            "Max. antall i enkeltobservasjon: 8 individer av TURMER den 05.02." + y + ".",
            "Max. månedsantall: 10 individer av TURMER i februar.",
            ""};
}

} // namespace lirvenda::test
