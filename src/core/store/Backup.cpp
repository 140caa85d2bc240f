#include "core/store/Backup.h"

#include "core/store/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <QCoreApplication>
#include <sqlite3.h>

namespace lirvenda {

namespace {

constexpr int BusyRetries = 100; // times 50 ms: a writer of the window gets five seconds to finish

// Copies every page in one step, so the copy is one moment of the source.
void copyPages(Database &source, Database &target)
{
    sqlite3_backup *backup = sqlite3_backup_init(target.handle(), "main", source.handle(), "main");
    if (!backup)
        target.fail(QCoreApplication::translate("Backup", "Sikkerhetskopien kan ikke lages"));
    int status = SQLITE_OK;
    for (int attempt = 0; attempt <= BusyRetries; ++attempt) {
        status = sqlite3_backup_step(backup, -1);
        if (status != SQLITE_BUSY && status != SQLITE_LOCKED)
            break;
        QThread::msleep(50);
    }
    sqlite3_backup_finish(backup);
    if (status != SQLITE_DONE)
        throw DatabaseError(QCoreApplication::translate("Backup", "Sikkerhetskopien av %1 kan ikke lages: %2")
                                .arg(QDir::toNativeSeparators(source.path()),
                                     failureText(status, QString::fromUtf8(sqlite3_errstr(status)))));
}

} // namespace

void backupDatabase(Database &source, const QString &target)
{
    const QString shownTarget = QDir::toNativeSeparators(target);
    if (QFileInfo::exists(target))
        throw DatabaseError(
            QCoreApplication::translate("Backup", "Fila %1 finnes fra før og blir ikke overskrevet.").arg(shownTarget));
    // Written under a passing name and renamed when complete: a file with the asked name is
    // always a whole copy.
    const QString partial = target + QStringLiteral(".ufullstendig");
    QFile::remove(partial);
    try {
        {
            const std::unique_ptr<Database> copy = Database::create(partial, source.key());
            copyPages(source, *copy);
        }
        if (!QFile::rename(partial, target)) // refuses to replace a file that came meanwhile
            throw DatabaseError(QCoreApplication::translate("Backup", "Kan ikke lage fila %1.").arg(shownTarget));
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
}

} // namespace lirvenda
