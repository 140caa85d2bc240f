// Repeats one writing operation on a program folder until it is killed, through the same core
// code the windows and the command line use, and prints "committed N" after the N-th operation
// has returned, so the test that kills it knows what must have reached the store. "ready" comes
// first, when the store is open (and for the export, the office started).
// Usage: kill_worker OPERATION FOLDER

#include "core/exchange/AtlasImport.h"
#include "core/exchange/CalcEngineModule.h"
#include "core/exchange/PortalExport.h"
#include "core/group/GroupSave.h"
#include "core/reference/ObserverRegister.h"
#include "core/registration/ObservationColumns.h"
#include "core/shared/DateTexts.h"
#include "core/shared/UniqueIds.h"
#include "core/store/Program.h"
#include "core/store/StoreKey.h"
#include "reliability/KillOperations.h"

#include <QCoreApplication>
#include <QDate>
#include <QRandomGenerator>
#include <QTextStream>

using namespace lirvenda;

namespace {

void saveRegistration(Program &program, qint64 n)
{
    Observation observation;
    observation.start = storedDateTime(QStringLiteral("01.05.2024"), QStringLiteral("08:00"));
    observation.stop = storedDateTime({}, {});
    observation.locality = QStringLiteral("Tjønna");
    observation.speciesKey = QStringLiteral("11870");
    observation.count = n;
    observation.uniqueId = newUniqueId(program);
    program.observations().append(savedObservationColumns(observation));
}

void saveNumberedObserver(Program &program, qint64 n)
{
    ObserverFields fields;
    fields.firstName = QStringLiteral("Kari");
    fields.lastName = QStringLiteral("Nordmann %1").arg(n);
    fields.initials = QString::number(QRandomGenerator::global()->generate64(), 36).toUpper(); // never used
    fields.country = QStringLiteral("Norway");
    const QString refused = saveObserver(program, NewObserver, fields);
    if (!refused.isEmpty())
        throw DatabaseError(refused);
}

// Thirty species at the named locality, by observer 1 with observer 2.
void saveGroup(Program &program)
{
    static const QStringList keys = program.mainConnection().columnTexts(
        QStringLiteral("SELECT PK_LatinskNavnID FROM Animalia ORDER BY 1 LIMIT %1").arg(test::GroupSpecies));
    GroupHeader header;
    header.startDate = header.stopDate = QStringLiteral("01.05.2024");
    header.startTime = header.stopTime = QStringLiteral("08:00");
    header.locality.id = test::GroupLocality;
    header.mainObserverId = QStringLiteral("1");
    header.otherObserverIds = {QStringLiteral("2")};
    QList<GroupSpeciesValues> species;
    for (const QString &key : keys) {
        GroupSpeciesValues values;
        values.speciesKey = key;
        values.count = QStringLiteral("2");
        species << values;
    }
    saveGroupRegistration(program, header, species);
}

// One round: a batch of new observations, then the export of everything unreported.
void exportBatch(Program &program, SpreadsheetEngine &engine, const QString &templatePath)
{
    Database &db = program.mainConnection();
    {
        Transaction transaction(db);
        for (int i = 0; i < test::ExportBatch; ++i)
            db.execute(QStringLiteral("INSERT INTO Observasjoner(Art, StartDato, Antall, Lokalitet) "
                                      "VALUES ('11870', '2024-05-01 08:00:00', ?, 'Tjønna')"),
                       {i + 1});
        transaction.commit();
    }
    exportUnreported(program, engine, templatePath, QDate::currentDate());
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        QTextStream(stderr) << "usage: kill_worker OPERATION FOLDER\n";
        return 2;
    }
    const QString operation = arguments.at(1);
    Program program(arguments.at(2));
    setPassphraseSources({nullptr, [](const QString &) { return std::optional<QString>(test::RekeyPassphrase); }});
    program.openMainConnection();
    program.openObserverConnection();
    std::unique_ptr<SpreadsheetEngine> engine;
    if (operation == QLatin1String("export"))
        engine = startCalcEngine();
    QTextStream out(stdout);
    out << "ready" << Qt::endl;
    for (qint64 n = 1;; ++n) {
        if (operation == QLatin1String("save"))
            saveRegistration(program, n);
        else if (operation == QLatin1String("observer"))
            saveNumberedObserver(program, n);
        else if (operation == QLatin1String("defaults"))
            setDefaultObservers(program, test::defaultsOfRound(n));
        else if (operation == QLatin1String("group"))
            saveGroup(program);
        else if (operation == QLatin1String("atlas"))
            importAtlas(program);
        else if (operation == QLatin1String("export"))
            exportBatch(program, *engine, portalTemplatePath(program.folder()));
        else if (operation == QLatin1String("rekey")) // sets the passphrase, or removes it again
            changeStoreKey(program, hasOwnPassphrase(program.mainConnection().key()) ? Program::DatabaseKey
                                                                                     : test::RekeyPassphrase);
        else
            return 2;
        out << "committed " << n << Qt::endl;
    }
}
