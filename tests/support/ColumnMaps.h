#pragma once

#include <QStringList>
#include <QVariantMap>

namespace lirvenda::test {

// Each "column=value" expected, as the columns have it: "column=-" when left out, "column=NULL"
// for NULL. Compare the answer with the expectation.
inline QStringList asExpected(const QVariantMap &columns, const QStringList &expected)
{
    QStringList out;
    for (const QString &e : expected) {
        const QString name = e.section('=', 0, 0);
        const QVariant value = columns.value(name);
        out << name + '=' + (!columns.contains(name) ? "-" : value.isNull() ? "NULL" : value.toString());
    }
    return out;
}

} // namespace lirvenda::test
