#include "core/commandline/Subcommands.h"

#include "core/commandline/BackupCommands.h"
#include "core/commandline/ExchangeCommands.h"
#include "core/commandline/ListCommands.h"
#include "core/commandline/ProgramOptions.h"
#include "core/commandline/ShellCompletion.h"
#include "core/commandline/TableOutput.h"
#include "core/exchange/CalcEngineModule.h"
#include "core/exchange/PortalExport.h"
#include "core/species/Species.h"
#include "core/statistics/YearStatistics.h"
#include "core/store/Program.h"
#include "core/store/Schema.h"
#include "core/store/StoreCheck.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <functional>
#include <numeric>
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
    err() << QCoreApplication::translate("Subcommands", "Lager excel-ark med %1 observasjoner …").arg(total)
          << Qt::endl;
    try {
        const std::unique_ptr<SpreadsheetEngine> engine = startCalcEngine();
        const QStringList files = exportUnreported(program, *engine, templatePath, today, [total](int done) {
            err() << QCoreApplication::translate("Subcommands", "%1 av %2 observasjoner skrevet").arg(done).arg(total)
                  << Qt::endl;
        });
        for (const QString &file : files)
            out() << QDir::toNativeSeparators(program.filePath(file)) << Qt::endl;
    } catch (const SpreadsheetError &error) {
        return fail(exportFailedMessage(error.message()));
    }
    return CommandSucceeded;
}

const Subcommand *findSubcommand(const QString &name);
QString commandHelpText(const Subcommand &command);

// The program's help, or a command's, as --help shows it.
int showHelp(Program &, const CommandArguments &arguments)
{
    if (arguments.word(0).isEmpty()) {
        QCommandLineParser parser;
        describeProgram(parser, WindowOptions());
        out() << parser.helpText();
        return CommandSucceeded;
    }
    const Subcommand *command = findSubcommand(arguments.word(0));
    if (!command)
        return refuse(QCoreApplication::translate("Subcommands", "Ukjent kommando «%1».").arg(arguments.word(0)));
    out() << commandHelpText(*command);
    return CommandSucceeded;
}

int printCompletion(Program &, const CommandArguments &arguments)
{
    out() << completionScript(arguments.word(0) == QLatin1String("zsh") ? Shell::Zsh : Shell::Bash);
    return CommandSucceeded;
}

// The year's species with their counts month by month, for scripts.
OutputTable yearTable(Program &program, const YearStatistics &statistics)
{
    OutputTable table{{QStringLiteral("key"), QStringLiteral("name"), QStringLiteral("total")}, {}};
    for (int month = 1; month <= 12; ++month)
        table.fields += QStringLiteral("month_%1").arg(month);
    QStringList keys = statistics.speciesMonths.keys();
    keys.sort();
    for (const QString &key : keys) {
        const MonthValues &months = statistics.speciesMonths[key];
        QStringList row{key, speciesDisplayName(program, key, false),
                        QString::number(std::accumulate(months.begin(), months.end(), qint64(0)))};
        for (const qint64 count : months)
            row += QString::number(count);
        table.rows += row;
    }
    return table;
}

int yearStatistics(Program &program, const CommandArguments &arguments)
{
    const QString argument = arguments.word(0);
    bool isNumber = false;
    const int year = argument.toInt(&isNumber);
    if (!isNumber || year < 1 || year > 9999)
        return refuse(QCoreApplication::translate("Subcommands", "Året må være et tall fra 1 til 9999, ikke «%1».")
                          .arg(argument));
    if (!tableFormatIsClear(arguments))
        return refuse(QCoreApplication::translate("Subcommands", "Velg én av --csv og --json."));
    const YearStatistics statistics = computeYearStatistics(program, year);
    if (statistics.report.isEmpty())
        err() << QCoreApplication::translate("Subcommands", "Ingen observasjoner i %1.").arg(year) << Qt::endl;
    if (const std::optional<TableFormat> format = tableFormatOf(arguments))
        writeTable(yearTable(program, statistics), *format);
    else
        for (const QString &line : statistics.report)
            out() << line << Qt::endl;
    return CommandSucceeded;
}

// What the check looked at and what it found, one row each, for scripts.
OutputTable checkTable(const StoreCheckResult &result)
{
    OutputTable table{{QStringLiteral("kind"), QStringLiteral("text")}, {}};
    for (const QString &line : result.summary)
        table.rows += QStringList{QStringLiteral("summary"), line};
    for (const QString &line : result.problems)
        table.rows += QStringList{QStringLiteral("problem"), line};
    return table;
}

int reportStoreCheck(Program &program, const CommandArguments &arguments)
{
    if (!tableFormatIsClear(arguments))
        return refuse(QCoreApplication::translate("Subcommands", "Velg én av --csv og --json."));
    const StoreCheckResult result = checkStore(program);
    if (const std::optional<TableFormat> format = tableFormatOf(arguments)) {
        writeTable(checkTable(result), *format);
    } else {
        for (const QString &line : result.summary)
            out() << line << Qt::endl;
        if (result.problems.isEmpty())
            out() << QCoreApplication::translate("Subcommands", "Ingen feil funnet.") << Qt::endl;
        for (const QString &line : result.problems)
            out() << QCoreApplication::translate("Subcommands", "FEIL: ") << line << Qt::endl;
    }
    if (result.problems.isEmpty())
        return CommandSucceeded;
    return fail(QCoreApplication::translate("Subcommands", "%1 feil funnet i %2.")
                    .arg(result.problems.size())
                    .arg(QDir::toNativeSeparators(program.folder())));
}

} // namespace

