#include "support/TestProgram.h"

#include "data/Schema.h"
#include "data/SharedProcedures.h"

namespace lirvenda::test {

TestProgram::TestProgram(bool openDatabases)
    : m_program(std::make_unique<Program>(m_dir.path()))
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

QString TestProgram::addObserver(const QString &first, const QString &last, const QString &initials,
                                 bool isDefault)
{
    const QString id = NewUniqueId(*m_program);
    m_program->observerConnection().execute(
        QStringLiteral("INSERT INTO Observers(ObserverUniqueID, ObserverFirstName, ObserverLastName, "
                       "ObserverInitials, ObserverCountry, ObserverDefault) VALUES (?, ?, ?, ?, 'Norway', ?)"),
        {id, first, last, initials, isDefault ? 1 : 0});
    return id;
}

} // namespace lirvenda::test
