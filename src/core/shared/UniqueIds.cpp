#include "core/shared/UniqueIds.h"

#include "core/shared/DateTexts.h"
#include "core/store/Program.h"

#include <QDateTime>

namespace lirvenda {

QString newUniqueId(Program &program)
{
    return compactInstant(QDateTime::currentDateTime()) + '-' + QString::number(program.uniqueIdCounter++);
}

} // namespace lirvenda
