#include "core/store/Schema.h"

#include "core/store/Database.h"

namespace lirvenda {

namespace {

// Date-times are text 'YYYY-MM-DD HH:MM:SS'; yes/no columns are 0/1.
const char *const ObserversTable = R"sql(
CREATE TABLE IF NOT EXISTS Observers (
  ObserverID INTEGER PRIMARY KEY AUTOINCREMENT,
  ObserverUniqueID TEXT,
  ObserverFirstName TEXT,
  ObserverMiddleName TEXT,
  ObserverLastName TEXT,
  ObserverInitials TEXT,
  ObserverAddress TEXT,
  ObserverPostalCode TEXT,
  ObserverCountry TEXT,
  ObserverTelephone TEXT,
  ObserverBirthYear TEXT,
  ObserverRingingLicense TEXT,
  ObserverLastupdate TEXT,
  ObserverDefault INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS Observers_UniqueID ON Observers(ObserverUniqueID);
)sql";

const char *const MainTables = R"sql(
CREATE TABLE IF NOT EXISTS Observasjoner (
  ObsID INTEGER PRIMARY KEY AUTOINCREMENT,
  ObsUniqueID TEXT,
  ObsLastUpdated TEXT,
  SistEndret TEXT,
  StartDato TEXT NOT NULL ON CONFLICT REPLACE DEFAULT '',
  StoppDato TEXT,
  Art TEXT NOT NULL ON CONFLICT REPLACE DEFAULT '',
  Operator TEXT,
  Antall INTEGER,
  Kjønn TEXT,
  Alder TEXT,
  AtlasKode TEXT,
  Lokalitet TEXT,
  Fylke_Kommune TEXT,
  Naturtype TEXT,
  Breddegrad TEXT,
  Lengdegrad TEXT,
  Kommentar TEXT,
  Ring TEXT,
  Rapportert INTEGER NOT NULL DEFAULT 0,
  Reirplassering TEXT,
  Tresort TEXT,
  HOM TEXT,
  Eksponering TEXT,
  AntallEgg TEXT,
  AntallUnger TEXT,
  AntallVoksne TEXT,
  UngeAlder TEXT,
  Dokumentasjon TEXT,
  Observatører TEXT,
  Referanse TEXT
);
-- The browsing order of the main window: species key, start, then row number. A missing species
-- or start is stored as the empty text, so that every row has its place in this order.
CREATE INDEX IF NOT EXISTS Observasjoner_Order ON Observasjoner(Art, StartDato, ObsID);
-- A year's statistics read every column they need from this index, in StartDato order, without
-- a look into the table for each row (ObsID is in every index).
DROP INDEX IF EXISTS Observasjoner_Start;
CREATE INDEX IF NOT EXISTS Observasjoner_Year ON Observasjoner(StartDato, Art, Antall, Observatører);
CREATE INDEX IF NOT EXISTS Observasjoner_Lokalitet ON Observasjoner(Lokalitet);
CREATE INDEX IF NOT EXISTS Observasjoner_Unreported ON Observasjoner(ObsID) WHERE Rapportert = 0;

CREATE TABLE IF NOT EXISTS ObservatørKobling (
  RecordID INTEGER,
  ObservasjonsId INTEGER,
  HovedObservatør INTEGER NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS ObservatørKobling_Record ON ObservatørKobling(RecordID);

CREATE TABLE IF NOT EXISTS Animalia (
  PK_LatinskNavnID TEXT PRIMARY KEY,
  PopulærNavnBokmål TEXT,
  Slekt TEXT,
  Art TEXT,
  Klasse TEXT
);
CREATE INDEX IF NOT EXISTS Animalia_Klasse ON Animalia(Klasse);

CREATE TABLE IF NOT EXISTS Species (
  EUNr TEXT PRIMARY KEY,
  EUONr TEXT,
  SpcNor TEXT
);

CREATE TABLE IF NOT EXISTS Aktivitet (
  AktivitetID INTEGER PRIMARY KEY,
  Aktivitet TEXT
);

CREATE TABLE IF NOT EXISTS Reirplassering (
  ID INTEGER PRIMARY KEY,
  ReirplasseringTekst TEXT
);

CREATE TABLE IF NOT EXISTS Tresorter (
  ID INTEGER PRIMARY KEY,
  TresortTekst TEXT
);

CREATE TABLE IF NOT EXISTS Ungealder (
  ID INTEGER PRIMARY KEY,
  UngealderTekst TEXT
);

CREATE TABLE IF NOT EXISTS Naturtyper (
  ID INTEGER PRIMARY KEY
);

CREATE TABLE IF NOT EXISTS Original (
  ParentID1 INTEGER,
  HovedtypeGruppenavn TEXT,
  ParentId2 INTEGER,
  OffspringID1 INTEGER,
  Hovedtypenavn TEXT,
  Field11 INTEGER,
  OffspringID2 INTEGER,
  Grunntypenavn TEXT,
  GrunnTypeKode TEXT
);
CREATE INDEX IF NOT EXISTS Original_Group ON Original(ParentID1);
CREATE INDEX IF NOT EXISTS Original_MainType ON Original(OffspringID1);
CREATE INDEX IF NOT EXISTS Original_BaseType ON Original(Field11, GrunnTypeKode);

CREATE TABLE IF NOT EXISTS Adminplasser (
  CodePlace TEXT PRIMARY KEY,
  Place TEXT,
  ExtendedPlace TEXT,
  CodeStatusPlace TEXT
);

CREATE TABLE IF NOT EXISTS Lokalitet (
  ID INTEGER PRIMARY KEY AUTOINCREMENT,
  Lokalitet TEXT,
  "Default" INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE IF NOT EXISTS Referanser (
  Referanse_ID INTEGER PRIMARY KEY AUTOINCREMENT,
  Forfattere TEXT,
  År TEXT,
  Tittel TEXT,
  Journal TEXT,
  Sider TEXT,
  Utgiver TEXT
);

-- The portal export lists each file here before writing it and empties the list in the
-- transaction that marks the observations reported; what is left belongs to a cut run.
CREATE TABLE IF NOT EXISTS UferdigeEksportfiler (
  Fil TEXT PRIMARY KEY
) WITHOUT ROWID;

-- The source of each imported observation: the file's kind, its checklist and its taxon as the
-- file names it. A file imported again finds its rows here and adds nothing.
CREATE TABLE IF NOT EXISTS ImporterteObservasjoner (
  Kilde TEXT NOT NULL,
  Innsending TEXT NOT NULL,
  Takson TEXT NOT NULL,
  ObsID INTEGER,
  PRIMARY KEY (Kilde, Innsending, Takson)
) WITHOUT ROWID;

CREATE TABLE IF NOT EXISTS Atlas (
  Aar INTEGER,
  Art TEXT,
  Antall INTEGER,
  Kjønn TEXT,
  Alder TEXT,
  AtlasKode TEXT,
  Referanse TEXT,
  Rute TEXT
);
)sql";

// The species and the localities that occur in Observasjoner, each once. The main window lists
// them at start-up and after every save; kept here by triggers, they cost as much on a lifetime of
// records as on a few. A value leaves its list with the last row that has it; whether one is left
// is one seek in Observasjoner_Order (species) or Observasjoner_Lokalitet.
QString usedValuesScript()
{
    const QString lists =
        QStringLiteral("CREATE TABLE IF NOT EXISTS RegistrerteArter (Art TEXT PRIMARY KEY) WITHOUT ROWID;\n"
                       "CREATE TABLE IF NOT EXISTS BrukteLokaliteter (Lokalitet TEXT PRIMARY KEY) WITHOUT ROWID;\n");
    const QString addNew = QStringLiteral("INSERT OR IGNORE INTO RegistrerteArter(Art) VALUES (new.Art);\n"
                                          "INSERT OR IGNORE INTO BrukteLokaliteter(Lokalitet) SELECT new.Lokalitet "
                                          "WHERE new.Lokalitet IS NOT NULL;\n");
    const QString dropOld =
        QStringLiteral("DELETE FROM RegistrerteArter WHERE Art = old.Art "
                       "AND NOT EXISTS (SELECT 1 FROM Observasjoner WHERE Art = old.Art);\n"
                       "DELETE FROM BrukteLokaliteter WHERE Lokalitet = old.Lokalitet "
                       "AND NOT EXISTS (SELECT 1 FROM Observasjoner WHERE Lokalitet = old.Lokalitet);\n");
    const QString trigger = QStringLiteral("CREATE TRIGGER IF NOT EXISTS Observasjoner_%1 AFTER %2 ON Observasjoner "
                                           "BEGIN\n%3END;\n");
    return lists + trigger.arg(QStringLiteral("Insert"), QStringLiteral("INSERT"), addNew) +
           trigger.arg(QStringLiteral("Update"), QStringLiteral("UPDATE OF Art, Lokalitet"), addNew + dropOld) +
           trigger.arg(QStringLiteral("Delete"), QStringLiteral("DELETE"), dropOld);
}

// The species seen in each year: per species key and year (the first four characters of
// StartDato), the rows that count as seen (a count above 0, or no count), the sum of their counts,
// and the first and last of them by start and ObsID. The lists and the arrival dates read a
// lifetime from it in a few thousand rows. A row that stops counting is taken out of its year;
// when it was the year's first or last, that one is sought again in Observasjoner_Order.
QString speciesYearsScript()
{
    const QString table = QStringLiteral(
        "CREATE TABLE IF NOT EXISTS ArtsÅr (Art TEXT NOT NULL, År TEXT NOT NULL, Observasjoner INTEGER NOT NULL, "
        "Individer INTEGER NOT NULL, FørsteStart TEXT, FørsteObsID INTEGER, SisteStart TEXT, SisteObsID INTEGER, "
        "PRIMARY KEY (Art, År)) WITHOUT ROWID;\n"
        "CREATE INDEX IF NOT EXISTS ArtsÅr_År ON ArtsÅr(År);\n");
    const QString seen = QStringLiteral("(%1.Antall IS NULL OR %1.Antall > 0)");
    const QString year = QStringLiteral("substr(%1.StartDato, 1, 4)");
    const QString group = QStringLiteral("Art = %1.Art AND År = ") + year;
    const QString count = QStringLiteral("ifnull(CAST(%1.Antall AS INTEGER), 0)");
    const QString before = QStringLiteral("(%2 IS NULL OR %1.StartDato < %2 OR (%1.StartDato = %2 AND %1.ObsID < %3))");
    const QString after = QStringLiteral("(%2 IS NULL OR %1.StartDato > %2 OR (%1.StartDato = %2 AND %1.ObsID > %3))");
    const QString addNew =
        QStringLiteral("INSERT OR IGNORE INTO ArtsÅr(Art, År, Observasjoner, Individer) SELECT new.Art, %1, 0, 0 "
                       "WHERE %2;\n")
            .arg(year.arg(QStringLiteral("new")), seen.arg(QStringLiteral("new"))) +
        QStringLiteral("UPDATE ArtsÅr SET Observasjoner = Observasjoner + 1, Individer = Individer + %1, "
                       "FørsteStart = CASE WHEN %2 THEN new.StartDato ELSE FørsteStart END, "
                       "FørsteObsID = CASE WHEN %2 THEN new.ObsID ELSE FørsteObsID END, "
                       "SisteStart = CASE WHEN %3 THEN new.StartDato ELSE SisteStart END, "
                       "SisteObsID = CASE WHEN %3 THEN new.ObsID ELSE SisteObsID END WHERE %4 AND %5;\n")
            .arg(count.arg(QStringLiteral("new")),
                 before.arg(QStringLiteral("new"), QStringLiteral("FørsteStart"), QStringLiteral("FørsteObsID")),
                 after.arg(QStringLiteral("new"), QStringLiteral("SisteStart"), QStringLiteral("SisteObsID")),
                 group.arg(QStringLiteral("new")), seen.arg(QStringLiteral("new")));
    // The year's rows of the species in the order of Observasjoner_Order, the first or the last.
    const QString sought = QStringLiteral("(SELECT %1 FROM Observasjoner o WHERE o.Art = old.Art AND o.StartDato >= "
                                          "%2 AND o.StartDato < %2 || '~' AND %3 = %2 AND %4 ORDER BY o.StartDato %5, "
                                          "o.ObsID %5 LIMIT 1)");
    const auto seek = [&](const QString &column, const QString &direction) {
        return sought.arg(column, year.arg(QStringLiteral("old")), year.arg(QStringLiteral("o")),
                          seen.arg(QStringLiteral("o")), direction);
    };
    const QString oldGroup = group.arg(QStringLiteral("old"));
    const QString dropOld =
        QStringLiteral("UPDATE ArtsÅr SET Observasjoner = Observasjoner - 1, Individer = Individer - %1 "
                       "WHERE %2 AND %3;\n")
            .arg(count.arg(QStringLiteral("old")), oldGroup, seen.arg(QStringLiteral("old"))) +
        QStringLiteral("DELETE FROM ArtsÅr WHERE %1 AND Observasjoner <= 0;\n").arg(oldGroup) +
        QStringLiteral("UPDATE ArtsÅr SET FørsteStart = %1, FørsteObsID = %2 WHERE %3 AND FørsteObsID = old.ObsID;\n")
            .arg(seek(QStringLiteral("o.StartDato"), QStringLiteral("ASC")),
                 seek(QStringLiteral("o.ObsID"), QStringLiteral("ASC")), oldGroup) +
        QStringLiteral("UPDATE ArtsÅr SET SisteStart = %1, SisteObsID = %2 WHERE %3 AND SisteObsID = old.ObsID;\n")
            .arg(seek(QStringLiteral("o.StartDato"), QStringLiteral("DESC")),
                 seek(QStringLiteral("o.ObsID"), QStringLiteral("DESC")), oldGroup);
    const QString trigger = QStringLiteral("CREATE TRIGGER IF NOT EXISTS ArtsÅr_%1 AFTER %2 ON Observasjoner "
                                           "BEGIN\n%3END;\n");
    // The county and municipality lists read their rows from this index alone.
    const QString placeIndex = QStringLiteral(
        "CREATE INDEX IF NOT EXISTS Observasjoner_Sted ON Observasjoner(Fylke_Kommune, Art, StartDato, Antall);\n");
    return table + placeIndex + trigger.arg(QStringLiteral("Insert"), QStringLiteral("INSERT"), addNew) +
           trigger.arg(QStringLiteral("Update"), QStringLiteral("UPDATE OF Art, StartDato, Antall"), dropOld + addNew) +
           trigger.arg(QStringLiteral("Delete"), QStringLiteral("DELETE"), dropOld);
}

// Fills the species years from the rows stored before they were kept; a file that keeps them
// already keeps them as they are.
QString speciesYearsFillScript()
{
    return QStringLiteral("INSERT OR IGNORE INTO ArtsÅr %1;\n").arg(speciesYearsOfRowsSql());
}

// Fills a list with the values of the rows stored before the list was kept: a loose index scan,
// one seek per value, as the index on the column sorts them.
QString fillScript(const QString &list, const QString &column)
{
    return QStringLiteral("WITH RECURSIVE d(v) AS (SELECT min(%2) FROM Observasjoner UNION ALL "
                          "SELECT (SELECT min(%2) FROM Observasjoner WHERE %2 > d.v) FROM d WHERE d.v IS NOT NULL) "
                          "INSERT OR IGNORE INTO %1(%2) SELECT v FROM d WHERE v IS NOT NULL;\n")
        .arg(list, column);
}

void upgrade(Database &db, const QString &script)
{
    if (schemaVersionOf(db) >= SchemaVersion)
        return;
    Transaction transaction(db);
    db.executeScript(script);
    db.executeScript(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    transaction.commit();
}

} // namespace

// The grouping reads the index of the place lists, which holds every column it needs: a tenth of
// the time of the table's rows.
QString speciesYearsOfRowsSql()
{
    const QString seen = QStringLiteral("(Antall IS NULL OR Antall > 0)");
    const QString ofGroup =
        QStringLiteral("SELECT %1(ObsID) FROM Observasjoner o WHERE o.Art = y.Art AND o.StartDato = "
                       "y.%2 AND %3");
    return QStringLiteral("SELECT Art, År, Observasjoner, Individer, FørsteStart, (%2) AS FørsteObsID, SisteStart, "
                          "(%3) AS SisteObsID FROM (SELECT Art, substr(StartDato, 1, 4) AS År, count(*) AS "
                          "Observasjoner, sum(ifnull(CAST(Antall AS INTEGER), 0)) AS Individer, min(StartDato) AS "
                          "FørsteStart, max(StartDato) AS SisteStart FROM Observasjoner INDEXED BY Observasjoner_Sted "
                          "WHERE StartDato IS NOT NULL AND %1 GROUP BY 1, 2) y")
        .arg(seen, ofGroup.arg(QStringLiteral("min"), QStringLiteral("FørsteStart"), seen),
             ofGroup.arg(QStringLiteral("max"), QStringLiteral("SisteStart"), seen));
}

int schemaVersionOf(Database &db) { return db.scalar(QStringLiteral("PRAGMA user_version")).toInt(); }

void upgradeMainSchema(Database &db)
{
    upgrade(db, QString::fromUtf8(MainTables) + QString::fromUtf8(ObserversTable) + usedValuesScript() +
                    fillScript(QStringLiteral("RegistrerteArter"), QStringLiteral("Art")) +
                    fillScript(QStringLiteral("BrukteLokaliteter"), QStringLiteral("Lokalitet")) +
                    speciesYearsScript() + speciesYearsFillScript());
}

void upgradeObserverSchema(Database &db) { upgrade(db, QString::fromUtf8(ObserversTable)); }

} // namespace lirvenda
