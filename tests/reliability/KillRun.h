#pragma once

// How a kill test runs the kill worker: started on an operation, killed at a random moment after
// it said "ready", and asked how many rounds it had committed by then.

#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <optional>

namespace lirvenda::test {

// KILL_SEED when it is set, so a run can be replayed; else a random seed.
inline quint32 killSeed()
{
    const QByteArray chosen = qgetenv("KILL_SEED");
    return chosen.isEmpty() ? QRandomGenerator::global()->generate() : chosen.toUInt();
}

// Runs the worker on the operation and the folder and kills it at most longestRun milliseconds
// after its "ready". Answers the rounds it reported committed, or nullopt, with the worker's
// errors in problem, when it did not get ready or ended by itself.
inline std::optional<qint64> runAndKill(const QString &worker, const QString &operation, const QString &folder,
                                        QRandomGenerator &random, int longestRun, QString &problem)
{
    QProcess process;
    process.start(worker, {operation, folder});
    if (!process.waitForStarted() || !process.waitForReadyRead(60000) || process.readLine() != "ready\n" ||
        process.waitForFinished(random.bounded(longestRun) + 1)) {
        problem = QString::fromLocal8Bit(process.readAllStandardError());
        return std::nullopt;
    }
    process.kill();
    process.waitForFinished();
    static const QRegularExpression committed(QStringLiteral("committed (\\d+)\\n$"));
    const QRegularExpressionMatch match = committed.match(QString::fromLatin1(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

} // namespace lirvenda::test
