#include "core/shared/Csv.h"

#include <algorithm>

namespace lirvenda {

QString csvField(const QString &text)
{
    static const QString needsQuotes = QStringLiteral(",\"\r\n");
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return needsQuotes.contains(c); }))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString csvRecord(const QStringList &fields)
{
    QStringList written;
    written.reserve(fields.size());
    for (const QString &field : fields)
        written += csvField(field);
    return written.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

} // namespace lirvenda
