#include "core/shared/TextFiles.h"

#include "core/store/Database.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace lirvenda {

bool fileExists(const QString &path) { return QFileInfo(path).isFile(); }

QString readFirstLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString line = QString::fromUtf8(file.readLine());
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

void writeLine(const QString &path, const QString &line)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write((line + '\n').toUtf8()) < 0 || !file.commit())
        throw DatabaseError(
            QCoreApplication::translate("TextFiles", "Kan ikke skrive fila %1: %2").arg(path, file.errorString()));
}

} // namespace lirvenda
