#include "core/commandline/ExchangeCommands.h"

#include "core/commandline/TableOutput.h"
#include "core/exchange/AtlasImport.h"
#include "core/exchange/DarwinCoreArchive.h"
#include "core/exchange/EbirdExport.h"
#include "core/exchange/EbirdImport.h"
#include "core/exchange/ExportFile.h"
#include "core/exchange/ExportRows.h"
#include "core/exchange/ObservationCsv.h"
#include "core/shared/ArchiveFile.h"
#include "core/shared/Csv.h"
#include "core/shared/DisplayTexts.h"
#include "core/store/Program.h"

#include <QDir>
#include <QFileInfo>

namespace lirvenda {

namespace {

const QString ObserverOption = QStringLiteral("observer");
const QString DryRunOption = QStringLiteral("dry-run");
const QString FormatOption = QStringLiteral("format");
const QString YearOption = QStringLiteral("year");
const QString PrefixOption = QStringLiteral("dataset-prefix");
const QString LicenceOption = QStringLiteral("licence");

std::optional<qint64> chosenObserver(Program &program, const CommandArguments &arguments)
{
    if (!arguments.isSet(ObserverOption))
        return defaultImportObserver(program);
    bool isNumber = false;
    const qint64 id = arguments.value(ObserverOption).toLongLong(&isNumber);
    return isNumber ? std::optional<qint64>(id) : std::nullopt;
}

int importFromEbird(Program &program, const CommandArguments &arguments)
{
    if (arguments.word(0) != QLatin1String("ebird"))
        return refuseCommand(QStringLiteral("Ukjent kilde «%1»; kjente kilder: ebird.").arg(arguments.word(0)));
    const std::optional<qint64> observer = chosenObserver(program, arguments);
    if (!observer)
        return refuseCommand(
            QStringLiteral("Velg observatøren med --observer NUMMER (ObserverID): ingen "
                           "hovedobservatør er lagret i MainObserver.txt, eller nummeret er ugyldig."));
    if (const QString refusal = importObserverRefusal(program, *observer); !refusal.isEmpty())
        return refuseCommand(refusal);
    EbirdImportPlan plan;
    try {
        plan = planEbirdImport(program, arguments.word(1), *observer);
    } catch (const EbirdImportError &error) {
        return failCommand(error.message());
    }
    for (const QString &line : plan.report())
        commandOutput() << line << Qt::endl;
    if (arguments.isSet(DryRunOption) || plan.rows.isEmpty())
        return CommandSucceeded;
    const QString backup = backUpObservations(program);
    const int added = importEbird(program, plan);
    commandOutput() << QStringLiteral("Importert: %1").arg(added) << Qt::endl
                    << QStringLiteral("Sikkerhetskopi: %1").arg(QDir::toNativeSeparators(backup)) << Qt::endl;
    return CommandSucceeded;
}

std::optional<ArchiveCriteria> criteriaOf(const CommandArguments &arguments)
{
    if (!arguments.isSet(YearOption))
        return ArchiveCriteria();
    const std::optional<qint64> year = yearNumber(arguments.value(YearOption));
    return year ? std::optional<ArchiveCriteria>(yearCriteria(int(*year))) : std::nullopt;
}

std::optional<DarwinCoreSettings> darwinCoreSettings(Program &program, const CommandArguments &arguments)
{
    DarwinCoreSettings settings = defaultDarwinCoreSettings(program);
    if (arguments.isSet(PrefixOption))
        settings.datasetPrefix = arguments.value(PrefixOption);
    if (arguments.isSet(LicenceOption)) {
        const std::optional<Licence> licence = licenceNamed(arguments.value(LicenceOption));
        if (!licence)
            return std::nullopt;
        settings.licence = *licence;
    }
    return settings;
}

int exportInFormat(Program &program, const CommandArguments &arguments)
{
    const QString format = arguments.value(FormatOption);
    const QString path = arguments.word(0);
    const std::optional<ArchiveCriteria> criteria = criteriaOf(arguments);
    if (path.isEmpty())
        return refuseCommand(QStringLiteral("Oppgi fila eksporten skal skrives til."));
    if (!criteria)
        return refuseCommand(
            QStringLiteral("Året må være et tall fra 1 til 9999, ikke «%1».").arg(arguments.value(YearOption)));
    qint64 written = 0;
    if (format == QLatin1String("ebird"))
        written = exportEbird(program, *criteria, path);
    else if (format == QLatin1String("csv"))
        written = exportObservationCsv(program, *criteria, path);
    else if (format == QLatin1String("dwca")) {
        const std::optional<DarwinCoreSettings> settings = darwinCoreSettings(program, arguments);
        if (!settings)
            return refuseCommand(QStringLiteral("Ukjent lisens «%1»; velg en av: %2.")
                                     .arg(arguments.value(LicenceOption), licenceNames().join(QStringLiteral(", "))));
        written = exportDarwinCore(program, *criteria, *settings, path);
        rememberDatasetPrefix(program, settings->datasetPrefix);
    } else
        return refuseCommand(QStringLiteral("Ukjent format «%1»; kjente formater: ebird, dwca, csv.").arg(format));
    commandErrors() << QStringLiteral("%1 observasjoner skrevet.").arg(written) << Qt::endl;
    commandOutput() << QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()) << Qt::endl;
    return CommandSucceeded;
}

// The archive's text criteria by option name, the window's row captions in lower case.
const QList<std::pair<QString, std::optional<QString> ArchiveCriteria::*>> TextCriteria = {
    {QStringLiteral("art"), &ArchiveCriteria::species},
    {QStringLiteral("observatør"), &ArchiveCriteria::observer},
    {QStringLiteral("kjønn"), &ArchiveCriteria::sex},
    {QStringLiteral("alder"), &ArchiveCriteria::age},
    {QStringLiteral("aktivitet"), &ArchiveCriteria::activity},
    {QStringLiteral("lokalitet"), &ArchiveCriteria::locality},
    {QStringLiteral("kommune"), &ArchiveCriteria::place},
};
const QList<std::pair<QString, NumberRow ArchiveCriteria::*>> NumberCriteria = {
    {QStringLiteral("antall"), &ArchiveCriteria::count},
    {QStringLiteral("dag"), &ArchiveCriteria::day},
    {QStringLiteral("måned"), &ArchiveCriteria::month},
    {QStringLiteral("år"), &ArchiveCriteria::year},
};

// "OP N" as a number row: an operator of the list ("=" when none is written), then the number.
NumberRow numberRowOf(const QString &text)
{
    const QString written = text.simplified();
    for (const QString &comparison : {QStringLiteral(">="), QStringLiteral("<="), QStringLiteral("<>"),
                                      QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<")})
        if (written.startsWith(comparison))
            return {int(ComparisonTexts.indexOf(comparison)), written.mid(comparison.size()).trimmed()};
    return {0, written};
}

ArchiveCriteria searchCriteria(const CommandArguments &arguments)
{
    ArchiveCriteria criteria;
    for (const auto &[name, member] : TextCriteria)
        if (arguments.isSet(name))
            criteria.*member = arguments.value(name);
    for (const auto &[name, member] : NumberCriteria)
        if (arguments.isSet(name))
            criteria.*member = numberRowOf(arguments.value(name));
    return criteria;
}

int searchObservations(Program &program, const CommandArguments &arguments)
{
    const ArchiveCriteria criteria = searchCriteria(arguments);
    for (const auto &[name, member] : NumberCriteria)
        if (arguments.isSet(name) &&
            !(name == QLatin1String("år") ? (criteria.*member).year() : (criteria.*member).number()))
            return refuseCommand(QStringLiteral("--%1 tar en operator og et tall, som \">= 5\", ikke «%2».")
                                     .arg(name, arguments.value(name)));
    if (!tableFormatIsClear(arguments))
        return refuseCommand(QStringLiteral("Velg én av --csv og --json."));
    const std::optional<TableFormat> format = tableFormatOf(arguments);
    if (!format) {
        const ArchiveResult result = searchArchive(program, criteria);
        for (const KeyedEntry &line : result.lines)
            commandOutput() << line.text.left(line.text.lastIndexOf(QLatin1Char('['))).trimmed() << Qt::endl;
        commandErrors() << result.caption() << Qt::endl;
    } else if (*format == TableFormat::Csv) { // streamed: every match, in constant memory
        commandOutput() << csvRecord(observationCsvHeader());
        forEachExportRow(program, criteria,
                         [](const ExportRow &row) { commandOutput() << csvRecord(observationCsvFields(row)); });
        commandOutput().flush();
    } else {
        OutputTable table{observationCsvHeader(), {}};
        forEachExportRow(program, criteria,
                         [&table](const ExportRow &row) { table.rows += observationCsvFields(row); });
        writeTable(table, *format);
    }
    return CommandSucceeded;
}

} // namespace

Subcommand searchCommand()
{
    QList<QCommandLineOption> options;
    for (const auto &[name, member] : TextCriteria)
        options += QCommandLineOption(name, QStringLiteral("Som arkivets rad «%1».").arg(capitalizeFirst(name)),
                                      QStringLiteral("VERDI"));
    for (const auto &[name, member] : NumberCriteria)
        options += QCommandLineOption(
            name, QStringLiteral("Som arkivets rad «%1:», for eksempel \">= 5\".").arg(capitalizeFirst(name)),
            QStringLiteral("OP TALL"));
    options << csvOption() << jsonOption();
    return {.name = QStringLiteral("search"),
            .description = QStringLiteral("Søk i arkivet; med --csv eller --json alle treffene med navngitte felt."),
            .options = options,
            .storeUse = {StoreAccess::Reads},
            .run = searchObservations};
}

Subcommand importCommand()
{
    return {.name = QStringLiteral("import"),
            .arguments = {{QStringLiteral("KILDE"),
                           QStringLiteral("Hvor fila kommer fra: ebird (\"My eBird Data\")."),
                           WordKind::Choice,
                           {QStringLiteral("ebird")}},
                          {QStringLiteral("FIL"), QStringLiteral("Fila som importeres."), WordKind::File}},
            .description = QStringLiteral("Importer observasjoner fra en fil; vis først hva som blir importert."),
            .options = {{ObserverOption, QStringLiteral("Observatøren (ObserverID); standard: hovedobservatøren."),
                         QStringLiteral("ID")},
                        {DryRunOption, QStringLiteral("Vis bare hva som ville bli importert.")}},
            .storeUse = {StoreAccess::Writes},
            .run = importFromEbird};
}

QList<QCommandLineOption> exportFormatOptions()
{
    return {
        {FormatOption, QStringLiteral("ebird, dwca (Darwin Core-arkiv, .zip) eller csv; uten: til portalen."),
         QStringLiteral("FORMAT")},
        {YearOption, QStringLiteral("Bare observasjonene fra dette året."), QStringLiteral("ÅR")},
        {PrefixOption, QStringLiteral("dwca: prefikset som gjør occurrenceID unik."), QStringLiteral("PREFIKS")},
        {LicenceOption, QStringLiteral("dwca: CC0, \"CC BY 4.0\" eller \"CC BY-NC 4.0\"."), QStringLiteral("LISENS")}};
}

int runExport(Program &program, const CommandArguments &arguments,
              const std::function<int(Program &, const CommandArguments &)> &portalExport)
{
    if (!arguments.isSet(FormatOption)) {
        if (!arguments.words().isEmpty() || arguments.isSet(YearOption))
            return refuseCommand(QStringLiteral("Fil og --year gjelder bare sammen med --format."));
        return portalExport(program, arguments);
    }
    try {
        return exportInFormat(program, arguments);
    } catch (const ExportError &error) {
        return failCommand(error.message());
    } catch (const ArchiveError &error) {
        return failCommand(error.message());
    }
}

} // namespace lirvenda
