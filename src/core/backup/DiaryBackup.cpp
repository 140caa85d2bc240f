#include "core/backup/DiaryBackup.h"

#include "core/documentation/DocumentationFiles.h"
#include "core/positions/GpsSettings.h"
#include "core/shared/ArchiveFile.h"
#include "core/store/Backup.h"
#include "core/store/Database.h"
#include "core/store/Program.h"
#include "core/store/StoreKey.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace lirvenda {

namespace {

const QStringList StoreFiles{Program::MainFileName, Program::ObserverFileName};
const QStringList TextFiles{QStringLiteral("MainObserver.txt"), GpsSettings::FileName};

QString shown(const QString &path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

// The text files and every file of the documentation folder, named relative to the folder.
QStringList diaryFiles(const QString &folder)
{
    QStringList names;
    for (const QString &name : TextFiles)
        if (QFileInfo(QDir(folder).filePath(name)).isFile())
            names << name;
    QDirIterator documents(documentationRoot(folder), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (documents.hasNext())
        names << QDir(folder).relativeFilePath(documents.next());
    return names;
}

BackupManifest::File describeFile(const QString &name, const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        throw BackupError(QCoreApplication::translate("DiaryBackup", "Kan ikke lese %1.").arg(shown(path)));
    return {name, file.size(), hash.result().toHex()};
}

QMap<QString, qint64> rowCounts(Database &db)
{
    QMap<QString, qint64> counts;
    for (const QString &table : db.columnTexts(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                                              "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'"))) {
        const QString quoted = QLatin1Char('"') + QString(table).replace('"', "\"\"") + QLatin1Char('"');
        counts.insert(table, db.scalar(QStringLiteral("SELECT count(*) FROM ") + quoted).toLongLong());
    }
    return counts;
}

// A name from an archive that stays inside the folder it is unpacked into.
bool isSafeName(const QString &name)
{
    const QString clean = QDir::cleanPath(name);
    return !name.isEmpty() && !QDir::isAbsolutePath(name) && clean != QLatin1String("..") &&
           !clean.startsWith(QLatin1String("../")) && !name.contains(QLatin1Char('\\'));
}

void unpack(const QString &archive, const QString &folder)
{
    ArchiveReader reader(archive);
    for (QString name = reader.nextEntry(); !name.isEmpty(); name = reader.nextEntry()) {
        if (!isSafeName(name))
            throw BackupError(
                QCoreApplication::translate("DiaryBackup", "Sikkerhetskopien holder et navn som peker ut av mappa: %1")
                    .arg(name));
        const QString path = QDir(folder).filePath(name);
        QFile file(path);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !file.open(QIODevice::WriteOnly))
            throw BackupError(QCoreApplication::translate("DiaryBackup", "Kan ikke skrive %1.").arg(shown(path)));
        reader.readEntry([&file, &path](const char *data, qsizetype size) {
            if (file.write(data, size) != size)
                throw BackupError(QCoreApplication::translate("DiaryBackup", "Kan ikke skrive %1.").arg(shown(path)));
        });
    }
}

QStringList filesUnder(const QString &folder)
{
    QStringList names;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        names << QDir(folder).relativeFilePath(files.next());
    return names;
}

void checkFiles(const BackupManifest &manifest, const QString &folder)
{
    QStringList unlisted = filesUnder(folder);
    unlisted.removeAll(ManifestName);
    for (const BackupManifest::File &listed : manifest.files) {
        const QString path = QDir(folder).filePath(listed.name);
        if (!unlisted.removeOne(listed.name))
            throw BackupError(
                QCoreApplication::translate("DiaryBackup", "Sikkerhetskopien er ufullstendig: %1 mangler.")
                    .arg(listed.name));
        const BackupManifest::File found = describeFile(listed.name, path);
        if (found.size != listed.size || found.sha256 != listed.sha256)
            throw BackupError(
                QCoreApplication::translate("DiaryBackup",
                                            "Sikkerhetskopien er skadet: %1 er ikke slik den var da kopien ble laget.")
                    .arg(listed.name));
    }
    if (!unlisted.isEmpty())
        throw BackupError(QCoreApplication::translate(
                              "DiaryBackup", "Sikkerhetskopien holder filer som innholdslista ikke nevner: %1.")
                              .arg(unlisted.join(QStringLiteral(", "))));
}

void checkStore(Database &db, const QString &name, const QMap<QString, qint64> &counts)
{
    const QStringList integrity = db.integrityCheck();
    if (integrity != QStringList{QStringLiteral("ok")})
        throw BackupError(QCoreApplication::translate("DiaryBackup", "Databasen %1 i sikkerhetskopien er skadet: %2")
                              .arg(name, integrity.join(QStringLiteral("; "))));
    if (rowCounts(db) != counts)
        throw BackupError(
            QCoreApplication::translate("DiaryBackup",
                                        "Databasen %1 i sikkerhetskopien holder ikke de radene innholdslista nevner.")
                .arg(name));
}

void checkStores(const BackupManifest &manifest, const QString &folder)
{
    if (!manifest.rowCounts.contains(Program::MainFileName))
        throw BackupError(
            QCoreApplication::translate("DiaryBackup", "Sikkerhetskopien holder ingen %1.").arg(Program::MainFileName));
    const auto main = openStoreFile(QDir(folder).filePath(Program::MainFileName), Database::Access::ReadOnly);
    checkStore(*main, Program::MainFileName, manifest.rowCounts.value(Program::MainFileName));
    if (manifest.rowCounts.contains(Program::ObserverFileName)) {
        const auto observers =
            Database::open(QDir(folder).filePath(Program::ObserverFileName), main->key(), Database::Access::ReadOnly);
        checkStore(*observers, Program::ObserverFileName, manifest.rowCounts.value(Program::ObserverFileName));
    }
}

void refuseUnlessEmpty(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.exists() &&
        (!info.isDir() || !QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)))
        throw BackupError(QCoreApplication::translate(
                              "DiaryBackup",
                              "Mappa %1 er ikke tom. En sikkerhetskopi legges bare tilbake i en tom eller ny "
                              "mappe, aldri over en dagbok. Vil du bytte ut dagboka, så legg kopien tilbake i "
                              "en ny mappe, avslutt Lirvenda, flytt den gamle mappa bort og gi den nye mappa "
                              "det gamle navnet.")
                              .arg(shown(folder)));
}

} // namespace

