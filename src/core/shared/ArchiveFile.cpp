#include "core/shared/ArchiveFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include <archive.h>
#include <archive_entry.h>

namespace lirvenda {

namespace {

constexpr qint64 BlockSize = 64 * 1024;

QString shown(const QString &path) { return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()); }

ArchiveError archiveError(const QString &what, const QString &path, archive *archive)
{
    const char *reason = archive_error_string(archive);
    return ArchiveError(QStringLiteral("%1 %2: %3").arg(what, shown(path), QString::fromUtf8(reason ? reason : "")));
}

// Blocks on their way from the thread that makes them to the one that writes them. At most
// Capacity wait; the maker waits for room, the writer for a block or the end.
class BlockQueue {
public:
    // False once the writer has stopped, when the block is dropped.
    bool push(QByteArray block)
    {
        std::unique_lock lock(m_mutex);
        m_room.wait(lock, [this] { return m_blocks.size() < Capacity || m_stopped; });
        if (m_stopped)
            return false;
        m_blocks.push_back(std::move(block));
        m_filled.notify_one();
        return true;
    }
    // The next block; none after the end.
    std::optional<QByteArray> pop()
    {
        std::unique_lock lock(m_mutex);
        m_filled.wait(lock, [this] { return !m_blocks.empty() || m_ended; });
        if (m_blocks.empty())
            return std::nullopt;
        QByteArray block = std::move(m_blocks.front());
        m_blocks.pop_front();
        m_room.notify_one();
        return block;
    }
    void end() { settle(m_ended); }
    void stop() { settle(m_stopped); }

private:
    static constexpr size_t Capacity = 4;

    void settle(bool &flag)
    {
        const std::lock_guard lock(m_mutex);
        flag = true;
        m_filled.notify_all();
        m_room.notify_all();
    }

    std::mutex m_mutex;
    std::condition_variable m_room, m_filled;
    std::deque<QByteArray> m_blocks;
    bool m_ended = false, m_stopped = false;
};

struct WriterStopped {};

} // namespace

ArchiveError::ArchiveError(const QString &message) : std::runtime_error(message.toStdString()) {}

ArchiveWriter::ArchiveWriter(const QString &path, Compression compression)
    : m_path(path), m_archive(archive_write_new())
{
    const bool zip = path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
    const int format =
        zip ? archive_write_set_format_zip(m_archive) : archive_write_set_format_pax_restricted(m_archive);
    const bool fast = zip && compression == Compression::Fast;
    if (format != ARCHIVE_OK ||
        (fast && archive_write_set_format_option(m_archive, "zip", "compression-level", "1") != ARCHIVE_OK) ||
        archive_write_open_filename(m_archive, QFile::encodeName(path).constData()) != ARCHIVE_OK)
        fail(QCoreApplication::translate("ArchiveFile", "Kan ikke lage arkivet"));
}

ArchiveWriter::~ArchiveWriter() { archive_write_free(m_archive); }

void ArchiveWriter::addBytes(const QString &name, const QByteArray &bytes, const QDateTime &modified)
{
    writeHeader(name, bytes.size(), modified.isValid() ? modified : QDateTime::currentDateTime());
    writeData(bytes.constData(), bytes.size());
}

void ArchiveWriter::addFile(const QString &name, const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        fail(QCoreApplication::translate("ArchiveFile", "Kan ikke lese %1 til arkivet").arg(shown(filePath)));
    writeHeader(name, file.size(), QFileInfo(file).lastModified());
    QByteArray block(BlockSize, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = file.read(block.data(), BlockSize)) > 0)
        writeData(block.constData(), read);
    if (read < 0)
        fail(QCoreApplication::translate("ArchiveFile", "Kan ikke lese %1 til arkivet").arg(shown(filePath)));
}

