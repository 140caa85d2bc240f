#include "calcengine/OfficeProcess.h"

#include "core/exchange/SpreadsheetEngine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <QUrl>

#include <cerrno>
#include <csignal>
#include <unistd.h>

namespace lirvenda {

namespace {

constexpr int ExitWaitMilliseconds = 10000;

// The pipe and the profile of an office carry the process number of the run that started it, so
// that a later run can tell what a run that was killed left behind.
const QString PipePrefix = QStringLiteral("lirvenda-");
const QString ProfilePrefix = QStringLiteral("lirvenda-office-");

QString uniquePipeName()
{
    return PipePrefix + QStringLiteral("%1-%2")
                            .arg(QCoreApplication::applicationPid())
                            .arg(QRandomGenerator::global()->generate64(), 0, 16);
}

QString profileTemplate()
{
    return QDir(QDir::tempPath())
        .filePath(ProfilePrefix + QString::number(QCoreApplication::applicationPid()) + QStringLiteral("-XXXXXX"));
}

QString pipePath(const QString &pipeName)
{
    return QStringLiteral("/tmp/OSL_PIPE_%1_%2").arg(::getuid()).arg(pipeName);
}

// The run named after the prefix ("<prefix><run>-…") when it has ended; 0 otherwise.
pid_t endedRun(QStringView name, const QString &prefix)
{
    if (!name.startsWith(prefix))
        return 0;
    const QStringView rest = name.mid(prefix.size());
    bool isNumber = false;
    const pid_t run = rest.left(rest.indexOf(u'-')).toInt(&isNumber);
    if (!isNumber || run <= 0)
        return 0;
    return ::kill(run, 0) != 0 && errno == ESRCH ? run : 0; // ESRCH: no such process
}

// Whether a process of the offices or of their groups still runs. A zombie waiting for its parent
// writes nothing more.
bool anyRunning(const QList<pid_t> &offices, const QList<pid_t> &groups)
{
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &process : processes) {
        QFile status(QStringLiteral("/proc/%1/stat").arg(process));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        // "pid (name) state ppid pgrp …"; the name may hold blanks and parentheses.
        const QByteArray line = status.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() < 3 || fields.at(0) == "Z")
            continue;
        if (offices.contains(process.toInt()) || groups.contains(fields.at(2).toInt()))
            return true;
    }
    return false;
}

// Killed processes go on for a moment: they end once the kernel has taken them down. Until then an
// office may still write into its profile or the program folder.
void awaitEnd(const QList<pid_t> &offices, const QList<pid_t> &groups)
{
    const QDeadlineTimer deadline(ExitWaitMilliseconds);
    while (anyRunning(offices, groups) && !deadline.hasExpired())
        QThread::msleep(10);
}

// The processes of an office whose run was killed: those that name the run's pipe, and their groups.
QList<pid_t> orphanedOffices()
{
    const QString accept = QStringLiteral("--accept=pipe,name=");
    QList<pid_t> found;
    const QStringList processes = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &process : processes) {
        bool isNumber = false;
        const pid_t pid = process.toInt(&isNumber);
        if (!isNumber || QFileInfo(QStringLiteral("/proc/") + process).ownerId() != ::getuid())
            continue;
        QFile commandLine(QStringLiteral("/proc/%1/cmdline").arg(process));
        if (!commandLine.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &argument : commandLine.readAll().split('\0')) {
            const QString text = QString::fromLocal8Bit(argument);
            if (text.startsWith(accept) && endedRun(QStringView(text).mid(accept.size()), PipePrefix))
                found << pid;
        }
    }
    return found;
}

// An office whose run was killed keeps running: ended here with its whole group (the start script
// leaves the office itself to a child), before this run writes anything.
void stopOrphanedOffices()
{
    const QList<pid_t> offices = orphanedOffices();
    QList<pid_t> groups;
    for (const pid_t office : offices) {
        const pid_t group = ::getpgid(office);
        if (group > 1 && !groups.contains(group)) {
            ::kill(-group, SIGKILL);
            groups << group;
        }
        ::kill(office, SIGKILL);
    }
    awaitEnd(offices, groups);
}

