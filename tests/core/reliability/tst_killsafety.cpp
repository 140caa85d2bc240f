// Writing operations killed with SIGKILL at random moments: after every kill the store passes the
// engine's integrity check and opens with its key, every operation is all or nothing, and nothing
// that was committed before the kill is missing. The seed is printed; KILL_SEED replays a run.

#include "core/exchange/PortalExport.h"
#include "core/reference/ObserverRegister.h"
#include "core/store/Program.h"
#include "reliability/KillOperations.h"
#include "reliability/KillRun.h"
#include "support/PortalSheets.h"
#include "support/TestProgram.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

constexpr int Kills = 50;
qint64 filesFor(qint64 observations) { return (observations + PortalRowsPerFile - 1) / PortalRowsPerFile; }

// The state an operation's rounds change, read through a fresh connection with the key.
struct StoreState {
    qint64 observations = 0;
    qint64 links = 0;
    qint64 observers = 0;
    qint64 reported = 0;
    QList<qint64> defaults;
    qint64 exportFiles = 0; // export files in the folder that are not listed as unfinished
    QStringList unfinished; // listed as unfinished
};

// Observations the import must replace, and the atlas records it puts in their place.
void fillAtlas(TestProgram &t)
{
    Transaction transaction(t.db());
    for (int i = 0; i < StartObservations; ++i)
        t.insertObservation({{"Art", "11870"}, {"StartDato", "2024-05-01 08:00:00"}});
    for (int i = 0; i < AtlasRecords; ++i)
        t.db().execute("INSERT INTO Atlas(Aar, Art, Antall, Referanse, Rute) VALUES (2001, '1', 1, 'ABCDE', 'R1')");
    transaction.commit();
}

StoreState readState(const QString &folder)
{
    auto db = Database::open(QDir(folder).filePath(Program::MainFileName), Program::DatabaseKey);
    if (db->columnTexts("PRAGMA integrity_check") != QStringList{"ok"})
        throw DatabaseError("the integrity check failed");
    StoreState state;
    state.observations = db->scalar("SELECT count(*) FROM Observasjoner").toLongLong();
    state.links = db->scalar("SELECT count(*) FROM ObservatørKobling").toLongLong();
    state.observers = db->scalar("SELECT count(*) FROM Observers").toLongLong();
    state.reported = db->scalar("SELECT count(*) FROM Observasjoner WHERE Rapportert = 1").toLongLong();
    for (const QString &id : db->columnTexts("SELECT ObserverID FROM Observers WHERE ObserverDefault = 1 ORDER BY 1"))
        state.defaults << id.toLongLong();
    state.unfinished = db->columnTexts("SELECT Fil FROM UferdigeEksportfiler");
    for (const QString &file : QDir(folder).entryList({"20*_*.xls"}, QDir::Files))
        state.exportFiles += !state.unfinished.contains(file);
    return state;
}

QString idTexts(const QList<qint64> &ids)
{
    QStringList texts;
    for (qint64 id : ids)
        texts << QString::number(id);
    return texts.join(',');
}

