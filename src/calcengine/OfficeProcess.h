#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace lirvenda {

// A LibreOffice of our own: started headless with a private, throw-away user profile and a pipe
// no other process uses, so an office the user has open is neither joined nor closed. It runs in
// its own process group, so that it can be ended with every process it started.
class OfficeProcess {
public:
    // Starts the office; throws SpreadsheetError when it cannot be started.
    explicit OfficeProcess(const QString &soffice);
    // Waits a little for an office that was asked to end, then kills the group.
    ~OfficeProcess();

    OfficeProcess(const OfficeProcess &) = delete;
    OfficeProcess &operator=(const OfficeProcess &) = delete;

    // Where the office listens for UNO connections, as a connector takes it.
    QString connectionDescription() const;
    bool running() const;
    // Waits up to the given time for the office to end; true when it has.
    bool endsWithin(int milliseconds);
    // What the office wrote, for a message when it ended before it could be reached.
    QString output();
    void kill();

private:
    QTemporaryDir m_profile;
    QString m_pipeName;
    QProcess m_process;
};

} // namespace lirvenda
