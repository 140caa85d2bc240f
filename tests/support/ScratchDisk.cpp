#include "support/ScratchDisk.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace lirvenda::test {

namespace {

const QString Filler = QStringLiteral(".fyll");

bool runMount(const QStringList &arguments)
{
    QProcess mount;
    mount.start(QStringLiteral("mount"), arguments);
    return mount.waitForFinished(10000) && mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
}

} // namespace

ScratchDisk::ScratchDisk(int megabytes)
{
    if (geteuid() != 0) {
        m_skipReason = QStringLiteral("Mounting a small file system needs the superuser; run the tests as root");
        return;
    }
    m_mounted = runMount({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                          QStringLiteral("size=%1m").arg(megabytes), QStringLiteral("tmpfs"), path()});
    if (!m_mounted)
        m_skipReason = QStringLiteral("This machine refuses to mount a tmpfs");
}

ScratchDisk::~ScratchDisk()
{
    // Lazily: an office that still has a file open there must not keep the mount alive.
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), path()});
}

bool ScratchDisk::fill()
{
    const QByteArray path = QDir(this->path()).filePath(Filler).toLocal8Bit();
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0)
        return false;
    const QByteArray block(4096, '\0');
    while (::write(fd, block.constData(), block.size()) > 0) {
    }
    const bool full = errno == ENOSPC;
    ::close(fd);
    return full;
}

void ScratchDisk::makeRoom() { QFile::remove(QDir(path()).filePath(Filler)); }

bool ScratchDisk::setReadOnly(bool readOnly)
{
    return runMount(
        {QStringLiteral("-o"), readOnly ? QStringLiteral("remount,ro") : QStringLiteral("remount,rw"), path()});
}

} // namespace lirvenda::test
