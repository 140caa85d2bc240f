#pragma once

// What every fuzz target shares: the input as text and as parts, and a program folder with the
// shipped reference data for the targets that search the store.

#include "core/store/Program.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace lirvenda::fuzz {

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

inline QString textOf(const uint8_t *data, size_t size) { return QString::fromUtf8(bytesOf(data, size)); }

// The input split at its first n - 1 line breaks into exactly n parts (the missing ones empty).
inline QStringList partsOf(const uint8_t *data, size_t size, int n)
{
    QStringList parts;
    QString rest = textOf(data, size);
    for (int i = 1; i < n; ++i) {
        const qsizetype end = rest.indexOf(QLatin1Char('\n'));
        parts << (end < 0 ? rest : rest.left(end));
        rest = end < 0 ? QString() : rest.mid(end + 1);
    }
    parts << rest;
    return parts;
}

// One store with the shipped reference data for the whole run, made on first use; kept to the end.
inline Program &sharedProgram()
{
    static QTemporaryDir folder;
    static Program *const program = [] {
        auto *made = new Program(folder.path());
        made->openMainConnection();
        return made;
    }();
    return *program;
}

} // namespace lirvenda::fuzz
