#include "core/store/StoreCheck.h"

#include "core/store/Program.h"
#include "core/store/Schema.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace lirvenda {

namespace {

constexpr int ListedKeys = 10; // more than this many missing species keys are counted, not listed

void checkIntegrity(Database &db, StoreCheckResult &result)
{
    const QStringList report = db.integrityCheck();
    const QString file = QFileInfo(db.path()).fileName();
    if (report == QStringList{QStringLiteral("ok")}) {
        result.summary << QCoreApplication::translate("StoreCheck", "%1: integritetssjekken er i orden").arg(file);
        return;
    }
    for (const QString &line : report)
        result.problems << QStringLiteral("%1: %2").arg(file, line);
}

// Counts rows breaking a rule; a positive count is a problem described by the text.
void countBreaches(Database &db, StoreCheckResult &result, const QString &sql, const QString &description)
{
    const qint64 breaches = db.scalar(sql).toLongLong();
    if (breaches > 0)
        result.problems << description.arg(breaches);
}

// Counts the keys of the rows in one of the two selections but not in the other: what a table
// keeps against what the observations make of it. Each selection has distinct rows of the same
// columns; the observations are read once.
QString differenceSql(const QString &made, const QString &kept, const QString &columns, const QString &key)
{
    return QStringLiteral("SELECT count(*) FROM (SELECT DISTINCT %4 FROM (SELECT * FROM (%1) UNION ALL SELECT * FROM "
                          "(%2)) GROUP BY %3 HAVING count(*) = 1)")
        .arg(made, kept, columns, key);
}

// A list of used values against the observations' column.
QString listDifferenceSql(const QString &list, const QString &column)
{
    return differenceSql(QStringLiteral("SELECT DISTINCT %1 FROM Observasjoner WHERE %1 IS NOT NULL").arg(column),
                         QStringLiteral("SELECT %1 FROM %2").arg(column, list), column, column);
}

void checkSpeciesKeys(Database &db, StoreCheckResult &result)
{
    const QStringList missing =
        db.columnTexts(QStringLiteral("SELECT DISTINCT Art FROM Observasjoner WHERE Art <> '' AND Art NOT IN "
                                      "(SELECT PK_LatinskNavnID FROM Animalia) ORDER BY Art"));
    if (missing.isEmpty())
        return;
    QStringList shown = missing.mid(0, ListedKeys);
    if (missing.size() > ListedKeys)
        shown << QCoreApplication::translate("StoreCheck", "… (%1 i alt)").arg(missing.size());
    result.problems << QCoreApplication::translate("StoreCheck", "Artsnøkler som ikke finnes i artslista: %1")
                           .arg(shown.join(QStringLiteral(", ")));
}

void checkObservations(Database &db, StoreCheckResult &result)
{
    result.summary << QCoreApplication::translate("StoreCheck", "%1 observasjoner, %2 observatørkoblinger")
                          .arg(db.scalar(QStringLiteral("SELECT count(*) FROM Observasjoner")).toLongLong())
                          .arg(db.scalar(QStringLiteral("SELECT count(*) FROM ObservatørKobling")).toLongLong());
    countBreaches(
        db, result,
        QStringLiteral("SELECT count(*) FROM ObservatørKobling k WHERE NOT EXISTS "
                       "(SELECT 1 FROM Observasjoner o WHERE o.ObsID = k.RecordID)"),
        QCoreApplication::translate("StoreCheck", "%1 observatørkoblinger peker på en observasjon som ikke finnes"));
    countBreaches(db, result, QStringLiteral("SELECT count(*) FROM Observasjoner WHERE Art = ''"),
                  QCoreApplication::translate("StoreCheck", "%1 observasjoner er uten art"));
    countBreaches(db, result, QStringLiteral("SELECT count(*) FROM Observasjoner WHERE StartDato = ''"),
                  QCoreApplication::translate("StoreCheck", "%1 observasjoner er uten startdato"));
    checkSpeciesKeys(db, result);
    // The lists of used species and localities the windows start from must match the rows. An
    // older store has none yet: its upgrade makes them from the rows.
    if (schemaVersionOf(db) < UsedValueListsSchema) {
        result.summary << QCoreApplication::translate(
                              "StoreCheck", "Databaseoppsett %1: listene over brukte arter og lokaliteter lages når "
                                            "databasen oppgraderes")
                              .arg(schemaVersionOf(db));
        return;
    }
    countBreaches(db, result, listDifferenceSql(QStringLiteral("RegistrerteArter"), QStringLiteral("Art")),
                  QCoreApplication::translate("StoreCheck",
                                              "Lista over registrerte arter avviker fra observasjonene (%1 arter)"));
    countBreaches(db, result, listDifferenceSql(QStringLiteral("BrukteLokaliteter"), QStringLiteral("Lokalitet")),
                  QCoreApplication::translate(
                      "StoreCheck", "Lista over brukte lokaliteter avviker fra observasjonene (%1 lokaliteter)"));
    // The lists and arrival dates read the species seen in each year from their own table.
    if (schemaVersionOf(db) < SpeciesYearsSchema)
        return;
    countBreaches(
        db, result,
        differenceSql(speciesYearsOfRowsSql(), QStringLiteral("SELECT * FROM ArtsÅr"),
                      QStringLiteral("Art, År, Observasjoner, Individer, FørsteStart, FørsteObsID, SisteStart, "
                                     "SisteObsID"),
                      QStringLiteral("Art, År")),
        QCoreApplication::translate("StoreCheck", "Artene per år avviker fra observasjonene (%1 arter og år)"));
}

} // namespace

StoreCheckResult checkStore(Program &program)
{
    StoreCheckResult result;
    Database &main = program.mainConnection();
    checkIntegrity(main, result);
    if (program.observerFileExists())
        checkIntegrity(program.observerConnection(), result);
    checkObservations(main, result);
    return result;
}

} // namespace lirvenda
