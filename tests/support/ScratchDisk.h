#pragma once

#include <QString>
#include <QTemporaryDir>

namespace lirvenda::test {

// A small tmpfs mounted for the test: a disk that really fills up or turns read-only. Mounting
// needs the superuser; elsewhere mounted() is false and skipReason() says why.
class ScratchDisk {
public:
    explicit ScratchDisk(int megabytes);
    ~ScratchDisk();
    ScratchDisk(const ScratchDisk &) = delete;
    ScratchDisk &operator=(const ScratchDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString skipReason() const { return m_skipReason; }
    QString path() const { return m_mountPoint.path(); }

    // A filler file takes every free byte; false when it could not be written.
    bool fill();
    // Gives the filler's bytes back.
    void makeRoom();
    // Mounts it again, read-only or writable; false when that failed.
    bool setReadOnly(bool readOnly);

private:
    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    QString m_skipReason;
};

} // namespace lirvenda::test
