#pragma once

// The key of a folder's stores. A store without a passphrase of its own is keyed with the
// built-in key and opens as it always has; a user may set a passphrase, change it, or remove it
// again. Which of the two a store uses is found by trying, so nothing beside the store tells.

#include "core/store/Database.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace lirvenda {

class Program;

// The desktop's keyring, where a user may keep the passphrase of a folder's stores.
class KeyRing {
public:
    virtual ~KeyRing() = default;
    // The passphrase kept for the folder; nullopt when none is kept or the keyring cannot answer.
    virtual std::optional<QString> read(const QString &folder) = 0;
    // Keeps the passphrase for the folder; false when the keyring cannot take it.
    virtual bool write(const QString &folder, const QString &passphrase) = 0;
    // Forgets the folder's passphrase; true when none is kept afterwards.
    virtual bool remove(const QString &folder) = 0;
};

// Where a passphrase comes from when the built-in key does not open a store: the keyring, the file
// named by LIRVENDA_PASSPHRASE_FILE, then the user, asked up to PassphraseTries times.
struct PassphraseSources {
    KeyRing *keyRing = nullptr;
    // Asks the user the question; nullopt when no passphrase is given (cancelled, no more input,
    // nobody to ask).
    std::function<std::optional<QString>(const QString &question)> ask;
};

inline constexpr int PassphraseTries = 3;

// The sources every opening of a store uses; until others are set, only the file.
const PassphraseSources &passphraseSources();
void setPassphraseSources(PassphraseSources sources);

// The passphrase in the file named by LIRVENDA_PASSPHRASE_FILE (its first line); nullopt when
// the variable is not set. Throws DatabaseError when the file cannot be read.
std::optional<QString> passphraseFromFile();

// Opens the store at path (a store of a folder) with the key it uses: the built-in key, else one of
// the sources'. A change of key that was cut off is undone first. Trying only reads: a wrong key
// never changes the file. Throws DatabaseError when no key opens it: the engine's refusal when no
// passphrase was given, else a message that the passphrase was wrong.
std::unique_ptr<Database> openStoreFile(const QString &path, Database::Access access);

// The key a passphrase stands for: an empty passphrase is the built-in key.
QString keyOfPassphrase(const QString &passphrase);
bool hasOwnPassphrase(const QString &key);

// Re-encrypts the program's open stores (Observasjoner.mdb and Nest.mdb when present) with a new
// key. First a whole copy of each is made beside it; the copies go when every store holds the new
// key. A failure on the way puts back the old key; a kill leaves the copies, and the next opening
// of the folder puts them back (recoverKeyChange), so every file opens with the old key or the new.
void changeStoreKey(Program &program, const QString &newKey);
// Gives the program's stores the passphrase (an empty one: the built-in key) and keeps it in the
// keyring of the sources when remember is set, else forgets one kept there for the folder. Answers
// false when the passphrase was to be kept and the keyring could not take it; the stores hold the
// new key all the same.
bool setStorePassphrase(Program &program, const QString &passphrase, bool remember);
// Undoes a change of key that was cut off: where the main store's copy exists, every copy replaces
// its store; copies left without it are removed. Does nothing when no change was cut off.
void recoverKeyChange(const QString &folder);
// The copy a change of key keeps of a store until the change is complete.
QString keyChangeCopyOf(const QString &storePath);

} // namespace lirvenda
