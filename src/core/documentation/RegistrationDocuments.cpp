#include "core/documentation/RegistrationDocuments.h"

#include <QDir>
#include <QFile>

namespace lirvenda {

void RegistrationDocuments::open(const QString &obsUniqueId)
{
    m_id = obsUniqueId;
    m_added.clear();
}

RegistrationDocuments::Added RegistrationDocuments::add(const QStringList &sources,
                                                        const std::function<QString()> &newId)
{
    Added added;
    if (sources.isEmpty())
        return added;
    if (m_id.isEmpty())
        m_id = newId();
    const QString folder = documentationFolder(m_programFolder, m_id);
    QString marks;
    for (const QString &source : sources) {
        try {
            m_added << copyIntoFolder(source, folder);
            marks += documentMark(documentKind(source));
        } catch (const DocumentationError &error) {
            added.failures << QString::fromStdString(error.what());
        }
    }
    for (const QChar mark : QStringLiteral("FVL"))
        if (marks.contains(mark))
            added.marks += mark;
    return added;
}

void RegistrationDocuments::discardAdded()
{
    for (const QString &copy : std::as_const(m_added))
        QFile::remove(copy);
    m_added.clear();
    if (!m_id.isEmpty())
        QDir().rmdir(documentationFolder(m_programFolder, m_id)); // only when empty
}

} // namespace lirvenda
