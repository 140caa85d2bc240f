#include "gui/backup/AutomaticBackupRunner.h"

#include "core/backup/AutomaticBackups.h"
#include "core/backup/DiaryBackup.h"
#include "core/shared/ArchiveFile.h"
#include "core/shared/Prompter.h"
#include "core/store/Database.h"
#include "core/store/Program.h"

#include <QCoreApplication>
#include <QThread>

#include <memory>

#include <sys/resource.h>
#include <unistd.h>

namespace lirvenda {

namespace {

// The reason the backup failed; empty when it was made.
QString backUp(const QString &programFolder, const QString &key, const QString &target, const QDate &today)
{
    try {
        makeAutomaticBackup(programFolder, key, target, today);
    } catch (const BackupError &error) {
        return error.message();
    } catch (const DatabaseError &error) {
        return error.message();
    } catch (const ArchiveError &error) {
        return error.message();
    }
    return {};
}

// The calling thread gets the smallest share of the processor the kernel gives (nice 19): on a
// busy machine the backup takes longer but never stands still, so a quit that waits for it ends.
// (The idle scheduling class would stop it for as long as anything else wants the processor.)
void yieldToEverythingElse() { setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19); }

} // namespace

void startAutomaticBackup(Program &program, QObject *owner, const QDate &today)
{
    const QString target = backupFolder(program.folder());
    if (!automaticBackupDue(program.folder(), target, today))
        return;
    auto failure = std::make_shared<QString>();
    QThread *thread =
        QThread::create([failure, folder = program.folder(), key = program.mainConnection().key(), target, today] {
            yieldToEverythingElse();
            *failure = backUp(folder, key, target, today);
        });
    thread->setParent(owner);
    QObject::connect(thread, &QThread::finished, owner, [failure, thread] {
        thread->deleteLater();
        if (!failure->isEmpty())
            prompter().exclamation(
                QCoreApplication::translate("AutomaticBackupRunner",
                                            "Den automatiske sikkerhetskopien av dagboka ble ikke laget:\n%1\n\n"
                                            "Lirvenda fortsetter som vanlig.")
                    .arg(*failure));
    });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, thread, [thread] { thread->wait(); });
    thread->start();
}

} // namespace lirvenda