BackupError::BackupError(const QString &message) : std::runtime_error(message.toStdString()) {}

QByteArray BackupManifest::toJson() const
{
    QJsonArray fileList;
    for (const File &file : files)
        fileList.append(QJsonObject{{QStringLiteral("name"), file.name},
                                    {QStringLiteral("size"), file.size},
                                    {QStringLiteral("sha256"), QString::fromLatin1(file.sha256)}});
    QJsonObject stores;
    for (auto store = rowCounts.cbegin(); store != rowCounts.cend(); ++store) {
        QJsonObject tables;
        for (auto table = store->cbegin(); table != store->cend(); ++table)
            tables.insert(table.key(), table.value());
        stores.insert(store.key(), tables);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("files"), fileList}, {QStringLiteral("rows"), stores}}).toJson();
}

BackupManifest BackupManifest::fromJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError || !root.value(QStringLiteral("files")).isArray())
        throw BackupError(
            QCoreApplication::translate("DiaryBackup", "Innholdslista (%1) i sikkerhetskopien kan ikke leses.")
                .arg(ManifestName));
    BackupManifest manifest;
    for (const QJsonValue &value : root.value(QStringLiteral("files")).toArray()) {
        const QJsonObject file = value.toObject();
        manifest.files << File{file.value(QStringLiteral("name")).toString(),
                               file.value(QStringLiteral("size")).toInteger(),
                               file.value(QStringLiteral("sha256")).toString().toLatin1()};
    }
    const QJsonObject stores = root.value(QStringLiteral("rows")).toObject();
    for (auto store = stores.begin(); store != stores.end(); ++store) {
        const QJsonObject tables = store.value().toObject();
        for (auto table = tables.begin(); table != tables.end(); ++table)
            manifest.rowCounts[store.key()].insert(table.key(), table.value().toInteger());
    }
    return manifest;
}

