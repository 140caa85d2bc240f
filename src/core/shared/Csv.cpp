#include "core/shared/Csv.h"

#include <QIODevice>

#include <algorithm>

namespace lirvenda {

QString csvField(const QString &text)
{
    const auto needsQuotes = [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    };
    if (std::none_of(text.cbegin(), text.cend(), needsQuotes))
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

void appendCsvField(QByteArray &record, QByteArrayView text)
{
    const auto needsQuotes = [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; };
    if (std::none_of(text.begin(), text.end(), needsQuotes)) {
        record.append(text).append(',');
        return;
    }
    record += '"';
    for (const char c : text) {
        if (c == '"')
            record += '"';
        record += c;
    }
    record += "\",";
}

void endCsvRecord(QByteArray &record)
{
    record.chop(1);
    record += "\r\n";
}

CsvReader::CsvReader(QIODevice &device) : m_stream(&device)
{
    m_stream.setEncoding(QStringConverter::Utf8);
    m_stream.setAutoDetectUnicode(true); // drops a byte order mark
}

bool CsvReader::available()
{
    if (m_position < m_buffer.size())
        return true;
    m_buffer = m_stream.read(1 << 16);
    m_position = 0;
    return !m_buffer.isEmpty();
}

// A character at a time: a quote opens a quoted field only at the field's start; inside one, two
// quotes stand for one and a comma or line break is text.
std::optional<CsvReader::Record> CsvReader::next()
{
    Record record{{}, true, m_line};
    QString field;
    bool quoted = false, started = false;
    while (available()) {
        const QChar c = m_buffer.at(m_position++);
        if (c == QLatin1Char('\n'))
            ++m_line;
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (available() && m_buffer.at(m_position) == QLatin1Char('"'))
                field += m_buffer.at(m_position++);
            else
                quoted = false;
        } else if (c == QLatin1Char('"') && !started) {
            quoted = started = true;
        } else if (c == QLatin1Char(',')) {
            record.fields << field;
            field.clear();
            started = false;
        } else if (c == QLatin1Char('\n')) {
            if (record.fields.isEmpty() && !started) {
                record.line = m_line; // a blank line
                continue;
            }
            record.fields << field;
            return record;
        } else if (c != QLatin1Char('\r')) {
            field += c;
            started = true;
        }
    }
    if (record.fields.isEmpty() && !started)
        return std::nullopt;
    record.fields << field;
    record.complete = !quoted;
    return record;
}

CsvHeader::CsvHeader(const QStringList &names)
{
    for (qsizetype i = 0; i < names.size(); ++i)
        m_columns.insert(names[i].trimmed(), i);
}

QString CsvHeader::field(const QStringList &record, const QString &name) const
{
    const qsizetype column = m_columns.value(name, -1);
    return column >= 0 ? record.value(column) : QString();
}

} // namespace lirvenda
