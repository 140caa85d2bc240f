#pragma once

#include "core/store/StoreKey.h"

namespace lirvenda {

// The desktop's keyring through the Secret Service: one entry for each program folder, named by
// the folder's absolute path. Each call waits for the keyring's answer, at most a few seconds.
class DesktopKeyRing : public KeyRing {
public:
    std::optional<QString> read(const QString &folder) override;
    bool write(const QString &folder, const QString &passphrase) override;
    bool remove(const QString &folder) override;
};

// Where a passphrase comes from when the built-in key does not open a store: the desktop's
// keyring, then ask (on the terminal for a command, in a window for the window program; nobody
// when it is empty).
void askForPassphrasesWith(std::function<std::optional<QString>(const QString &question)> ask);

} // namespace lirvenda
