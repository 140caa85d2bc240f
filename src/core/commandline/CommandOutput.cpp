#include "core/commandline/CommandOutput.h"

namespace lirvenda {

QTextStream &commandOutput()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &commandErrors()
{
    static QTextStream stream(stderr);
    return stream;
}

int refuseCommand(const QString &message)
{
    commandErrors() << message << Qt::endl;
    return CommandRefused;
}

int failCommand(const QString &message)
{
    commandErrors() << message << Qt::endl;
    return CommandFailed;
}

} // namespace lirvenda
