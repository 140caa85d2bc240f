#include "core/shared/SharedProcedures.h"

#include "core/shared/DateTexts.h"
#include "core/store/Program.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>

namespace lirvenda {

QString BracketCode(const QString &text)
{
    if (text.size() <= 2)
        return {};
    const qsizetype open = text.indexOf('[');
    const qsizetype close = text.indexOf(']');
    if (open < 0 || close < 0 || close < open)
        return {};
    return text.mid(open + 1, close - open - 1);
}

QString CapitalizeFirst(const QString &text)
{
    if (text.isEmpty())
        return text;
    return text.left(1).toUpper() + text.mid(1);
}

QString withKey(const QString &visible, int blanks, const QString &key)
{
    return visible + QString(blanks, ' ') + '[' + key + ']';
}

KeyedEntry keyedEntry(const QString &visible, int blanks, const QString &key)
{
    return {withKey(visible, blanks, key), key};
}

bool FileExists(const QString &path) { return QFileInfo(path).isFile(); }

QString ReadFirstLine(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QString line = QString::fromUtf8(file.readLine());
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line;
}

void WriteLine(const QString &path, const QString &line)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write((line + '\n').toUtf8()) < 0 || !file.commit())
        throw DatabaseError(QStringLiteral("Kan ikke skrive fila %1: %2").arg(path, file.errorString()));
}

QString NewUniqueId(Program &program)
{
    return compactInstant(QDateTime::currentDateTime()) + '-' + QString::number(program.uniqueIdCounter++);
}

namespace {

Record taxon(Program &program, const QString &speciesKey)
{
    Statement row = program.mainConnection().query(QStringLiteral("SELECT * FROM Animalia WHERE PK_LatinskNavnID = ?"),
                                                   {speciesKey});
    return row.next() ? row.record() : Record();
}

Record observer(Program &program, const QString &column, const QVariant &value)
{
    Statement row =
        program.observerConnection().query(QStringLiteral("SELECT * FROM Observers WHERE %1 = ?").arg(column), {value});
    return row.next() ? row.record() : Record();
}

} // namespace

QString SpeciesDisplayName(Program &program, const QString &speciesKey, bool withScientificName)
{
    const Record row = taxon(program, speciesKey);
    if (row.isEmpty())
        return {};
    QString name = CapitalizeFirst(row.text(QStringLiteral("PopulærNavnBokmål")));
    if (withScientificName)
        name += QStringLiteral(" (%1 %2)").arg(row.text(QStringLiteral("Slekt")), row.text(QStringLiteral("Art")));
    return name;
}

QString LatinShortCode(Program &program, const QString &speciesKey)
{
    const Record row = taxon(program, speciesKey);
    if (row.isEmpty())
        return {};
    return row.text(QStringLiteral("Slekt")).left(3).toUpper() + row.text(QStringLiteral("Art")).left(3).toUpper();
}

QString ActivityText(Program &program, int activityId)
{
    return program.mainConnection()
        .scalar(QStringLiteral("SELECT Aktivitet FROM Aktivitet WHERE AktivitetID = ?"), {activityId})
        .toString();
}

KeyedEntry ObserverEntry(Program &program, const QString &observerUniqueId)
{
    const QString id = observerUniqueId.trimmed();
    if (id.isEmpty())
        return {};
    const Record row = observer(program, QStringLiteral("ObserverUniqueID"), id);
    if (row.isEmpty())
        return {};
    return keyedEntry(QStringLiteral("%1, %2. (%3)")
                          .arg(row.text(QStringLiteral("ObserverLastName")),
                               row.text(QStringLiteral("ObserverFirstName")).left(1),
                               row.text(QStringLiteral("ObserverInitials"))),
                      40, row.text(QStringLiteral("ObserverUniqueID")));
}

namespace {

QString fullName(const Record &observer)
{
    if (observer.isEmpty())
        return {};
    return observer.text(QStringLiteral("ObserverFirstName")) + ' ' + observer.text(QStringLiteral("ObserverLastName"));
}

} // namespace

QString ObserverNameById(Program &program, qint64 observerId)
{
    return fullName(observer(program, QStringLiteral("ObserverID"), observerId));
}

QString ObserverNameByUniqueId(Program &program, const QString &observerUniqueId)
{
    return fullName(observer(program, QStringLiteral("ObserverUniqueID"), observerUniqueId.trimmed()));
}

} // namespace lirvenda
