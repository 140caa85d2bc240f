#include "core/commandline/Subcommands.h"

#include "core/commandline/ExchangeCommands.h"
#include "core/exchange/CalcEngineModule.h"
#include "core/exchange/PortalExport.h"
#include "core/statistics/YearStatistics.h"
#include "core/store/Backup.h"
#include "core/store/Program.h"
#include "core/store/Schema.h"
#include "core/store/StoreCheck.h"

#include <QCommandLineParser>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <functional>
#include <optional>

namespace lirvenda {

namespace {

QTextStream &out() { return commandOutput(); }
QTextStream &err() { return commandErrors(); }
int refuse(const QString &message) { return refuseCommand(message); }
int fail(const QString &message) { return failCommand(message); }

int writePortalFiles(Program &program, const CommandArguments &)
{
    const QDate today = QDate::currentDate();
    const int total = unreportedCount(program);
    if (total == 0) {
        err() << nothingToReportMessage(today) << Qt::endl;
        return CommandSucceeded;
    }
    const QString templatePath = portalTemplatePath(program.folder());
    if (templatePath.isEmpty())
        return fail(missingTemplateMessage(program.folder()));
    err() << QStringLiteral("Lager excel-ark med %1 observasjoner …").arg(total) << Qt::endl;
    try {
        const std::unique_ptr<SpreadsheetEngine> engine = startCalcEngine();
        const QStringList files = exportUnreported(program, *engine, templatePath, today, [total](int done) {
            err() << QStringLiteral("%1 av %2 observasjoner skrevet").arg(done).arg(total) << Qt::endl;
        });
        for (const QString &file : files)
            out() << QDir::toNativeSeparators(program.filePath(file)) << Qt::endl;
    } catch (const SpreadsheetError &error) {
        return fail(exportFailedMessage(error.message()));
    }
    return CommandSucceeded;
}

int yearStatistics(Program &program, const CommandArguments &arguments)
{
    const QString argument = arguments.word(0);
    bool isNumber = false;
    const int year = argument.toInt(&isNumber);
    if (!isNumber || year < 1 || year > 9999)
        return refuse(QStringLiteral("Året må være et tall fra 1 til 9999, ikke «%1».").arg(argument));
    const QStringList report = computeYearStatistics(program, year).report;
    if (report.isEmpty())
        err() << QStringLiteral("Ingen observasjoner i %1.").arg(year) << Qt::endl;
    for (const QString &line : report)
        out() << line << Qt::endl;
    return CommandSucceeded;
}

int reportStoreCheck(Program &program, const CommandArguments &)
{
    const StoreCheckResult result = checkStore(program);
    for (const QString &line : result.summary)
        out() << line << Qt::endl;
    if (result.problems.isEmpty()) {
        out() << QStringLiteral("Ingen feil funnet.") << Qt::endl;
        return CommandSucceeded;
    }
    for (const QString &line : result.problems)
        out() << QStringLiteral("FEIL: ") << line << Qt::endl;
    return fail(QStringLiteral("%1 feil funnet i %2.")
                    .arg(result.problems.size())
                    .arg(QDir::toNativeSeparators(program.folder())));
}

int backupStore(Program &program, const CommandArguments &arguments)
{
    const QString target = arguments.word(0);
    backupDatabase(program.mainConnection(), target);
    out() << QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()) << Qt::endl;
    return CommandSucceeded;
}

const QList<Subcommand> &subcommands()
{
    static const QList<Subcommand> all{
        {.name = QStringLiteral("export"),
         .arguments = {{QStringLiteral("FIL"), QStringLiteral("Fila med --format.")}},
         .optionalArguments = 1,
         .description = QStringLiteral("Lag excel-ark av de urapporterte observasjonene til rapporteringsportalen."),
         .options = exportFormatOptions(),
         .storeUse = {StoreAccess::Writes},
         .run = [](Program &program,
                   const CommandArguments &arguments) { return runExport(program, arguments, writePortalFiles); }},
        {.name = QStringLiteral("stats"),
         .arguments = {{QStringLiteral("ÅR"), QStringLiteral("Året, for eksempel 2024.")}},
         .description = QStringLiteral("Skriv årsstatistikken for ÅR (UTF-8)."),
         .storeUse = {StoreAccess::Reads, YearIndexSchema},
         .run = yearStatistics},
        {.name = QStringLiteral("check"),
         .description = QStringLiteral("Sjekk databasen for skader og brutte sammenhenger."),
         .storeUse = {StoreAccess::Reads},
         .run = reportStoreCheck},
        {.name = QStringLiteral("backup"),
         .arguments = {{QStringLiteral("FIL"), QStringLiteral("Kopien; en fil som ikke finnes fra før.")}},
         .description = QStringLiteral("Lag en kryptert sikkerhetskopi av databasen i FIL (en ny fil)."),
         .storeUse = {StoreAccess::Reads},
         .run = backupStore},
        importCommand(),
    };
    return all;
}

const Subcommand *findSubcommand(const QString &name)
{
    for (const Subcommand &command : subcommands())
        if (command.name == name)
            return &command;
    return nullptr;
}

// The store of the folder, opened with its key; never created here: a command on a folder
// without a store is a mistake, not a new diary. A command that only reads leaves every byte
// of the folder as it was, so it works on a read-only folder and on a store of an older schema
// that holds what it reads.
std::optional<QString> openStore(Program &program, const Subcommand &command)
{
    if (command.storeUse.access == StoreAccess::None)
        return std::nullopt;
    const QString shownFolder = QDir::toNativeSeparators(program.folder());
    if (!QFileInfo(program.folder()).isDir())
        return QStringLiteral("Finner ikke programmappa %1.").arg(shownFolder);
    if (!QFileInfo(program.filePath(Program::MainFileName)).isFile())
        return QStringLiteral("Finner ingen database (%1) i mappa %2.").arg(Program::MainFileName, shownFolder);
    try {
        if (command.storeUse.access == StoreAccess::Writes) {
            program.openMainConnection();
            program.openObserverConnection();
            return std::nullopt;
        }
        program.openStoreReadOnly();
        const int schema = schemaVersionOf(program.mainConnection());
        if (schema < command.storeUse.oldestSchema)
            return QStringLiteral("Databasen i mappa %1 har databaseoppsett %2, og «%3» trenger oppsett %4 eller "
                                  "nyere. Kommandoen endrer ikke databasen; start Lirvenda med mappa én gang, så "
                                  "blir den oppgradert.")
                .arg(shownFolder)
                .arg(schema)
                .arg(command.name)
                .arg(command.storeUse.oldestSchema);
    } catch (const DatabaseError &error) {
        return error.message();
    }
    return std::nullopt;
}

QCommandLineOption helpOption()
{
    return {{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Vis denne hjelpen.")};
}

QCommandLineOption folderOption()
{
    return {QStringLiteral("folder"), QStringLiteral("Programmappa (standard: $LIRVENDA_FOLDER eller ~/Lirvenda)."),
            QStringLiteral("DIR")};
}

QList<QCommandLineOption> everyCommandsOptions()
{
    QList<QCommandLineOption> options;
    QStringList names;
    for (const Subcommand &command : subcommands())
        for (const QCommandLineOption &option : command.options)
            if (!names.contains(option.names().constFirst())) {
                names += option.names().constFirst();
                options += option;
            }
    return options;
}

// The names of the options that take a value, the window's and every command's, so that a
// value is never taken for the command's name.
QStringList optionsWithValues()
{
    QStringList names{QStringLiteral("folder"), QStringLiteral("screenshot")};
    for (const Subcommand &command : subcommands())
        for (const QCommandLineOption &option : command.options)
            if (!option.valueName().isEmpty())
                names += option.names();
    return names;
}

QString usageOf(const Subcommand &command)
{
    QStringList words{command.name};
    for (qsizetype i = 0; i < command.arguments.size(); ++i) {
        const bool optional = i >= command.arguments.size() - command.optionalArguments;
        words += optional ? QStringLiteral("[%1]").arg(command.arguments[i].name) : command.arguments[i].name;
    }
    return words.join(QLatin1Char(' '));
}

void describe(QCommandLineParser &parser, const Subcommand &command)
{
    parser.setApplicationDescription(command.description);
    parser.addPositionalArgument(command.name, command.description);
    for (const CommandArgument &argument : command.arguments)
        parser.addPositionalArgument(argument.name, argument.description);
}

// Whether the number of words after the command's name is one the command takes.
bool takesWords(const Subcommand &command, qsizetype words)
{
    return words <= command.arguments.size() && words >= command.arguments.size() - command.optionalArguments;
}

int runOnStore(const Subcommand &command, const QCommandLineParser &parser, const QString &folder)
{
    Program program(folder.isEmpty() ? Program::defaultFolder() : folder);
    if (const std::optional<QString> problem = openStore(program, command))
        return refuse(*problem);
    try {
        return command.run(program, CommandArguments(parser, parser.positionalArguments().mid(1)));
    } catch (const DatabaseError &error) {
        return fail(error.message());
    }
}

} // namespace

CommandArguments::CommandArguments(const QCommandLineParser &parser, QStringList words)
    : m_parser(parser), m_words(std::move(words))
{
}

int refuseUse(const QString &program, const QString &message)
{
    return refuse(QStringLiteral("%1\nSe «%2 --help».").arg(message, QFileInfo(program).fileName()));
}

QString subcommandSummary()
{
    QString summary = QStringLiteral("Kommandoer (hver med --folder DIR):\n");
    for (const Subcommand &command : subcommands())
        summary += QStringLiteral("  %1  %2\n").arg(usageOf(command), -12).arg(command.description);
    return summary;
}

QString commandWordOf(const QStringList &arguments)
{
    const QStringList withValues = optionsWithValues();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &word = arguments[i];
        if (!word.startsWith(QLatin1Char('-')) || word == QLatin1String("-"))
            return word;
        if (word == QLatin1String("--"))
            return arguments.value(i + 1);
        const QString name = word.mid(word.startsWith(QLatin1String("--")) ? 2 : 1);
        if (!name.contains(QLatin1Char('=')) && withValues.contains(name))
            ++i;
    }
    return {};
}

int runSubcommand(const QStringList &arguments)
{
    const QString word = commandWordOf(arguments);
    const Subcommand *command = findSubcommand(word);
    QCommandLineParser parser;
    const QCommandLineOption help = helpOption();
    const QCommandLineOption folder = folderOption();
    parser.addOption(help);
    parser.addOption(folder);
    // A mistyped option is named before a mistyped command.
    parser.addOptions(command ? command->options : everyCommandsOptions());
    if (!parser.parse(arguments))
        return refuseUse(arguments.first(), parser.errorText());
    if (!command)
        return refuseUse(arguments.first(), QStringLiteral("Ukjent kommando «%1».").arg(word));
    describe(parser, *command);
    if (parser.isSet(help)) {
        out() << parser.helpText();
        return CommandSucceeded;
    }
    if (parser.positionalArguments().value(0) != command->name ||
        !takesWords(*command, parser.positionalArguments().size() - 1))
        return refuse(QStringLiteral("Bruk: %1 %2 [--folder DIR]")
                          .arg(QFileInfo(arguments.first()).fileName(), usageOf(*command)));
    return runOnStore(*command, parser, parser.value(folder));
}

} // namespace lirvenda
