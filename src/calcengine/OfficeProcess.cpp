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

// A killed group goes on for a moment: its processes end once the kernel has taken them down and
// their parent has reaped them. Until then an office may still write into the program folder.
void awaitGroupEnd(pid_t group)
{
    const QDeadlineTimer deadline(ExitWaitMilliseconds);
    while (::kill(-group, 0) == 0 && !deadline.hasExpired())
        QThread::msleep(10);
}

// An office whose run was killed keeps running: ended here with its whole group, before this run
// writes anything.
void stopOrphanedOffices()
{
    const QString accept = QStringLiteral("--accept=pipe,name=");
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
            if (text.startsWith(accept) && endedRun(QStringView(text).mid(accept.size()), PipePrefix)) {
                const pid_t group = ::getpgid(pid);
                ::kill(group > 1 ? -group : pid, SIGKILL);
                if (group > 1)
                    awaitGroupEnd(group);
            }
        }
    }
}

// The profiles and pipes of runs that were killed.
void removeLeftovers()
{
    const QDir temporary(QDir::tempPath());
    for (const QString &name : temporary.entryList({ProfilePrefix + QLatin1Char('*')}, QDir::Dirs))
        if (endedRun(name, ProfilePrefix))
            QDir(temporary.filePath(name)).removeRecursively();
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