const QList<Subcommand> &subcommands()
{
    static const QList<Subcommand> all{
        {.name = QStringLiteral("export"),
         .arguments = {{QCoreApplication::translate("Subcommands", "FIL"),
                        QCoreApplication::translate("Subcommands", "Fila med --format."), WordKind::File}},
         .optionalArguments = 1,
         .description = QCoreApplication::translate(
             "Subcommands", "Lag excel-ark av de urapporterte observasjonene til rapporteringsportalen."),
         .options = exportFormatOptions(),
         .storeUse = {StoreAccess::Writes},
         .run = [](Program &program,
                   const CommandArguments &arguments) { return runExport(program, arguments, writePortalFiles); }},
        {.name = QStringLiteral("stats"),
         .arguments = {{QCoreApplication::translate("Subcommands", "ÅR"),
                        QCoreApplication::translate("Subcommands", "Året, for eksempel 2024."), WordKind::Year}},
         .description = QCoreApplication::translate("Subcommands", "Skriv årsstatistikken for ÅR (UTF-8)."),
         .options = {csvOption(), jsonOption()},
         .storeUse = {StoreAccess::Reads, YearIndexSchema},
         .run = yearStatistics},
        {.name = QStringLiteral("check"),
         .description =
             QCoreApplication::translate("Subcommands", "Sjekk databasen for skader og brutte sammenhenger."),
         .options = {csvOption(), jsonOption()},
         .storeUse = {StoreAccess::Reads},
         .run = reportStoreCheck},
        backupCommand(),
        restoreCommand(),
        passphraseCommand(),
        {.name = QStringLiteral("help"),
         .arguments = {{QCoreApplication::translate("Subcommands", "KOMMANDO"),
                        QCoreApplication::translate("Subcommands", "Kommandoen hjelpen gjelder."), WordKind::Command}},
         .optionalArguments = 1,
         .description =
             QCoreApplication::translate("Subcommands", "Vis hjelpen for programmet eller for KOMMANDO, som --help."),
         .storeUse = {StoreAccess::None},
         .run = showHelp},
        {.name = QStringLiteral("completion"),
         .arguments = {{QCoreApplication::translate("Subcommands", "SKALL"),
                        QCoreApplication::translate("Subcommands", "bash eller zsh."),
                        WordKind::Choice,
                        {QStringLiteral("bash"), QStringLiteral("zsh")}}},
         .description =
             QCoreApplication::translate("Subcommands", "Skriv skriptet som fullfører kommandoer og valg i SKALL."),
         .storeUse = {StoreAccess::None},
         .run = printCompletion},
        listsCommand(),
        arrivalsCommand(),
        importCommand(),
        searchCommand(),
    };
    return all;
}

namespace {

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
        return QCoreApplication::translate("Subcommands", "Finner ikke programmappa %1.").arg(shownFolder);
    if (!QFileInfo(program.filePath(Program::MainFileName)).isFile())
        return QCoreApplication::translate("Subcommands", "Finner ingen database (%1) i mappa %2.")
            .arg(Program::MainFileName, shownFolder);
    try {
        if (command.storeUse.access == StoreAccess::Writes) {
            program.openMainConnection();
            program.openObserverConnection();
            return std::nullopt;
        }
        program.openStoreReadOnly();
        const int schema = schemaVersionOf(program.mainConnection());
        if (schema < command.storeUse.oldestSchema)
            return QCoreApplication::translate(
                       "Subcommands", "Databasen i mappa %1 har databaseoppsett %2, og «%3» trenger oppsett %4 eller "
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
    return {{QStringLiteral("h"), QStringLiteral("help")},
            QCoreApplication::translate("Subcommands", "Vis denne hjelpen.")};
}

QCommandLineOption folderOption() { return WindowOptions().folder; }

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

// A parser that knows the command's options and the options every command has.
void prepareParser(QCommandLineParser &parser, const Subcommand *command)
{
    parser.addOption(helpOption());
    parser.addOption(folderOption());
    // A mistyped option is named before a mistyped command.
    parser.addOptions(command ? command->options : everyCommandsOptions());
}

QString commandHelpText(const Subcommand &command)
{
    QCommandLineParser parser;
    prepareParser(parser, &command);
    describe(parser, command);
    return parser.helpText();
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
    return refuse(
        QCoreApplication::translate("Subcommands", "%1\nSe «%2 --help».").arg(message, QFileInfo(program).fileName()));
}

QString subcommandSummary()
{
    qsizetype width = 0;
    for (const Subcommand &command : subcommands())
        width = std::max(width, usageOf(command).size());
    QString summary = QCoreApplication::translate("Subcommands", "Kommandoer (hver med --folder DIR):\n");
    for (const Subcommand &command : subcommands())
        summary += QStringLiteral("  %1  %2\n").arg(usageOf(command), -int(width)).arg(command.description);
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
    prepareParser(parser, command);
    if (!parser.parse(arguments))
        return refuseUse(arguments.first(), parser.errorText());
    if (!command)
        return refuseUse(arguments.first(),
                         QCoreApplication::translate("Subcommands", "Ukjent kommando «%1».").arg(word));
    if (parser.isSet(QStringLiteral("help"))) {
        out() << commandHelpText(*command);
        return CommandSucceeded;
    }
    if (parser.positionalArguments().value(0) != command->name ||
        !takesWords(*command, parser.positionalArguments().size() - 1))
        return refuse(QCoreApplication::translate("Subcommands", "Bruk: %1 %2 [--folder DIR]")
                          .arg(QFileInfo(arguments.first()).fileName(), usageOf(*command)));
    return runOnStore(*command, parser, parser.value(QStringLiteral("folder")));
}

} // namespace lirvenda
