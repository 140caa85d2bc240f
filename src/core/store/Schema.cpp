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
CREATE INDEX IF NOT EXISTS Observasjoner_Start ON Observasjoner(StartDato);
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

void upgrade(Database &db, const QString &script)
{
    if (db.scalar(QStringLiteral("PRAGMA user_version")).toInt() >= SchemaVersion)
        return;
    Transaction transaction(db);
    db.executeScript(script);
    db.executeScript(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    transaction.commit();
}

} // namespace

void upgradeMainSchema(Database &db) { upgrade(db, QString::fromUtf8(MainTables) + QString::fromUtf8(ObserversTable)); }

void upgradeObserverSchema(Database &db) { upgrade(db, QString::fromUtf8(ObserversTable)); }

} // namespace lirvenda
