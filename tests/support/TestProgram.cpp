#include "support/TestProgram.h"

#include "core/shared/ArchiveFile.h"
#include "core/shared/UniqueIds.h"
#include "core/store/Schema.h"

#include <QFile>
#include <QRegularExpression>

#include <sys/resource.h>

#include <csignal>

namespace lirvenda::test {

TestProgram::TestProgram(bool openDatabases, const QString &parentFolder)
    : m_dir(parentFolder.isEmpty() ? QTemporaryDir() : QTemporaryDir(parentFolder + QStringLiteral("/program-XXXXXX"))),
      m_program(std::make_unique<Program>(m_dir.path()))
{
    auto scripted = std::make_unique<ScriptedPrompter>();
    m_prompter = scripted.get();
    m_previous = setPrompter(std::move(scripted));
    if (openDatabases) {
        m_program->openMainConnection();
        m_program->openObserverConnection();
        m_program->openObservations();
    }
}

TestProgram::~TestProgram() { setPrompter(std::move(m_previous)); }

void TestProgram::createObserverFile()
{
    auto nest = Database::create(path(Program::ObserverFileName), Program::DatabaseKey);
    upgradeObserverSchema(*nest);
}

QString TestProgram::addObserver(const QString &first, const QString &last, const QString &initials, bool isDefault)
{
    const QString id = newUniqueId(*m_program);
    m_program->observerConnection().execute(
        QStringLiteral("INSERT INTO Observers(ObserverUniqueID, ObserverFirstName, ObserverLastName, "
                       "ObserverInitials, ObserverCountry, ObserverDefault) VALUES (?, ?, ?, ?, 'Norway', ?)"),
        {id, first, last, initials, isDefault ? 1 : 0});
    return id;
}

qint64 TestProgram::insertObservation(const QVariantMap &columns)
{
    QStringList names;
    QStringList marks;
    for (const QString &column : columns.keys()) {
        names << '"' + column + '"';
        marks << QStringLiteral("?");
    }
    db().execute(QStringLiteral("INSERT INTO Observasjoner(%1) VALUES (%2)").arg(names.join(','), marks.join(',')),
                 columns.values());
    return db().lastInsertId();
}

void makeFirstSchemaVersion(Database &db)
{
    db.executeScript(QStringLiteral(
        "DROP TRIGGER Observasjoner_Insert; DROP TRIGGER Observasjoner_Update; DROP TRIGGER Observasjoner_Delete; "
        "DROP TABLE RegistrerteArter; DROP TABLE BrukteLokaliteter; DROP INDEX Observasjoner_Year; "
        "CREATE INDEX Observasjoner_Start ON Observasjoner(StartDato); DROP TABLE UferdigeEksportfiler; "
        "PRAGMA user_version = 1;"));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int pdfPageCount(const QString &path)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(contents(path)).count(page));
}

bool opensWith(const QString &path, const QString &key)
{
    try {
        Database::open(path, key);
        return true;
    } catch (const DatabaseError &) {
        return false;
    }
}

QMap<QString, QByteArray> archiveEntries(const QString &path)
{
    QMap<QString, QByteArray> entries;
    ArchiveReader reader(path);
    for (QString name = reader.nextEntry(); !name.isEmpty(); name = reader.nextEntry())
        entries.insert(name, reader.readEntry());
    return entries;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A write past the limit fails with EFBIG instead of ending the process.
FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    m_saved = qint64(limit.rlim_cur);
    limit.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = rlim_t(m_saved);
    setrlimit(RLIMIT_FSIZE, &limit);
}

} // namespace lirvenda::test
