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
#include "core/store/Program.h"

#include <QCoreApplication>
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
        return refuseCommand(QCoreApplication::translate("ExchangeCommands", "Ukjent kilde «%1»; kjente kilder: ebird.")
                                 .arg(arguments.word(0)));
    const std::optional<qint64> observer = chosenObserver(program, arguments);
    if (!observer)
        return refuseCommand(QCoreApplication::translate(
            "ExchangeCommands", "Velg observatøren med --observer NUMMER (ObserverID): ingen "
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
    commandOutput()
        << QCoreApplication::translate("ExchangeCommands", "Importert: %1").arg(added) << Qt::endl
        << QCoreApplication::translate("ExchangeCommands", "Sikkerhetskopi: %1").arg(QDir::toNativeSeparators(backup))
        << Qt::endl;
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
        return refuseCommand(QCoreApplication::translate("ExchangeCommands", "Oppgi fila eksporten skal skrives til."));
    if (!criteria)
        return refuseCommand(
            QCoreApplication::translate("ExchangeCommands", "Året må være et tall fra 1 til 9999, ikke «%1».")
                .arg(arguments.value(YearOption)));
    qint64 written = 0;
    if (format == QLatin1String("ebird"))
        written = exportEbird(program, *criteria, path);
    else if (format == QLatin1String("csv"))
        written = exportObservationCsv(program, *criteria, path);
    else if (format == QLatin1String("dwca")) {
        const std::optional<DarwinCoreSettings> settings = darwinCoreSettings(program, arguments);
        if (!settings)
            return refuseCommand(QCoreApplication::translate("ExchangeCommands", "Ukjent lisens «%1»; velg en av: %2.")
                                     .arg(arguments.value(LicenceOption), licenceNames().join(QStringLiteral(", "))));
        written = exportDarwinCore(program, *criteria, *settings, path);
        rememberDatasetPrefix(program, settings->datasetPrefix);
    } else
        return refuseCommand(
            QCoreApplication::translate("ExchangeCommands", "Ukjent format «%1»; kjente formater: ebird, dwca, csv.")
                .arg(format));
    commandErrors() << QCoreApplication::translate("ExchangeCommands", "%1 observasjoner skrevet.").arg(written)
                    << Qt::endl;
    commandOutput() << QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()) << Qt::endl;
    return CommandSucceeded;
}

// The archive's criteria by option name, the window's row captions in lower case, with the
// row's caption as --help shows it.
template <typename Row>
struct Criterion {
    QString option;
    const char *row;
    Row ArchiveCriteria::*member;
};
const QList<Criterion<std::optional<QString>>> TextCriteria = {
    {QStringLiteral("art"), QT_TRANSLATE_NOOP("ExchangeCommands", "Art"), &ArchiveCriteria::species},
    {QStringLiteral("observatør"), QT_TRANSLATE_NOOP("ExchangeCommands", "Observatør"), &ArchiveCriteria::observer},
    {QStringLiteral("kjønn"), QT_TRANSLATE_NOOP("ExchangeCommands", "Kjønn"), &ArchiveCriteria::sex},
    {QStringLiteral("alder"), QT_TRANSLATE_NOOP("ExchangeCommands", "Alder"), &ArchiveCriteria::age},
    {QStringLiteral("aktivitet"), QT_TRANSLATE_NOOP("ExchangeCommands", "Aktivitet"), &ArchiveCriteria::activity},
    {QStringLiteral("lokalitet"), QT_TRANSLATE_NOOP("ExchangeCommands", "Lokalitet"), &ArchiveCriteria::locality},
    {QStringLiteral("kommune"), QT_TRANSLATE_NOOP("ExchangeCommands", "Kommune"), &ArchiveCriteria::place},
};
const QList<Criterion<NumberRow>> NumberCriteria = {
    {QStringLiteral("antall"), QT_TRANSLATE_NOOP("ExchangeCommands", "Antall"), &ArchiveCriteria::count},
    {QStringLiteral("dag"), QT_TRANSLATE_NOOP("ExchangeCommands", "Dag"), &ArchiveCriteria::day},
    {QStringLiteral("måned"), QT_TRANSLATE_NOOP("ExchangeCommands", "Måned"), &ArchiveCriteria::month},
    {QStringLiteral("år"), QT_TRANSLATE_NOOP("ExchangeCommands", "År"), &ArchiveCriteria::year},
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
    for (const auto &[name, row, member] : TextCriteria)
        if (arguments.isSet(name))
            criteria.*member = arguments.value(name);
    for (const auto &[name, row, member] : NumberCriteria)
        if (arguments.isSet(name))
            criteria.*member = numberRowOf(arguments.value(name));
    return criteria;
}

