#pragma once

#include "core/store/Database.h"
#include "core/store/ObservationRecordSet.h"

#include <QString>

#include <memory>

namespace lirvenda {

// The program folder with its databases and the program-wide values every window shares.
class Program {
public:
    // The built-in key, of every store without a passphrase of its own.
    static inline const QString DatabaseKey = QStringLiteral("kavet7QX");
    static inline const QString MainFileName = QStringLiteral("Observasjoner.mdb");
    static inline const QString ObserverFileName = QStringLiteral("Nest.mdb");

    explicit Program(QString folder);
    ~Program();

    // The folder given on the command line, else $LIRVENDA_FOLDER, else ~/Lirvenda.
    static QString defaultFolder();

    QString folder() const { return m_folder; }
    QString filePath(const QString &name) const; // a file in the program folder

    // Opens Observasjoner.mdb, creating it with the schema and the reference data when it is
    // absent, with the key it uses (see StoreKey.h: the built-in key or the diary's passphrase).
    // Throws DatabaseError naming the file when it exists but cannot be opened.
    void openMainConnection();
    // Opens Nest.mdb, with the main store's key, when it exists; throws DatabaseError when it
    // exists but cannot be opened.
    void openObserverConnection();
    // Opens Observasjoner.mdb and Nest.mdb (when it exists) only to read them, as they are: no
    // store is created or upgraded, and the folder may be read-only. Throws DatabaseError naming
    // the file that cannot be opened.
    void openStoreReadOnly();
    void openObservations();

    Database &mainConnection();
    // Nest.mdb when that file exists at the moment of the call, else the main database.
    Database &observerConnection();
    bool observerFileExists() const;
    ObservationRecordSet &observations();

    // Program-wide values.
    QString versionText = QStringLiteral("1.0 beta (April 2013)");
    int uniqueIdCounter = 1;
    QString gpsPort = QStringLiteral("5");
    int gpsSpeed = 9600;

private:
    void createMainDatabase(const QString &path);

    QString m_folder;
    Database::Access m_access = Database::Access::ReadWrite;
    std::unique_ptr<Database> m_main;
    std::unique_ptr<Database> m_observers;
    std::unique_ptr<ObservationRecordSet> m_observations;
};

} // namespace lirvenda
