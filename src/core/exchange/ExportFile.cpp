#include "core/exchange/ExportFile.h"

#include <QCoreApplication>
#include <QDir>

namespace lirvenda {

ExportError::ExportError(const QString &message) : std::runtime_error(message.toStdString()) {}

ExportFile::ExportFile(const QString &path) : m_file(path)
{
    if (!m_file.open(QIODevice::WriteOnly))
        fail();
}

void ExportFile::write(const QByteArray &bytes)
{
    if (m_file.write(bytes) != bytes.size())
        fail();
}

void ExportFile::commit()
{
    if (!m_file.commit())
        fail();
}

void ExportFile::fail()
{
    throw ExportError(QCoreApplication::translate("ExportFile", "Kan ikke skrive %1: %2")
                          .arg(QDir::toNativeSeparators(m_file.fileName()), m_file.errorString()));
}

} // namespace lirvenda