// Removes a killed run's profile. A process of that office being taken down may still finish a
// write into it, so a folder that is not yet gone is tried again for a while.
void removeProfile(const QString &path)
{
    const QDeadlineTimer deadline(ExitWaitMilliseconds);
    while (!QDir(path).removeRecursively() && QFileInfo::exists(path) && !deadline.hasExpired())
        QThread::msleep(50);
}

// The profiles and pipes of runs that were killed.
void removeLeftovers()
{
    const QDir temporary(QDir::tempPath());
    for (const QString &name : temporary.entryList({ProfilePrefix + QLatin1Char('*')}, QDir::Dirs))
        if (endedRun(name, ProfilePrefix))
            removeProfile(temporary.filePath(name));
    const QString pipes = QStringLiteral("OSL_PIPE_%1_").arg(::getuid());
    for (const QString &name :
         QDir(QStringLiteral("/tmp")).entryList({pipes + PipePrefix + QLatin1Char('*')}, QDir::System))
        if (endedRun(QStringView(name).mid(pipes.size()), PipePrefix))
            QFile::remove(QStringLiteral("/tmp/") + name);
}

} // namespace

OfficeProcess::OfficeProcess(const QString &soffice) : m_profile(profileTemplate()), m_pipeName(uniquePipeName())
{
    stopOrphanedOffices();
    removeLeftovers();
    if (!QFileInfo(soffice).isExecutable())
        throw SpreadsheetError(
            QCoreApplication::translate("OfficeProcess", "LibreOffice Calc er ikke installert (finner ikke %1).")
                .arg(soffice));
    if (!m_profile.isValid())
        throw SpreadsheetError(
            QCoreApplication::translate("OfficeProcess", "Kan ikke lage en midlertidig mappe for LibreOffice (%1).")
                .arg(m_profile.errorString()));
    m_process.setProgram(soffice);
    m_process.setArguments({
        QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(m_profile.path()).toString(QUrl::FullyEncoded),
        QStringLiteral("--headless"),
        QStringLiteral("--invisible"),
        QStringLiteral("--nologo"),
        QStringLiteral("--nodefault"),
        QStringLiteral("--norestore"),
        QStringLiteral("--nolockcheck"),
        QStringLiteral("--accept=%1;urp;StarOffice.ComponentContext").arg(connectionDescription()),
    });
    // What the office keeps for a while goes with the profile, also when it has to be killed.
    const QString temporary = m_profile.filePath(QStringLiteral("tmp"));
    QDir().mkpath(temporary);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TMPDIR"), temporary);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setChildProcessModifier([] { ::setsid(); });
    m_process.start();
    if (!m_process.waitForStarted())
        throw SpreadsheetError(QCoreApplication::translate("OfficeProcess", "Kan ikke starte LibreOffice (%1).")
                                   .arg(m_process.errorString()));
}

OfficeProcess::~OfficeProcess()
{
    if (running() && !m_process.waitForFinished(ExitWaitMilliseconds))
        kill();
    // An office that ends by itself removes its pipe; a killed one leaves it where pipes always are.
    QFile::remove(pipePath(m_pipeName));
}

QString OfficeProcess::connectionDescription() const { return QStringLiteral("pipe,name=%1").arg(m_pipeName); }

bool OfficeProcess::running() const { return m_process.state() != QProcess::NotRunning; }

bool OfficeProcess::endsWithin(int milliseconds) { return !running() || m_process.waitForFinished(milliseconds); }

QString OfficeProcess::output() { return QString::fromLocal8Bit(m_process.readAll()).trimmed(); }

void OfficeProcess::kill()
{
    if (!running())
        return;
    // The start script leaves the office itself to a child: end the whole group.
    ::kill(-static_cast<pid_t>(m_process.processId()), SIGKILL);
    m_process.waitForFinished(ExitWaitMilliseconds);
}

} // namespace lirvenda
