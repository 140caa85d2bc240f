#include "core/commandline/ListCommands.h"

#include "core/commandline/TableOutput.h"

#include "core/lists/ArrivalDates.h"
#include "core/lists/SpeciesLists.h"
#include "core/registration/Places.h"
#include "core/store/Program.h"
#include "core/store/Schema.h"

#include <QCoreApplication>
#include <QTextStream>

#include <optional>
#include <variant>

namespace lirvenda {

namespace {

const QString ClassOption = QStringLiteral("class");
const QString YearOption = QStringLiteral("year");

// The kinds as the command names them, in the order of ListKind.
const QStringList KindWords{QStringLiteral("life"), QStringLiteral("year"), QStringLiteral("county"),
                            QStringLiteral("municipality"), QStringLiteral("locality")};

// The window's lines under their caption, or the table for scripts in the format asked for.
int writeAnswer(const ListTable &lines, const OutputTable &table, const CommandArguments &arguments)
{
    if (const std::optional<TableFormat> format = tableFormatOf(arguments)) {
        writeTable(table, *format);
        return CommandSucceeded;
    }
    for (const QString &line : shownListTable(lines).textLines())
        commandOutput() << line << Qt::endl;
    return CommandSucceeded;
}

// For scripts: stored date-times, the row numbers of the first sightings, "1" for a new species.
OutputTable scriptTable(const QList<ListLine> &lines)
{
    OutputTable table{{QStringLiteral("key"), QStringLiteral("name"), QStringLiteral("scientific_name"),
                       QStringLiteral("first_seen"), QStringLiteral("first_locality"),
                       QStringLiteral("first_observation"), QStringLiteral("last_seen"), QStringLiteral("observations"),
                       QStringLiteral("individuals"), QStringLiteral("new")},
                      {}};
    for (const ListLine &l : lines)
        table.rows.append({l.key, l.name, l.scientificName, l.firstStart, l.firstLocality,
                           QString::number(l.firstObsId), l.lastStart, QString::number(l.observations),
                           QString::number(l.individuals), l.isNew ? QStringLiteral("1") : QStringLiteral("0")});
    return table;
}

OutputTable scriptTable(const QList<YearFirst> &firsts)
{
    OutputTable table{{QStringLiteral("year"), QStringLiteral("first_seen"), QStringLiteral("day_of_year"),
                       QStringLiteral("locality"), QStringLiteral("observation")},
                      {}};
    for (const YearFirst &first : firsts)
        table.rows.append({QString::number(first.year), first.start, QString::number(first.dayOfYear), first.locality,
                           QString::number(first.obsId)});
    return table;
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
        return QCoreApplication::translate("ListCommands",
                                           "Listen må være life, year, county, municipality eller locality, ikke «%1».")
            .arg(arguments.word(0));
    ListChoice choice{ListKind(kind), std::nullopt, arguments.word(1)};
    if ((choice.kind == ListKind::Life) != choice.place.isEmpty())
        return choice.kind == ListKind::Life
                   ? QCoreApplication::translate("ListCommands", "Livslista tar ikke flere ord.")
                   : QCoreApplication::translate("ListCommands", "Listen «%1» trenger et ord til.")
                         .arg(arguments.word(0));
    const QString yearWord = choice.kind == ListKind::Year ? choice.place : arguments.value(YearOption);
    if (choice.kind == ListKind::Year || arguments.isSet(YearOption)) {
        choice.year = yearOf(yearWord);
        if (!choice.year)
            return QCoreApplication::translate("ListCommands", "Året må være et tall fra 1 til 9999, ikke «%1».")
                .arg(yearWord);
    }
    if (choice.kind == ListKind::County && countyName(program, choice.place) == QLatin1String("-"))
        return QCoreApplication::translate("ListCommands", "Ukjent fylke «%1».").arg(choice.place);
    if (choice.kind == ListKind::Municipality && !isMunicipalityCode(choice.place))
        return QCoreApplication::translate("ListCommands", "Ukjent kommune «%1».").arg(choice.place);
    if (arguments.isSet(ClassOption)) {
        choice.speciesClass = speciesClassNamed(arguments.value(ClassOption));
        if (choice.speciesClass.isEmpty())
            return QCoreApplication::translate("ListCommands", "Ukjent artsgruppe «%1».")
                .arg(arguments.value(ClassOption));
    }
    return choice;
}

int writeList(Program &program, const CommandArguments &arguments)
{
    if (!tableFormatIsClear(arguments))
        return refuseCommand(QCoreApplication::translate("ListCommands", "Velg enten --csv eller --json."));
    const std::variant<ListChoice, QString> chosen = listChoiceOf(program, arguments);
    if (const QString *problem = std::get_if<QString>(&chosen))
        return refuseCommand(*problem);
    const ListChoice &choice = std::get<ListChoice>(chosen);
    const QList<ListLine> lines = speciesList(program, choice, ListOrder::Systematic);
    return writeAnswer(listTable(listCaption(program, choice, lines.size()), lines), scriptTable(lines), arguments);
}

int writeArrivals(Program &program, const CommandArguments &arguments)
{
    if (!tableFormatIsClear(arguments))
        return refuseCommand(QCoreApplication::translate("ListCommands", "Velg enten --csv eller --json."));
    const QString key = arguments.word(0);
    const QList<YearFirst> firsts = arrivalDates(program, key);
    if (firsts.isEmpty())
        commandErrors() << QCoreApplication::translate("ListCommands", "Ingen observasjoner av %1.").arg(key)
                        << Qt::endl;
    SpeciesTaxa taxa(program);
    return writeAnswer(
        arrivalTable(QCoreApplication::translate("ListCommands", "Ankomstdatoer for %1").arg(taxa.of(key).name),
                     firsts),
        scriptTable(firsts), arguments);
}

} // namespace

Subcommand listsCommand()
{
    return {
        .name = QStringLiteral("lists"),
        .arguments = {{QCoreApplication::translate("ListCommands", "LISTE"),
                       QCoreApplication::translate("ListCommands", "life, year, county, municipality eller locality."),
                       WordKind::Choice, KindWords},
                      {QCoreApplication::translate("ListCommands", "VERDI"),
                       QCoreApplication::translate("ListCommands",
                                                   "Året, fylkets eller kommunens nummer, eller lokalitetens navn.")}},
        .optionalArguments = 1,
        .description =
            QCoreApplication::translate("ListCommands", "Skriv artslista: livsliste, årsliste, fylkes-, kommune- eller "
                                                        "lokalitetsliste."),
        .options = {{ClassOption,
                     QCoreApplication::translate("ListCommands", "Artsgruppen (Fugler, Pattedyr, Botanikk, Insekter)."),
                     QCoreApplication::translate("ListCommands", "KLASSE")},
                    {YearOption,
                     QCoreApplication::translate("ListCommands", "Bare dette året (fylke, kommune, lokalitet)."),
                     QCoreApplication::translate("ListCommands", "ÅR")},
                    csvOption(),
                    jsonOption()},
        .storeUse = {StoreAccess::Reads, SpeciesYearsSchema},
        .run = writeList};
}

Subcommand arrivalsCommand()
{
    return {.name = QStringLiteral("arrivals"),
            .arguments = {{QCoreApplication::translate("ListCommands", "ARTSNØKKEL"),
                           QCoreApplication::translate("ListCommands", "Artens nøkkel, for eksempel 11870.")}},
            .description = QCoreApplication::translate("ListCommands", "Skriv artens første dato hvert år."),
            .options = {csvOption(), jsonOption()},
            .storeUse = {StoreAccess::Reads, SpeciesYearsSchema},
            .run = writeArrivals};
}

} // namespace lirvenda
