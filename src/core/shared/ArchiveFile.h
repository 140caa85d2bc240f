#pragma once

// Archives of files, .zip or .tar by the name's suffix, written and read one entry at a time so
// that an entry of any size passes through in constant memory.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

struct archive;

namespace lirvenda {

class ArchiveError : public std::runtime_error {
public:
    explicit ArchiveError(const QString &message);
    QString message() const { return QString::fromUtf8(what()); }
};

// Writes a new archive at path; its format follows the suffix (".zip", else ".tar"). Every
// function throws ArchiveError naming the archive when the writing fails.
class ArchiveWriter {
public:
    // Fast trades size for speed in a zip: the quickest deflate, for entries of hundreds of megabytes.
    enum class Compression { Default, Fast };
    explicit ArchiveWriter(const QString &path, Compression compression = Compression::Default);
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter &) = delete;
    ArchiveWriter &operator=(const ArchiveWriter &) = delete;

    // Adds an entry named name (a relative path with '/') holding bytes.
    void addBytes(const QString &name, const QByteArray &bytes, const QDateTime &modified = {});
    // Adds an entry named name holding the file at filePath, read in blocks.
    void addFile(const QString &name, const QString &filePath);
    // Adds an entry named name whose size is not known beforehand: produce hands its bytes in blocks
    // to write, and a second thread compresses each block while the next is made. A few blocks wait
    // at most, so an entry of any size passes in constant memory. Whatever produce throws is thrown on.
    using BlockWriter = std::function<void(QByteArray block)>;
    void addProduced(const QString &name, const std::function<void(const BlockWriter &write)> &produce);
    // Ends the archive; until then it is not complete.
    void close();

private:
    void writeHeader(const QString &name, std::optional<qint64> size, const QDateTime &modified);
    void writeData(const char *data, qsizetype size);
    ArchiveError errorOf(const QString &what) const;
    [[noreturn]] void fail(const QString &what) const;

    QString m_path;
    archive *m_archive;
};

// Reads the archive at path entry by entry; each entry's bytes go to a callback in blocks.
// Throws ArchiveError when the archive cannot be read or is damaged.
class ArchiveReader {
public:
    explicit ArchiveReader(const QString &path);
    ~ArchiveReader();
    ArchiveReader(const ArchiveReader &) = delete;
    ArchiveReader &operator=(const ArchiveReader &) = delete;

    // Moves to the next entry: its name, or an empty text after the last.
    QString nextEntry();
    // The current entry's bytes, handed to consume in blocks.
    void readEntry(const std::function<void(const char *data, qsizetype size)> &consume);
    // The current entry's bytes, all at once.
    QByteArray readEntry();

private:
    ArchiveError errorOf(const QString &what) const;
    [[noreturn]] void fail(const QString &what) const;

    QString m_path;
    archive *m_archive;
};

} // namespace lirvenda
