// Changes of the passphrase killed with SIGKILL at random moments: after every kill, the program's
// next opening finds both stores holding the same one of the two keys, whole and with every row;
// no copy of the change is left behind. The seed is printed; KILL_SEED replays a run.

#include "core/store/Program.h"
#include "core/store/StoreKey.h"
#include "reliability/KillOperations.h"
#include "reliability/KillRun.h"
#include "support/TestProgram.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace lirvenda;
using namespace lirvenda::test;

namespace {

constexpr int Kills = 30;
constexpr int LongestRun = 1200; // milliseconds from "ready" to the kill, at most: a few changes
constexpr int Observations = 4000;
constexpr int Observers = 40;

// Empty when the folder, opened as the program opens it, holds both stores whole under one of the
// two keys; else what is wrong.
QString judge(const QString &folder)
{
    Program program(folder);
    program.openMainConnection();
    program.openObserverConnection();
    const QString key = program.mainConnection().key();
    if (key != Program::DatabaseKey && key != RekeyPassphrase)
        return "the main store opened with a third key";
    for (const QString &store : {Program::MainFileName, Program::ObserverFileName}) {
        if (QFileInfo::exists(keyChangeCopyOf(program.filePath(store))))
            return store + ": the copy of the change was left";
        const auto db = Database::open(program.filePath(store), key);
        if (db->columnTexts("PRAGMA integrity_check") != QStringList{"ok"})
            return store + ": the integrity check failed";
    }
    const qint64 observations = program.mainConnection().scalar("SELECT count(*) FROM Observasjoner").toLongLong();
    const qint64 observers = program.observerConnection().scalar("SELECT count(*) FROM Observers").toLongLong();
    if (observations != Observations || observers != Observers)
        return QString("%1 observations and %2 observers").arg(observations).arg(observers);
    return {};
}

} // namespace

class RekeyKillTest : public QObject {
    Q_OBJECT
private slots:
    void changeOfKeyLeavesOneKeyOrTheOther()
    {
        TestProgram t;
        t.createObserverFile();
        for (int i = 0; i < Observers; ++i)
            t.addObserver("Kari", QString("Nordmann %1").arg(i), QString("KN%1").arg(i));
        {
            Transaction transaction(t.db());
            for (int i = 0; i < Observations; ++i)
                t.insertObservation({{"Art", "11870"}, {"StartDato", "2024-05-01 08:00:00"}, {"Antall", i}});
            transaction.commit();
        }
        setPassphraseSources({nullptr, [](const QString &) { return std::optional<QString>(RekeyPassphrase); }});
        const quint32 chosenSeed = killSeed();
        QRandomGenerator random(chosenSeed);
        qint64 rounds = 0;
        QStringList failures;
        for (int kill = 1; kill <= Kills; ++kill) {
            QString problem;
            const std::optional<qint64> committed =
                runAndKill(KILL_WORKER, "rekey", t.folder(), random, LongestRun, problem);
            QVERIFY2(committed, qPrintable(problem));
            rounds += *committed;
            try {
                if (const QString wrong = judge(t.folder()); !wrong.isEmpty())
                    failures << QString("kill %1: %2").arg(kill).arg(wrong);
            } catch (const DatabaseError &error) {
                failures << QString("kill %1: %2").arg(kill).arg(error.message());
            }
        }
        qInfo("seed %u, %d kills, %lld changes completed", chosenSeed, Kills, rounds);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
        QVERIFY(rounds > 0);
    }
};

QTEST_GUILESS_MAIN(RekeyKillTest)
#include "tst_rekeykill.moc"
