#pragma once

// The program's commands for scripts, run without windows on the same core as the windows. Each
// command is one Subcommand: its name, its arguments and options, how it opens the store, and
// the function that does the work.

#include "core/commandline/CommandOutput.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <functional>

namespace lirvenda {

class Program;

// How a command opens the store of its folder.
enum class StoreAccess {
    Reads,  // read-only and as it is, never upgraded; from StoreUse::oldestSchema on
    Writes, // upgraded to the current schema first
    None,   // not opened: the command opens, or makes, what it needs itself
};

struct StoreUse {
    StoreAccess access;
    int oldestSchema = 0; // the oldest schema version that holds what a reading command reads
};

// What a word on the command line stands for, so that the shells can complete it.
enum class WordKind {
    Any,
    Year,
    County,       // a county's code, as NO03
    Municipality, // a municipality's number, as 0301
    File,
    Folder,
    Command,
    Choice,   // one of the argument's choices
    ByChoice, // what the choice before it names: a year, a county or a municipality
};

// A positional argument as the command's --help names and describes it.
struct CommandArgument {
    QString name;
    QString description = {};
    WordKind kind = WordKind::Any;
    QStringList choices = {};
};

// What a command is given besides its store: the words after its name and its own options.
class CommandArguments {
public:
    CommandArguments(const QCommandLineParser &parser, QStringList words);
    // The words after the command's name, in order.
    const QStringList &words() const { return m_words; }
    // The word at index, or an empty text when there are fewer.
    QString word(qsizetype index) const { return m_words.value(index); }
    bool isSet(const QString &option) const { return m_parser.isSet(option); }
    QString value(const QString &option) const { return m_parser.value(option); }

private:
    const QCommandLineParser &m_parser;
    QStringList m_words;
};

struct Subcommand {
    QString name;
    QList<CommandArgument> arguments = {};
    qsizetype optionalArguments = 0; // how many of the last arguments may be left out
    QString description = {};
    QList<QCommandLineOption> options = {}; // the command's own, besides --folder and --help
    StoreUse storeUse;
    std::function<int(Program &program, const CommandArguments &arguments)> run;
};

// Every command, in the order --help lists them. Made at the first call, with the texts of the
// translation installed before it.
const QList<Subcommand> &subcommands();
// One line for each command, for the program's --help.
QString subcommandSummary();
// The word of the arguments (the program's, the program itself first) that names a command: the
// first that is neither an option nor an option's value. Empty when there is none.
QString commandWordOf(const QStringList &arguments);
// Runs the command the arguments name, with the options before or after it. An unknown command
// or option is refused and nothing is opened. Results go to standard output, messages and
// progress to standard error.
int runSubcommand(const QStringList &arguments);
// Wrong use of the command line: the message and where the right use is told, on standard
// error; answers CommandRefused. program is the program's path as it was started.
int refuseUse(const QString &program, const QString &message);

} // namespace lirvenda
