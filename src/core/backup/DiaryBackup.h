#pragma once

// Backups of a whole diary: one archive (.zip or .tar by its suffix) of the program folder's two
// stores, each copied with the engine's online backup so the window may have them open, its text
// files and its documentation folder, with a manifest of what it holds: every file's name, size
// and SHA-256, and each store's row count of every table.

#include <QMap>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace lirvenda {

class BackupError : public std::runtime_error {
public:
    explicit BackupError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

inline const QString ManifestName = QStringLiteral("manifest.json");

// What a backup holds, as its manifest tells.
struct BackupManifest {
    struct File {
        QString name; // relative, with '/'
        qint64 size = 0;
        QByteArray sha256; // hexadecimal
    };
    QList<File> files;
    QMap<QString, QMap<QString, qint64>> rowCounts; // store file -> table -> rows

    QByteArray toJson() const;
    // Throws BackupError when the text is not a manifest.
    static BackupManifest fromJson(const QByteArray &json);
};

// Writes a backup of the diary in folder, whose stores open with key, to target. The archive is
// written under a passing name and renamed when complete; an existing file is never replaced.
// Throws BackupError (or DatabaseError, ArchiveError) and then leaves no file behind.
void writeDiaryBackup(const QString &folder, const QString &key, const QString &target);

// Checks the backup: its manifest, every file's size and digest, and each store's integrity and
// row counts; then puts it into folder, which must be empty or not exist yet. Nothing is written
// into folder before every check has passed. Throws BackupError naming what is wrong.
void restoreDiaryBackup(const QString &archive, const QString &folder);

} // namespace lirvenda
