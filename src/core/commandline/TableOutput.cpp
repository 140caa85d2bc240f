#include "core/commandline/TableOutput.h"

#include "core/commandline/CommandOutput.h"
#include "core/commandline/Subcommands.h"
#include "core/shared/Csv.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lirvenda {

namespace {

const QString CsvName = QStringLiteral("csv");
const QString JsonName = QStringLiteral("json");

QByteArray jsonOf(const OutputTable &table)
{
    QJsonArray rows;
    for (const QStringList &row : table.rows) {
        QJsonObject object;
        for (qsizetype i = 0; i < table.fields.size(); ++i)
            object.insert(table.fields[i], row.value(i));
        rows.append(object);
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}

} // namespace

QCommandLineOption csvOption()
{
    return {CsvName, QCoreApplication::translate("TableOutput", "Skriv svaret som CSV (UTF-8, en overskriftslinje).")};
}

QCommandLineOption jsonOption()
{
    return {JsonName, QCoreApplication::translate("TableOutput", "Skriv svaret som JSON (UTF-8).")};
}

std::optional<TableFormat> tableFormatOf(const CommandArguments &arguments)
{
    if (arguments.isSet(CsvName))
        return TableFormat::Csv;
    if (arguments.isSet(JsonName))
        return TableFormat::Json;
    return std::nullopt;
}

bool tableFormatIsClear(const CommandArguments &arguments)
{
    return !(arguments.isSet(CsvName) && arguments.isSet(JsonName));
}

void writeTable(const OutputTable &table, TableFormat format)
{
    QTextStream &out = commandOutput();
    if (format == TableFormat::Json) {
        out << QString::fromUtf8(jsonOf(table));
    } else {
        out << csvRecord(table.fields);
        for (const QStringList &row : table.rows)
            out << csvRecord(row);
    }
    out.flush();
}

} // namespace lirvenda
