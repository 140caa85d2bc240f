#include "core/store/ReferenceData.h"

#include "core/store/Database.h"

#include <QFile>

#include <QCoreApplication>
#include <functional>

static void initReferenceResources() { Q_INIT_RESOURCE(reference); }

namespace lirvenda {

namespace {

using Fields = QStringList;

// The rows of a shipped tab-separated file, without its header line.
QList<Fields> readTable(const QString &name)
{
    QFile file(QStringLiteral(":/reference/%1.tsv").arg(name));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw DatabaseError(
            QCoreApplication::translate("ReferenceData", "Referansedata mangler i programmet: %1").arg(name));
    QList<Fields> rows;
    file.readLine();
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            rows << line.split('\t');
    }
    return rows;
}

struct TableLoad {
    const char *file;
    const char *insert;
    std::function<QVariantList(const Fields &)> values;
};

QVariantList asIs(const Fields &fields) { return {fields.begin(), fields.end()}; }

QVariantList numberedText(const Fields &fields) { return {fields.at(0).toInt(), fields.at(1)}; }

const TableLoad Tables[] = {
    {"adminplasser", "INSERT INTO Adminplasser(CodePlace, Place, ExtendedPlace, CodeStatusPlace) VALUES (?, ?, ?, ?)",
     asIs},
    {"taxa",
     "INSERT INTO Animalia(PK_LatinskNavnID, PopulærNavnBokmål, Slekt, Art, Klasse) "
     "VALUES (?, ?, ?, ?, ?)",
     [](const Fields &f) {
         return QVariantList{f[0], f[1], f[2], f[3], f[4]};
     }},
    {"species", "INSERT INTO Species(EUNr, EUONr, SpcNor) VALUES (?, ?, ?)", asIs},
    {"aktivitet", "INSERT INTO Aktivitet(AktivitetID, Aktivitet) VALUES (?, ?)", numberedText},
    {"reirplassering", "INSERT INTO Reirplassering(ID, ReirplasseringTekst) VALUES (?, ?)", numberedText},
    {"tresorter", "INSERT INTO Tresorter(ID, TresortTekst) VALUES (?, ?)", numberedText},
    {"ungealder", "INSERT INTO Ungealder(ID, UngealderTekst) VALUES (?, ?)", numberedText},
};

// One row per base type (one for a main type that has none): the group, the main type it
// belongs to and the base type, as the nature-type picker reads them.
void loadNatureTypes(Database &db)
{
    int baseTypeId = 0;
    for (const Fields &f : readTable(QStringLiteral("naturtyper"))) {
        ++baseTypeId;
        const int group = f.at(0).toInt();
        const int mainType = f.at(2).toInt();
        db.execute(QStringLiteral("INSERT INTO Original(ParentID1, HovedtypeGruppenavn, ParentId2, OffspringID1, "
                                  "Hovedtypenavn, Field11, OffspringID2, Grunntypenavn, GrunnTypeKode) "
                                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                   {group, f.at(1), group, mainType, f.at(3), mainType, baseTypeId, f.at(5), f.at(4)});
        db.execute(QStringLiteral("INSERT INTO Naturtyper(ID) VALUES (?)"), {baseTypeId});
    }
}

} // namespace

void loadReferenceData(Database &db)
{
    initReferenceResources();
    Transaction transaction(db);
    for (const TableLoad &table : Tables) {
        const QString insert = QString::fromUtf8(table.insert);
        for (const Fields &fields : readTable(QString::fromLatin1(table.file)))
            db.execute(insert, table.values(fields));
    }
    loadNatureTypes(db);
    transaction.commit();
}

} // namespace lirvenda
