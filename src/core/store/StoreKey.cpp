#include "core/store/StoreKey.h"

#include "core/store/Backup.h"
#include "core/store/Database.h"
#include "core/store/Program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QCoreApplication>
#include <cstdio>

namespace lirvenda {

namespace {

PassphraseSources &currentSources()
{
    static PassphraseSources sources;
    return sources;
}

// The store opened with the key, or nothing when the key does not open it.
std::unique_ptr<Database> openedWith(const QString &path, const QString &key, Database::Access access)
{
    try {
        return Database::open(path, key, access);
    } catch (const DatabaseError &) {
        return {};
    }
}

std::unique_ptr<Database> openWithAskedPassphrase(const QString &path, Database::Access access,
                                                  const DatabaseError &refusal)
{
    const PassphraseSources &sources = currentSources();
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    for (int attempt = 1; attempt <= PassphraseTries; ++attempt) {
        const QString question =
            attempt == 1 ? QCoreApplication::translate("StoreKey", "Passfrase for dagboka i %1:").arg(folder)
                         : QCoreApplication::translate("StoreKey", "Feil passfrase. Prøv igjen (forsøk %1 av %2):")
                               .arg(attempt)
                               .arg(PassphraseTries);
        const std::optional<QString> given = sources.ask(question);
        if (!given && attempt == 1)
            throw refusal;
        if (!given)
            break;
        if (auto db = openedWith(path, *given, access))
            return db;
    }
    throw DatabaseError(QCoreApplication::translate(
                            "StoreKey", "Feil passfrase: dagboka i %1 blir ikke åpnet. Ingenting er endret. Uten "
                                        "den riktige passfrasen kan ingen lese dagboka.")
                            .arg(folder));
}

// Replaces the file with the one at from in one step.
void replaceFile(const QString &from, const QString &file)
{
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(file).constData()) != 0)
        throw DatabaseError(QCoreApplication::translate(
                                "StoreKey", "Kan ikke legge tilbake %1 fra kopien %2. Flytt kopien på plass for hånd.")
                                .arg(QDir::toNativeSeparators(file), QDir::toNativeSeparators(from)));
}

// Puts the old key back on the stores that got the new one; false when one of them cannot.
bool restoreKey(const QList<Database *> &stores, const QString &oldKey)
{
    bool restored = true;
    for (Database *store : stores) {
        try {
            store->rekey(oldKey);
        } catch (const DatabaseError &) {
            restored = false;
        }
    }
    return restored;
}

void removeFiles(const QStringList &files)
{
    for (const QString &file : files)
        QFile::remove(file);
}

} // namespace

const PassphraseSources &passphraseSources() { return currentSources(); }

void setPassphraseSources(PassphraseSources sources) { currentSources() = std::move(sources); }

std::optional<QString> passphraseFromFile()
{
    const QString path = qEnvironmentVariable("LIRVENDA_PASSPHRASE_FILE");
    if (path.isEmpty())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseError(
            QCoreApplication::translate("StoreKey", "Kan ikke lese passfrasefila %1 (LIRVENDA_PASSPHRASE_FILE).")
                .arg(QDir::toNativeSeparators(path)));
    const QByteArray line = file.readLine();
    return QString::fromUtf8(line.endsWith('\n') ? line.chopped(line.endsWith("\r\n") ? 2 : 1) : line);
}

QString keyOfPassphrase(const QString &passphrase) { return passphrase.isEmpty() ? Program::DatabaseKey : passphrase; }

bool hasOwnPassphrase(const QString &key) { return key != Program::DatabaseKey; }

std::unique_ptr<Database> openStoreFile(const QString &path, Database::Access access)
{
    recoverKeyChange(QFileInfo(path).absolutePath());
    std::optional<DatabaseError> refusal;
    try {
        return Database::open(path, Program::DatabaseKey, access);
    } catch (const DatabaseError &error) {
        refusal = error;
    }
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0)
        throw *refusal;
    const PassphraseSources &sources = currentSources();
    if (sources.keyRing)
        if (const std::optional<QString> kept = sources.keyRing->read(QFileInfo(path).absolutePath()))
            if (auto db = openedWith(path, *kept, access))
                return db;
    if (const std::optional<QString> fromFile = passphraseFromFile()) {
        if (auto db = openedWith(path, *fromFile, access))
            return db;
        throw DatabaseError(
            QCoreApplication::translate("StoreKey", "Passfrasen i fila %1 (LIRVENDA_PASSPHRASE_FILE) åpner ikke %2.")
                .arg(QDir::toNativeSeparators(qEnvironmentVariable("LIRVENDA_PASSPHRASE_FILE")),
                     QDir::toNativeSeparators(path)));
    }
    if (!sources.ask)
        throw *refusal;
    return openWithAskedPassphrase(path, access, *refusal);
}

QString keyChangeCopyOf(const QString &storePath) { return storePath + QStringLiteral(".nøkkelbytte"); }

void changeStoreKey(Program &program, const QString &newKey)
{
    // Nest.mdb is copied first and the main store last: the main store's copy tells that every
    // copy is whole.
    QList<Database *> stores;
    if (program.observerFileExists())
        stores << &program.observerConnection();
    stores << &program.mainConnection();
    QStringList copies;
    try {
        for (Database *store : std::as_const(stores)) {
            backupDatabase(*store, keyChangeCopyOf(store->path()));
            copies << keyChangeCopyOf(store->path());
        }
    } catch (...) {
        removeFiles(copies);
        throw;
    }
    const QString oldKey = program.mainConnection().key();
    QList<Database *> rekeyed;
    try {
        for (Database *store : std::as_const(stores)) {
            store->rekey(newKey);
            rekeyed << store;
        }
    } catch (...) {
        if (restoreKey(rekeyed, oldKey))
            removeFiles(copies);
        throw;
    }
    // The main store's copy goes first: from then on every store holds the new key.
    std::reverse(copies.begin(), copies.end());
    removeFiles(copies);
}

bool setStorePassphrase(Program &program, const QString &passphrase, bool remember)
{
    changeStoreKey(program, keyOfPassphrase(passphrase));
    KeyRing *keyRing = currentSources().keyRing;
    if (remember && !passphrase.isEmpty())
        return keyRing && keyRing->write(program.folder(), passphrase);
    if (keyRing) // a passphrase kept from before would no longer open the stores
        keyRing->remove(program.folder());
    return true;
}

void recoverKeyChange(const QString &folder)
{
    const QStringList stores{QDir(folder).filePath(Program::ObserverFileName),
                             QDir(folder).filePath(Program::MainFileName)};
    for (const QString &store : stores)
        QFile::remove(keyChangeCopyOf(store) + QStringLiteral(".ufullstendig"));
    if (!QFileInfo::exists(keyChangeCopyOf(stores.last()))) {
        QFile::remove(keyChangeCopyOf(stores.first())); // left by a change that was complete or never began
        return;
    }
    // The main store comes back last, so its copy stays the sign of an unfinished change.
    for (const QString &store : stores) {
        if (!QFileInfo::exists(keyChangeCopyOf(store)))
            continue;
        // The journal of a cut re-encryption belongs to the file the copy replaces.
        QFile::remove(store + QStringLiteral("-journal"));
        replaceFile(keyChangeCopyOf(store), store);
    }
}

} // namespace lirvenda
