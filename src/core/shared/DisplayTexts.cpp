#include "core/shared/DisplayTexts.h"

namespace lirvenda {

QString bracketCode(const QString &text)
{
    if (text.size() <= 2)
        return {};
    const qsizetype open = text.indexOf('[');
    const qsizetype close = text.indexOf(']');
    if (open < 0 || close < 0 || close < open)
        return {};
    return text.mid(open + 1, close - open - 1);
}

QString withKey(const QString &visible, int blanks, const QString &key)
{
    return visible + QString(blanks, ' ') + '[' + key + ']';
}

QString capitalizeFirst(const QString &text)
{
    if (text.isEmpty())
        return text;
    return text.left(1).toUpper() + text.mid(1);
}

KeyedEntry keyedEntry(const QString &visible, int blanks, const QString &key)
{
    return {withKey(visible, blanks, key), key};
}

} // namespace lirvenda
