#pragma once

// A file an export writes: whole or not at all, its failure told in one message.

#include <QSaveFile>
#include <QString>

#include <stdexcept>

namespace lirvenda {

class ExportError : public std::runtime_error {
public:
    explicit ExportError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// A QSaveFile opened for writing; commit() throws ExportError naming the file when it fails.
class ExportFile {
public:
    explicit ExportFile(const QString &path);
    void write(const QByteArray &bytes);
    void commit();

private:
    [[noreturn]] void fail();

    QSaveFile m_file;
};

} // namespace lirvenda
