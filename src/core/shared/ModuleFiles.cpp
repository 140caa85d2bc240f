#include "core/shared/ModuleFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lirvenda {

QString programModulePath(const QString &name)
{
    const QString chosen = qEnvironmentVariable("LIRVENDA_MODULE_DIR");
    if (!chosen.isEmpty())
        return QDir(chosen).filePath(name);
    const QDir executableFolder(QCoreApplication::applicationDirPath());
    const QString beside = executableFolder.filePath(name);
    if (QFileInfo(beside).isFile())
        return beside;
    return QDir::cleanPath(executableFolder.filePath(QStringLiteral(LIRVENDA_MODULE_FROM_EXECUTABLE "/") + name));
}

} // namespace lirvenda
