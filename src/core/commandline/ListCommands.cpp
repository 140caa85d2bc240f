#include "core/commandline/ListCommands.h"

#include "core/lists/ArrivalDates.h"
#include "core/lists/SpeciesLists.h"
#include "core/registration/Places.h"
#include "core/store/Program.h"
#include "core/store/Schema.h"

#include <QTextStream>

#include <optional>
#include <variant>

namespace lirvenda {

namespace {

const QString ClassOption = QStringLiteral("class");
const QString YearOption = QStringLiteral("year");
const QString CsvOption = QStringLiteral("csv");

// The kinds as the command names them, in the order of ListKind.
const QStringList KindWords{QStringLiteral("life"), QStringLiteral("year"), QStringLiteral("county"),
                            QStringLiteral("municipality"), QStringLiteral("locality")};

int writeTable(const ListTable &table, const CommandArguments &arguments)
{
    if (arguments.isSet(CsvOption))
        commandOutput() << table.csv();
    else
        for (const QString &line : table.textLines())
            commandOutput() << line << Qt::endl;
    commandOutput().flush();
    return CommandSucceeded;
}

std::optional<int> yearOf(const QString &word)
{
    bool isNumber = false;
    const int year = word.toInt(&isNumber);
    return isNumber && year >= 1 && year <= 9999 ? std::optional<int>(year) : std::nullopt;
}

// The list the words and options choose, or what is wrong with them.
std::variant<ListChoice, QString> listChoiceOf(Program &program, const CommandArguments &arguments)
{
    const qsizetype kind = KindWords.indexOf(arguments.word(0));
    if (kind < 0)
        return QStringLiteral("Listen må være life, year, county, municipality eller locality, ikke «%1».")
            .arg(arguments.word(0));
    ListChoice choice{ListKind(kind), std::nullopt, arguments.word(1)};
    if ((choice.kind == ListKind::Life) != choice.place.isEmpty())
        return choice.kind == ListKind::Life ? QStringLiteral("Livslista tar ikke flere ord.")
                                             : QStringLiteral("Listen «%1» trenger et ord til.").arg(arguments.word(0));
    const QString yearWord = choice.kind == ListKind::Year ? choice.place : arguments.value(YearOption);
    if (choice.kind == ListKind::Year || arguments.isSet(YearOption)) {
        choice.year = yearOf(yearWord);
        if (!choice.year)
            return QStringLiteral("Året må være et tall fra 1 til 9999, ikke «%1».").arg(yearWord);
    }
    if (choice.kind == ListKind::County && countyName(program, choice.place) == QLatin1String("-"))
        return QStringLiteral("Ukjent fylke «%1».").arg(choice.place);
    if (choice.kind == ListKind::Municipality && !isMunicipalityCode(choice.place))
        return QStringLiteral("Ukjent kommune «%1».").arg(choice.place);
    if (arguments.isSet(ClassOption)) {
        choice.speciesClass = speciesClassNamed(arguments.value(ClassOption));
        if (choice.speciesClass.isEmpty())
            return QStringLiteral("Ukjent artsgruppe «%1».").arg(arguments.value(ClassOption));
    }
    return choice;
}

int writeList(Program &program, const CommandArguments &arguments)
{
    const std::variant<ListChoice, QString> chosen = listChoiceOf(program, arguments);
    if (const QString *problem = std::get_if<QString>(&chosen))
        return refuseCommand(*problem);
    const ListChoice &choice = std::get<ListChoice>(chosen);
    const QList<ListLine> lines = speciesList(program, choice, ListOrder::Systematic);
    return writeTable(listTable(listCaption(program, choice, lines.size()), lines), arguments);
}

int writeArrivals(Program &program, const CommandArguments &arguments)
{
    const QString key = arguments.word(0);
    const QList<YearFirst> firsts = arrivalDates(program, key);
    if (firsts.isEmpty())
        commandErrors() << QStringLiteral("Ingen observasjoner av %1.").arg(key) << Qt::endl;
    SpeciesTaxa taxa(program);
    return writeTable(arrivalTable(QStringLiteral("Ankomstdatoer for %1").arg(taxa.of(key).name), firsts), arguments);
}

QCommandLineOption csvOption()
{
    return {CsvOption, QStringLiteral("Skriv CSV (UTF-8, overskriftsrad) i stedet for tekstlinjer.")};
}

} // namespace

Subcommand listsCommand()
{
    return {
        .name = QStringLiteral("lists"),
        .arguments = {{QStringLiteral("LISTE"), QStringLiteral("life, year, county, municipality eller locality.")},
                      {QStringLiteral("VERDI"),
                       QStringLiteral("Året, fylkets eller kommunens nummer, eller lokalitetens navn.")}},
        .optionalArguments = 1,
        .description = QStringLiteral("Skriv artslista: livsliste, årsliste, fylkes-, kommune- eller "
                                      "lokalitetsliste."),
        .options = {{ClassOption, QStringLiteral("Artsgruppen (Fugler, Pattedyr, Botanikk, Insekter)."),
                     QStringLiteral("KLASSE")},
                    {YearOption, QStringLiteral("Bare dette året (fylke, kommune, lokalitet)."), QStringLiteral("ÅR")},
                    csvOption()},
        .storeUse = {StoreAccess::Reads, SpeciesYearsSchema},
        .run = writeList};
}

Subcommand arrivalsCommand()
{
    return {.name = QStringLiteral("arrivals"),
            .arguments = {{QStringLiteral("ARTSNØKKEL"), QStringLiteral("Artens nøkkel, for eksempel 11870.")}},
            .description = QStringLiteral("Skriv artens første dato hvert år."),
            .options = {csvOption()},
            .storeUse = {StoreAccess::Reads, SpeciesYearsSchema},
            .run = writeArrivals};
}

} // namespace lirvenda
