#pragma once

// The daily backups the program makes by itself: on the first start of each day, one archive of
// the whole diary in the backup folder, keeping the last DailyBackupsKept and, before them, the
// newest of each of the last WeeklyBackupsKept weeks that none of those falls in.

#include <QDate>
#include <QString>
#include <QStringList>

namespace lirvenda {

inline constexpr int DailyBackupsKept = 7;
inline constexpr int WeeklyBackupsKept = 4;
// The file in the program folder that names the backup folder the user chose.
inline const QString BackupSettingsFileName = QStringLiteral("BackupSettings.txt");
// The file in the program folder that holds the day of the last automatic backup begun: a day's
// backup is tried once, so a failure is told once.
inline const QString BackupAttemptFileName = QStringLiteral("AutomaticBackup.txt");

// $LIRVENDA_BACKUP_DIR, else the folder chosen for the diary, else ~/.local/share/lirvenda/backups.
QString backupFolder(const QString &programFolder);
// Makes backupFolder the diary's backup folder; an empty one goes back to the default. Throws
// DatabaseError when the choice cannot be written.
void chooseBackupFolder(const QString &programFolder, const QString &backupFolder);

// The name of the day's automatic backup of the diary in programFolder.
QString automaticBackupName(const QString &programFolder, const QDate &day);
// The automatic backups of the diary among names that the rotation drops.
QStringList backupsToRemove(const QString &programFolder, const QStringList &names);
// Whether the day's automatic backup is still to be made: none is there and none was begun today.
bool automaticBackupDue(const QString &programFolder, const QString &backupFolder, const QDate &today);
// Makes the day's automatic backup of the diary, whose stores open with key, when it is due, then
// removes the backups the rotation drops. Throws BackupError (or DatabaseError,
// ArchiveError) when the backup cannot be made.
void makeAutomaticBackup(const QString &programFolder, const QString &key, const QString &backupFolder,
                         const QDate &today);

} // namespace lirvenda
