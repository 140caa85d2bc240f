#pragma once

#include "core/documentation/DocumentationFiles.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace lirvenda {

// The documentation files of the registration the main window holds. While a registration is
// entered or changed, files added are copied into its folder at once; they stay when it is saved
// and are removed again when it is cancelled. A registration without an identifier gets one when
// its first file is added.
class RegistrationDocuments {
public:
    struct Added {
        QString marks;        // "F", "V", "L" for the kinds added, each once, in that order
        QStringList failures; // a message for each file that could not be added
    };

    explicit RegistrationDocuments(QString programFolder) : m_programFolder(std::move(programFolder)) {}
    // A registration still unsaved when the window goes (the program is closed while entering)
    // is dropped, and its copies with it.
    ~RegistrationDocuments() { discardAdded(); }
    RegistrationDocuments(const RegistrationDocuments &) = delete;
    RegistrationDocuments &operator=(const RegistrationDocuments &) = delete;

    // Holds the files of the registration with this identifier (none when it is empty). Copies made
    // for the registration held before are left as they are.
    void open(const QString &obsUniqueId);

    QString id() const { return m_id; }
    QStringList files() const { return documentationFiles(m_programFolder, m_id); }
    bool isEmpty() const { return files().isEmpty(); }

    // Copies each file into the registration's folder; newId makes the identifier when it has none.
    Added add(const QStringList &sources, const std::function<QString()> &newId);
    // The registration was stored: its copies are its files from now on.
    void keep() { m_added.clear(); }
    // The registration was cancelled: the copies made since it was opened are removed, and its
    // folder too when nothing else is left in it.
    void discardAdded();

private:
    QString m_programFolder;
    QString m_id;
    QStringList m_added;
};

} // namespace lirvenda