int searchObservations(Program &program, const CommandArguments &arguments)
{
    const ArchiveCriteria criteria = searchCriteria(arguments);
    for (const auto &[name, row, member] : NumberCriteria)
        if (arguments.isSet(name) &&
            !(name == QLatin1String("år") ? (criteria.*member).year() : (criteria.*member).number()))
            return refuseCommand(QCoreApplication::translate(
                                     "ExchangeCommands", "--%1 tar en operator og et tall, som \">= 5\", ikke «%2».")
                                     .arg(name, arguments.value(name)));
    if (!tableFormatIsClear(arguments))
        return refuseCommand(QCoreApplication::translate("ExchangeCommands", "Velg én av --csv og --json."));
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
    for (const auto &[name, row, member] : TextCriteria)
        options += QCommandLineOption(name,
                                      QCoreApplication::translate("ExchangeCommands", "Som arkivets rad «%1».")
                                          .arg(QCoreApplication::translate("ExchangeCommands", row)),
                                      QCoreApplication::translate("ExchangeCommands", "VERDI"));
    for (const auto &[name, row, member] : NumberCriteria)
        options += QCommandLineOption(
            name,
            QCoreApplication::translate("ExchangeCommands", "Som arkivets rad «%1:», for eksempel \">= 5\".")
                .arg(QCoreApplication::translate("ExchangeCommands", row)),
            QCoreApplication::translate("ExchangeCommands", "OP TALL"));
    options << csvOption() << jsonOption();
    return {.name = QStringLiteral("search"),
            .description = QCoreApplication::translate(
                "ExchangeCommands", "Søk i arkivet; med --csv eller --json alle treffene med navngitte felt."),
            .options = options,
            .storeUse = {StoreAccess::Reads},
            .run = searchObservations};
}

Subcommand importCommand()
{
    return {.name = QStringLiteral("import"),
            .arguments = {{QCoreApplication::translate("ExchangeCommands", "KILDE"),
                           QCoreApplication::translate("ExchangeCommands",
                                                       "Hvor fila kommer fra: ebird (\"My eBird Data\")."),
                           WordKind::Choice,
                           {QStringLiteral("ebird")}},
                          {QCoreApplication::translate("ExchangeCommands", "FIL"),
                           QCoreApplication::translate("ExchangeCommands", "Fila som importeres."), WordKind::File}},
            .description = QCoreApplication::translate(
                "ExchangeCommands", "Importer observasjoner fra en fil; vis først hva som blir importert."),
            .options = {{ObserverOption,
                         QCoreApplication::translate("ExchangeCommands",
                                                     "Observatøren (ObserverID); standard: hovedobservatøren."),
                         QStringLiteral("ID")},
                        {DryRunOption,
                         QCoreApplication::translate("ExchangeCommands", "Vis bare hva som ville bli importert.")}},
            .storeUse = {StoreAccess::Writes},
            .run = importFromEbird};
}

QList<QCommandLineOption> exportFormatOptions()
{
    return {{FormatOption,
             QCoreApplication::translate("ExchangeCommands",
                                         "ebird, dwca (Darwin Core-arkiv, .zip) eller csv; uten: til portalen."),
             QCoreApplication::translate("ExchangeCommands", "FORMAT")},
            {YearOption, QCoreApplication::translate("ExchangeCommands", "Bare observasjonene fra dette året."),
             QCoreApplication::translate("ExchangeCommands", "ÅR")},
            {PrefixOption,
             QCoreApplication::translate("ExchangeCommands", "dwca: prefikset som gjør occurrenceID unik."),
             QCoreApplication::translate("ExchangeCommands", "PREFIKS")},
            {LicenceOption,
             QCoreApplication::translate("ExchangeCommands", "dwca: CC0, \"CC BY 4.0\" eller \"CC BY-NC 4.0\"."),
             QCoreApplication::translate("ExchangeCommands", "LISENS")}};
}

int runExport(Program &program, const CommandArguments &arguments,
              const std::function<int(Program &, const CommandArguments &)> &portalExport)
{
    if (!arguments.isSet(FormatOption)) {
        if (!arguments.words().isEmpty() || arguments.isSet(YearOption))
            return refuseCommand(
                QCoreApplication::translate("ExchangeCommands", "Fil og --year gjelder bare sammen med --format."));
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
