#pragma once

// Comma-separated values as RFC 4180 writes them: a field holding a comma, a quote or a line
// break is quoted, its quotes doubled, and every record ends with CR LF. Written as UTF-8; read
// as UTF-8 with or without a byte order mark, records ended by CR LF or LF.

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

class QIODevice;

namespace lirvenda {

// One field, quoted when it needs to be.
QString csvField(const QString &text);
// One record: the fields separated by commas, ended by CR LF.
QString csvRecord(const QStringList &fields);
// One field in UTF-8 appended to a record being written, quoted as csvField quotes it, and the
// comma after it; for exports of many rows, where a QString for each field costs more than the rest.
void appendCsvField(QByteArray &record, QByteArrayView text);
// Ends a record written with appendCsvField: CR LF in place of the comma after the last field.
void endCsvRecord(QByteArray &record);

// Reads records one at a time from a device, so a file of any size passes in constant memory.
class CsvReader {
public:
    explicit CsvReader(QIODevice &device);

    struct Record {
        QStringList fields;
        bool complete = true; // false when the text ended inside a quoted field
        qint64 line = 0;      // the line the record begins on, from 1
    };
    // The next record; none after the last. A blank line is no record.
    std::optional<Record> next();

private:
    bool available(); // whether a character is left, reading the next block when needed

    QTextStream m_stream;
    QString m_buffer;
    qsizetype m_position = 0;
    qint64 m_line = 1;
};

// The position of every column of a header record, by the column's name.
class CsvHeader {
public:
    CsvHeader() = default;
    explicit CsvHeader(const QStringList &names);
    bool has(const QString &name) const { return m_columns.contains(name); }
    // The field of the named column in a record; empty when the record is shorter or the column absent.
    QString field(const QStringList &record, const QString &name) const;
    qsizetype size() const { return m_columns.size(); }

private:
    QHash<QString, qsizetype> m_columns;
};

} // namespace lirvenda