// Empty when the state after a kill is one the operation may leave, else what is wrong.
QString judge(const QString &operation, const StoreState &before, const StoreState &after, qint64 committed)
{
    const auto between = [committed](qint64 base, qint64 now, qint64 perRound) {
        return now >= base + committed * perRound && now <= base + (committed + 1) * perRound;
    };
    if (operation == "save" && !between(before.observations, after.observations, 1))
        return QString("%1 observations after %2 + %3 saves")
            .arg(after.observations)
            .arg(before.observations)
            .arg(committed);
    if (operation == "observer" && !between(before.observers, after.observers, 1))
        return QString("%1 observers after %2 + %3 saves").arg(after.observers).arg(before.observers).arg(committed);
    if (operation == "defaults") {
        // Each worker starts again at round 1: before its first commit the old set may remain.
        const QList<qint64> committedSet = committed ? defaultsOfRound(committed) : before.defaults;
        if (after.defaults != committedSet && after.defaults != defaultsOfRound(committed + 1))
            return QString("default observers %1 after round %2").arg(idTexts(after.defaults)).arg(committed);
    }
    if (operation == "group") {
        if (after.links != 2 * after.observations) // the main observer's and the other's
            return QString("%1 observations with %2 links").arg(after.observations).arg(after.links);
        if (!between(before.observations, after.observations, GroupSpecies))
            return QString("%1 observations after %2 + %3 group saves")
                .arg(after.observations)
                .arg(before.observations)
                .arg(committed);
    }
    if (operation == "atlas") {
        const bool imported = after.observations == AtlasRecords && after.links == AtlasRecords;
        const bool unchanged = after.observations == before.observations && after.links == before.links;
        if (!imported && !(unchanged && committed == 0))
            return QString("%1 observations and %2 links after %3 imports")
                .arg(after.observations)
                .arg(after.links)
                .arg(committed);
    }
    if (operation == "export") {
        if (after.observations % ExportBatch || after.reported % ExportBatch)
            return QString("%1 observations, %2 reported: a batch or an export was cut")
                .arg(after.observations)
                .arg(after.reported);
        if (after.reported < before.reported + committed * ExportBatch)
            return QString("%1 reported after %2 exports").arg(after.reported).arg(committed);
        // Every file not listed as unfinished holds marked rows: the first export of a worker
        // takes what killed workers left unreported as well, each later one a batch. A cut run's
        // files are listed, and the next run removes them before listing its own.
        const qint64 marked = after.reported - before.reported;
        const qint64 leftBefore = before.observations - before.reported;
        const qint64 newFiles = marked == 0
                                    ? 0
                                    : filesFor(leftBefore + ExportBatch) +
                                          (marked - leftBefore - ExportBatch) / ExportBatch * filesFor(ExportBatch);
        if (after.exportFiles - before.exportFiles != newFiles ||
            after.unfinished.size() > filesFor(after.observations - after.reported))
            return QString("%1 export files (%2 before), unfinished %3, for %4 reported")
                .arg(after.exportFiles)
                .arg(before.exportFiles)
                .arg(after.unfinished.join(','))
                .arg(after.reported);
    }
    return {};
}

} // namespace

class KillSafetyTest : public QObject {
    Q_OBJECT
private slots:
    void operationsAreAllOrNothing_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("longestRun"); // milliseconds from "ready" to the kill, at most
        QTest::newRow("single save") << "save" << 400;
        QTest::newRow("observer save") << "observer" << 400;
        QTest::newRow("defaults rewrite") << "defaults" << 400;
        QTest::newRow("group save of 30 species") << "group" << 400;
        QTest::newRow("atlas import of 500 records") << "atlas" << 1500;
        QTest::newRow("portal export") << "export" << 3000;
    }

    void operationsAreAllOrNothing()
    {
        QFETCH(QString, operation);
        QFETCH(int, longestRun);
        TestProgram t;
        if (operation == "defaults")
            for (int i = 1; i <= DefaultsObservers; ++i)
                t.addObserver("Kari", QString("Nordmann %1").arg(i), QString("KN%1").arg(i));
        if (operation == "group" || operation == "atlas") {
            t.addObserver("Per", "Hansen", "PHA");
            t.addObserver("Kari", "Nordmann", "KNO");
        }
        if (operation == "group")
            t.db().execute("INSERT INTO Lokalitet(ID, Lokalitet) VALUES (?, 'Tjønna')", {GroupLocality});
        if (operation == "atlas")
            fillAtlas(t);
        if (operation == "export")
            makeTemplate(t.path("lirv_Excelimport.xls"));
        const quint32 chosenSeed = killSeed();
        QRandomGenerator random(chosenSeed);
        qint64 rounds = 0;
        QStringList failures;
        for (int kill = 1; kill <= Kills; ++kill) {
            const StoreState before = readState(t.folder());
            QString problem;
            const std::optional<qint64> committed =
                runAndKill(KILL_WORKER, operation, t.folder(), random, longestRun, problem);
            QVERIFY2(committed, qPrintable(problem));
            rounds += *committed;
            try {
                const QString wrong = judge(operation, before, readState(t.folder()), *committed);
                if (!wrong.isEmpty())
                    failures << QString("kill %1: %2").arg(kill).arg(wrong);
            } catch (const DatabaseError &error) {
                failures << QString("kill %1: %2").arg(kill).arg(error.message());
            }
        }
        qInfo("%s: seed %u, %d kills, %lld operations completed, %lld failures", qPrintable(operation), chosenSeed,
              Kills, rounds, qsizetype(failures.size()));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }
};

QTEST_GUILESS_MAIN(KillSafetyTest)
#include "tst_killsafety.moc"