void ArchiveWriter::addProduced(const QString &name, const std::function<void(const BlockWriter &)> &produce)
{
    writeHeader(name, std::nullopt, QDateTime::currentDateTime());
    BlockQueue queue;
    std::exception_ptr failure;
    std::thread writer([&] {
        try {
            while (const std::optional<QByteArray> block = queue.pop())
                writeData(block->constData(), block->size());
        } catch (...) {
            failure = std::current_exception();
            queue.stop();
        }
    });
    const auto finish = [&] {
        queue.end();
        writer.join();
    };
    try {
        produce([&queue](QByteArray block) {
            if (!queue.push(std::move(block)))
                throw WriterStopped();
        });
    } catch (const WriterStopped &) {
    } catch (...) {
        finish();
        throw;
    }
    finish();
    if (failure)
        std::rethrow_exception(failure);
}

void ArchiveWriter::close()
{
    if (archive_write_close(m_archive) != ARCHIVE_OK)
        fail(QCoreApplication::translate("ArchiveFile", "Kan ikke fullføre arkivet"));
}

void ArchiveWriter::writeHeader(const QString &name, std::optional<qint64> size, const QDateTime &modified)
{
    const std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(archive_entry_new(), archive_entry_free);
    archive_entry_set_pathname_utf8(entry.get(), name.toUtf8().constData());
    if (size) // else the zip tells the size after the bytes
        archive_entry_set_size(entry.get(), *size);
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_mtime(entry.get(), modified.toSecsSinceEpoch(), 0);
    if (archive_write_header(m_archive, entry.get()) != ARCHIVE_OK)
        fail(QCoreApplication::translate("ArchiveFile", "Kan ikke skrive %1 i arkivet").arg(name));
}

void ArchiveWriter::writeData(const char *data, qsizetype size)
{
    if (size > 0 && archive_write_data(m_archive, data, size_t(size)) != size)
        fail(QCoreApplication::translate("ArchiveFile", "Kan ikke skrive i arkivet"));
}

ArchiveError ArchiveWriter::errorOf(const QString &what) const { return archiveError(what, m_path, m_archive); }

void ArchiveWriter::fail(const QString &what) const { throw errorOf(what); }

ArchiveReader::ArchiveReader(const QString &path) : m_path(path), m_archive(archive_read_new())
{
    archive_read_support_format_zip(m_archive);
    archive_read_support_format_tar(m_archive);
    if (archive_read_open_filename(m_archive, QFile::encodeName(path).constData(), BlockSize) != ARCHIVE_OK) {
        const ArchiveError error = errorOf(QCoreApplication::translate("ArchiveFile", "Kan ikke åpne arkivet"));
        archive_read_free(m_archive);
        throw error;
    }
}

ArchiveReader::~ArchiveReader() { archive_read_free(m_archive); }

QString ArchiveReader::nextEntry()
{
    archive_entry *entry = nullptr;
    const int status = archive_read_next_header(m_archive, &entry);
    if (status == ARCHIVE_EOF)
        return {};
    if (status != ARCHIVE_OK)
        fail(QCoreApplication::translate("ArchiveFile", "Arkivet er skadet"));
    return QString::fromUtf8(archive_entry_pathname_utf8(entry));
}

void ArchiveReader::readEntry(const std::function<void(const char *, qsizetype)> &consume)
{
    QByteArray block(BlockSize, Qt::Uninitialized);
    la_ssize_t read = 0;
    while ((read = archive_read_data(m_archive, block.data(), size_t(BlockSize))) > 0)
        consume(block.constData(), read);
    if (read < 0)
        fail(QCoreApplication::translate("ArchiveFile", "Arkivet er skadet"));
}

QByteArray ArchiveReader::readEntry()
{
    QByteArray bytes;
    readEntry([&bytes](const char *data, qsizetype size) { bytes.append(data, size); });
    return bytes;
}

ArchiveError ArchiveReader::errorOf(const QString &what) const { return archiveError(what, m_path, m_archive); }

void ArchiveReader::fail(const QString &what) const { throw errorOf(what); }

} // namespace lirvenda
