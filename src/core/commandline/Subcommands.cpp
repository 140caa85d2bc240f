#include "core/commandline/Subcommands.h"

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

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int refuse(const QString &message)
{
    err() << message << Qt::endl;
    return CommandRefused;
}

int fail(const QString &message)
{
    err() << message << Qt::endl;
    return CommandFailed;
}

// How a command opens the store: to write, brought up to the current schema first; or only
// to read, as it is, from the oldest schema version that holds what the command reads.
struct StoreUse {
    bool writes;
    int oldestSchema = 0;
};

struct Subcommand {
    QString name;
    QString argument; // the positional argument it needs, empty when none
    QString argumentDescription;
    QString description;
    StoreUse storeUse;
    std::function<int(Program &program, const QString &argument)> run;
};

int writePortalFiles(Program &program, const QString &)
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

int yearStatistics(Program &program, const QString &argument)
{
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

int reportStoreCheck(Program &program, const QString &)
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

int backupStore(Program &program, const QString &target)
{
    backupDatabase(program.mainConnection(), target);
    out() << QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()) << Qt::endl;
    return CommandSucceeded;
}

const QList<Subcommand> &subcommands()
{
    static const QList<Subcommand> all{
        {QStringLiteral("export"),
         {},
         {},
         QStringLiteral("Lag excel-ark av de urapporterte observasjonene til rapporteringsportalen."),
         {.writes = true},
         writePortalFiles},
        {QStringLiteral("stats"),
         QStringLiteral("ÅR"),
         QStringLiteral("Året, for eksempel 2024."),
         QStringLiteral("Skriv årsstatistikken for ÅR (UTF-8)."),
         {.writes = false, .oldestSchema = YearIndexSchema},
         yearStatistics},
        {QStringLiteral("check"),
         {},
         {},
         QStringLiteral("Sjekk databasen for skader og brutte sammenhenger."),
         {.writes = false},
         reportStoreCheck},
        {QStringLiteral("backup"),
         QStringLiteral("FIL"),
         QStringLiteral("Kopien; en fil som ikke finnes fra før."),
         QStringLiteral("Lag en kryptert sikkerhetskopi av databasen i FIL (en ny fil)."),
         {.writes = false},
         backupStore},
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
    const QString shownFolder = QDir::toNativeSeparators(program.folder());
    if (!QFileInfo(program.folder()).isDir())
        return QStringLiteral("Finner ikke programmappa %1.").arg(shownFolder);
    if (!QFileInfo(program.filePath(Program::MainFileName)).isFile())
        return QStringLiteral("Finner ingen database (%1) i mappa %2.").arg(Program::MainFileName, shownFolder);
    try {
        if (command.storeUse.writes) {
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

} // namespace

int refuseUse(const QString &program, const QString &message)
{
    return refuse(QStringLiteral("%1\nSe «%2 --help».").arg(message, QFileInfo(program).fileName()));
}

QString subcommandSummary()
{
    QString summary = QStringLiteral("Kommandoer (hver med --folder DIR):\n");
    for (const Subcommand &command : subcommands()) {
        const QString usage = (command.name + QLatin1Char(' ') + command.argument).trimmed();
        summary += QStringLiteral("  %1  %2\n").arg(usage, -12).arg(command.description);
    }
    return summary;
}

int runSubcommand(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Vis denne hjelpen."));
    const QCommandLineOption folder(QStringLiteral("folder"),
                                    QStringLiteral("Programmappa (standard: $LIRVENDA_FOLDER eller ~/Lirvenda)."),
                                    QStringLiteral("DIR"));
    parser.addOption(help);
    parser.addOption(folder);
    if (!parser.parse(arguments))
        return refuseUse(arguments.first(), parser.errorText());
    // The command is the first word that is no option, wherever the options stand.
    const Subcommand *command = findSubcommand(parser.positionalArguments().value(0));
    if (!command)
        return refuseUse(arguments.first(),
                         QStringLiteral("Ukjent kommando «%1».").arg(parser.positionalArguments().value(0)));
    parser.setApplicationDescription(command->description);
    parser.addPositionalArgument(command->name, command->description);
    if (!command->argument.isEmpty())
        parser.addPositionalArgument(command->argument, command->argumentDescription);
    if (parser.isSet(help)) {
        out() << parser.helpText();
        return CommandSucceeded;
    }
    const qsizetype wanted = command->argument.isEmpty() ? 1 : 2;
    if (parser.positionalArguments().size() != wanted)
        return refuse(QStringLiteral("Bruk: %1 %2 %3 [--folder DIR]")
                          .arg(QFileInfo(arguments.first()).fileName(), command->name, command->argument)
                          .simplified());

    Program program(parser.isSet(folder) ? parser.value(folder) : Program::defaultFolder());
    if (const std::optional<QString> problem = openStore(program, *command))
        return refuse(*problem);
    try {
        return command->run(program, parser.positionalArguments().value(1));
    } catch (const DatabaseError &error) {
        return fail(error.message());
    }
}

} // namespace lirvenda
