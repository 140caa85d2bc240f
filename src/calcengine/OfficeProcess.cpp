#include "calcengine/OfficeProcess.h"

#include "core/exchange/SpreadsheetEngine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QUrl>

#include <csignal>
#include <unistd.h>

namespace lirvenda {

namespace {

constexpr int ExitWaitMilliseconds = 10000;

QString uniquePipeName()
{
    return QStringLiteral("lirvenda-%1-%2")
        .arg(QCoreApplication::applicationPid())
        .arg(QRandomGenerator::global()->generate64(), 0, 16);
}

} // namespace

OfficeProcess::OfficeProcess(const QString &soffice) : m_pipeName(uniquePipeName())
{
    if (!QFileInfo(soffice).isExecutable())
        throw SpreadsheetError(QStringLiteral("LibreOffice Calc er ikke installert (finner ikke %1).").arg(soffice));
    if (!m_profile.isValid())
        throw SpreadsheetError(
            QStringLiteral("Kan ikke lage en midlertidig mappe for LibreOffice (%1).").arg(m_profile.errorString()));
    m_process.setProgram(soffice);
    m_process.setArguments({
        QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(m_profile.path()).toString(QUrl::FullyEncoded),
        QStringLiteral("--headless"),
        QStringLiteral("--invisible"),
        QStringLiteral("--nologo"),
        QStringLiteral("--nodefault"),
        QStringLiteral("--norestore"),
        QStringLiteral("--nolockcheck"),
        QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext").arg(m_pipeName),
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
        throw SpreadsheetError(QStringLiteral("Kan ikke starte LibreOffice (%1).").arg(m_process.errorString()));
}

OfficeProcess::~OfficeProcess()
{
    if (running() && !m_process.waitForFinished(ExitWaitMilliseconds))
        kill();
    // An office that ends by itself removes its pipe; a killed one leaves it where pipes always are.
    QFile::remove(QStringLiteral("/tmp/OSL_PIPE_%1_%2").arg(::getuid()).arg(m_pipeName));
}

QString OfficeProcess::connectUrl() const
{
    return QStringLiteral("uno:pipe,name=%1;urp;StarOffice.ComponentContext").arg(m_pipeName);
}

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
