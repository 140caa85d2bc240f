#pragma once

// Comma-separated values as RFC 4180 writes them: a field holding a comma, a quote or a line
// break is quoted, its quotes doubled, and every record ends with CR LF. Written as UTF-8.

#include <QString>
#include <QStringList>

namespace lirvenda {

// One field, quoted when it needs to be.
QString csvField(const QString &text);
// One record: the fields separated by commas, ended by CR LF.
QString csvRecord(const QStringList &fields);

} // namespace lirvenda
