#include "core/store/Program.h"

#include "core/store/ReferenceData.h"
#include "core/store/Schema.h"
#include "core/store/StoreKey.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace lirvenda {

Program::Program(QString folder) : m_folder(QDir(folder).absolutePath()) {}

Program::~Program() = default;

QString Program::defaultFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("LIRVENDA_FOLDER");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    return QDir::home().filePath(QStringLiteral("Lirvenda"));
}

QString Program::filePath(const QString &name) const { return QDir(m_folder).filePath(name); }

void Program::openMainConnection()
{
    if (!QDir().mkpath(m_folder))
        throw DatabaseError(QCoreApplication::translate("Program", "Kan ikke lage programmappa %1.")
                                .arg(QDir::toNativeSeparators(m_folder)));
    // Every save writes the store and its journal beside it: a folder that takes no new file
    // (a read-only disk, no rights) is refused here rather than at the first save.
    if (QTemporaryFile probe(filePath(QStringLiteral(".skriveprøve-XXXXXX"))); !probe.open())
        throw DatabaseError(QCoreApplication::translate(
                                "Program", "Programmappa %1 er skrivebeskyttet. Lirvenda lagrer observasjonene sine "
                                           "der og kan ikke starte uten å kunne skrive i den. Gi skrivetilgang til "
                                           "mappa, eller velg en annen med --folder.")
                                .arg(QDir::toNativeSeparators(m_folder)));
    const QString path = filePath(MainFileName);
    if (QFileInfo::exists(path))
        m_main = openStoreFile(path, Database::Access::ReadWrite);
    else
        createMainDatabase(path);
    upgradeMainSchema(*m_main);
}

// The embedded default: a keyed database with the schema and the reference data. A failure
// removes the half-made file, so the next start tries again from nothing.
void Program::createMainDatabase(const QString &path)
{
    const QString partial = path + QStringLiteral(".new");
    QFile::remove(partial);
    try {
        auto db = Database::create(partial, DatabaseKey);
        upgradeMainSchema(*db);
        loadReferenceData(*db);
        db.reset();
        if (!QFile::rename(partial, path))
            throw DatabaseError(QCoreApplication::translate("Program", "Kan ikke lage databasefila %1.").arg(path));
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    m_main = Database::open(path, DatabaseKey);
}

void Program::openObserverConnection()
{
    if (!observerFileExists())
        return;
    m_observers = Database::open(filePath(ObserverFileName), mainConnection().key(), m_access);
    if (m_access == Database::Access::ReadWrite)
        upgradeObserverSchema(*m_observers);
}

void Program::openStoreReadOnly()
{
    m_access = Database::Access::ReadOnly;
    m_main = openStoreFile(filePath(MainFileName), m_access);
    openObserverConnection();
}

void Program::openObservations() { m_observations = std::make_unique<ObservationRecordSet>(mainConnection()); }

Database &Program::mainConnection()
{
    if (!m_main)
        throw DatabaseError(QCoreApplication::translate("Program", "Databasen er ikke åpnet."));
    return *m_main;
}

bool Program::observerFileExists() const { return QFileInfo(filePath(ObserverFileName)).isFile(); }

Database &Program::observerConnection()
{
    if (!observerFileExists())
        return mainConnection();
    if (!m_observers) // the file came after start-up
        openObserverConnection();
    return *m_observers;
}

ObservationRecordSet &Program::observations()
{
    if (!m_observations)
        openObservations();
    return *m_observations;
}

} // namespace lirvenda