void writeDiaryBackup(const QString &folder, const QString &key, const QString &target)
{
    if (QFileInfo::exists(target))
        throw BackupError(QCoreApplication::translate("DiaryBackup", "Fila %1 finnes fra før og blir ikke overskrevet.")
                              .arg(shown(target)));
    // The copies of the stores are made beside the archive, on the disk that has room for it.
    QTemporaryDir work(QFileInfo(target).absoluteDir().filePath(QStringLiteral(".lirvenda-kopi-XXXXXX")));
    if (!work.isValid())
        throw BackupError(QCoreApplication::translate("DiaryBackup", "Kan ikke skrive i mappa %1.")
                              .arg(shown(QFileInfo(target).absolutePath())));
    BackupManifest manifest;
    QList<std::pair<QString, QString>> entries; // name in the archive, file
    for (const QString &store : StoreFiles) {
        if (!QFileInfo(QDir(folder).filePath(store)).isFile())
            continue;
        backupDatabase(*Database::open(QDir(folder).filePath(store), key, Database::Access::ReadOnly),
                       work.filePath(store));
        manifest.rowCounts.insert(store, rowCounts(*Database::open(work.filePath(store), key)));
        entries.append({store, work.filePath(store)});
    }
    for (const QString &name : diaryFiles(folder))
        entries.append({name, QDir(folder).filePath(name)});
    for (const auto &[name, path] : std::as_const(entries))
        manifest.files << describeFile(name, path);
    const QString partial = target + QStringLiteral(".ufullstendig");
    QFile::remove(partial);
    try {
        ArchiveWriter writer(partial);
        writer.addBytes(ManifestName, manifest.toJson());
        for (const auto &[name, path] : std::as_const(entries))
            writer.addFile(name, path);
        writer.close();
        if (!QFile::rename(partial, target)) // refuses to replace a file that came meanwhile
            throw BackupError(QCoreApplication::translate("DiaryBackup", "Kan ikke lage fila %1.").arg(shown(target)));
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
}

void restoreDiaryBackup(const QString &archive, const QString &folder)
{
    refuseUnlessEmpty(folder);
    const QString parent = QFileInfo(folder).absolutePath();
    if (!QDir().mkpath(parent))
        throw BackupError(QCoreApplication::translate("DiaryBackup", "Kan ikke lage mappa %1.").arg(shown(parent)));
    QTemporaryDir staging(QDir(parent).filePath(QStringLiteral(".lirvenda-tilbake-XXXXXX")));
    if (!staging.isValid())
        throw BackupError(QCoreApplication::translate("DiaryBackup", "Kan ikke skrive i mappa %1.").arg(shown(parent)));
    try {
        unpack(archive, staging.path());
    } catch (const ArchiveError &error) {
        throw BackupError(
            QCoreApplication::translate("DiaryBackup", "Sikkerhetskopien er skadet: %1").arg(error.message()));
    }
    QFile manifestFile(staging.filePath(ManifestName));
    if (!manifestFile.open(QIODevice::ReadOnly))
        throw BackupError(QCoreApplication::translate(
                              "DiaryBackup", "%1 er ikke en sikkerhetskopi fra Lirvenda: innholdslista %2 mangler.")
                              .arg(shown(archive), ManifestName));
    const BackupManifest manifest = BackupManifest::fromJson(manifestFile.readAll());
    manifestFile.close();
    checkFiles(manifest, staging.path());
    checkStores(manifest, staging.path());
    QFile::remove(staging.filePath(ManifestName));
    QDir().rmdir(folder); // an empty folder gives way to the restored one
    if (!QDir().rename(staging.path(), folder))
        throw BackupError(QCoreApplication::translate("DiaryBackup", "Kan ikke lage mappa %1.").arg(shown(folder)));
    staging.setAutoRemove(false);
}

} // namespace lirvenda
