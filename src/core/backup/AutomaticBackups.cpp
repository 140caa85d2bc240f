#include "core/backup/AutomaticBackups.h"

#include "core/backup/DiaryBackup.h"
#include "core/shared/TextFiles.h"
#include "core/store/Database.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <QCoreApplication>
#include <algorithm>

namespace lirvenda {

namespace {

QString settingsFile(const QString &programFolder) { return QDir(programFolder).filePath(BackupSettingsFileName); }

// The day of an automatic backup of the diary named name; invalid for any other file.
QDate backupDay(const QString &programFolder, const QString &name)
{
    const QRegularExpression pattern(QStringLiteral("^%1-(\\d{4}-\\d{2}-\\d{2})\\.tar$")
                                         .arg(QRegularExpression::escape(QFileInfo(programFolder).fileName())));
    const QRegularExpressionMatch match = pattern.match(name);
    return match.hasMatch() ? QDate::fromString(match.captured(1), Qt::ISODate) : QDate();
}

// The first day of the day's week, Monday.
QDate weekOf(const QDate &day) { return day.addDays(1 - day.dayOfWeek()); }

} // namespace

QString backupFolder(const QString &programFolder)
{
    const QString fromEnvironment = qEnvironmentVariable("LIRVENDA_BACKUP_DIR");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    const QString chosen = readFirstLine(settingsFile(programFolder)).trimmed();
    if (!chosen.isEmpty())
        return chosen;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("lirvenda/backups"));
}

void chooseBackupFolder(const QString &programFolder, const QString &backupFolder)
{
    writeLine(settingsFile(programFolder), backupFolder);
}

QString automaticBackupName(const QString &programFolder, const QDate &day)
{
    return QStringLiteral("%1-%2.tar").arg(QFileInfo(programFolder).fileName(), day.toString(Qt::ISODate));
}

QStringList backupsToRemove(const QString &programFolder, const QStringList &names)
{
    QList<QDate> days;
    for (const QString &name : names)
        if (const QDate day = backupDay(programFolder, name); day.isValid())
            days << day;
    std::sort(days.begin(), days.end(), std::greater<>());
    QList<QDate> kept = days.mid(0, DailyBackupsKept);
    QList<QDate> weeks; // the weeks the daily backups already stand for count as kept
    for (const QDate &day : std::as_const(kept))
        weeks << weekOf(day);
    int weekly = 0;
    for (const QDate &day : days.mid(DailyBackupsKept)) // newest first: the first of a week is its newest
        if (!weeks.contains(weekOf(day)) && weekly < WeeklyBackupsKept) {
            weeks << weekOf(day);
            kept << day;
            ++weekly;
        }
    QStringList dropped;
    for (const QDate &day : std::as_const(days))
        if (!kept.contains(day))
            dropped << automaticBackupName(programFolder, day);
    return dropped;
}

bool automaticBackupDue(const QString &programFolder, const QString &backupFolder, const QDate &today)
{
    return !QFileInfo::exists(QDir(backupFolder).filePath(automaticBackupName(programFolder, today))) &&
           readFirstLine(QDir(programFolder).filePath(BackupAttemptFileName)).trimmed() != today.toString(Qt::ISODate);
}

void makeAutomaticBackup(const QString &programFolder, const QString &key, const QString &backupFolder,
                         const QDate &today)
{
    if (!automaticBackupDue(programFolder, backupFolder, today))
        return;
    try {
        writeLine(QDir(programFolder).filePath(BackupAttemptFileName), today.toString(Qt::ISODate));
    } catch (const DatabaseError &) { // without it the next start tries again: no harm
    }
    if (!QDir().mkpath(backupFolder))
        throw BackupError(QCoreApplication::translate("AutomaticBackups", "Kan ikke lage mappa %1.")
                              .arg(QDir::toNativeSeparators(QFileInfo(backupFolder).absoluteFilePath())));
    writeDiaryBackup(programFolder, key, QDir(backupFolder).filePath(automaticBackupName(programFolder, today)));
    const QDir folder(backupFolder);
    for (const QString &name : backupsToRemove(programFolder, folder.entryList(QDir::Files)))
        QFile::remove(folder.filePath(name));
}

} // namespace lirvenda
