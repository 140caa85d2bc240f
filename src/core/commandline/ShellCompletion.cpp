#include "core/commandline/ShellCompletion.h"

#include "core/commandline/ProgramOptions.h"
#include "core/commandline/Subcommands.h"

#include <QFile>

namespace lirvenda {

namespace {

// How one shell offers words, files and folders, and reads the line being completed.
struct Dialect {
    QString header;
    QString firstWord;  // the index of the first word after the program's name
    QString current;    // the index of the word being completed
    QString offerWords; // %1: the words, as one shell word
    QString offerFiles;
    QString offerFolders;
    QString footer;
};

const Dialect &dialectOf(Shell shell)
{
    static const Dialect bash{
        QStringLiteral("# bash completion for lirvenda\n_lirvenda()\n{\n"
                       "    local -a words=(\"${COMP_WORDS[@]}\")\n    local CURRENT=$COMP_CWORD\n"),
        QStringLiteral("1"),
        QStringLiteral("CURRENT"),
        QStringLiteral("COMPREPLY=($(compgen -W %1 -- \"$cur\"))"),
        QStringLiteral("compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- \"$cur\"))"),
        QStringLiteral("compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -d -- \"$cur\"))"),
        QStringLiteral("}\ncomplete -F _lirvenda lirvenda\n")};
    static const Dialect zsh{QStringLiteral("#compdef lirvenda\n# zsh completion for lirvenda\n_lirvenda()\n{\n"),
                             QStringLiteral("2"),
                             QStringLiteral("CURRENT"),
                             QStringLiteral("compadd -- ${=${:-%1}}"),
                             QStringLiteral("_files"),
                             QStringLiteral("_files -/"),
                             QStringLiteral("}\n_lirvenda \"$@\"\n")};
    return shell == Shell::Bash ? bash : zsh;
}

QString quoted(const QStringList &words) { return QLatin1Char('"') + words.join(QLatin1Char(' ')) + QLatin1Char('"'); }

// The codes of the counties (NO03) or of the municipalities (0301) the program knows.
QStringList placeCodes(bool counties)
{
    QFile places(QStringLiteral(":/reference/adminplasser.tsv"));
    places.open(QIODevice::ReadOnly);
    QStringList codes;
    const QStringList lines = QString::fromUtf8(places.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines.mid(1)) {
        const QString code = line.section(QLatin1Char('\t'), 0, 0);
        if (!code.isEmpty() && code.startsWith(QLatin1String("NO")) == counties)
            codes += code;
    }
    return codes;
}

QStringList commandNames()
{
    QStringList names;
    for (const Subcommand &command : subcommands())
        names += command.name;
    return names;
}

// The shell's words for a word of a kind; choices for WordKind::Choice.
QString offer(const Dialect &dialect, WordKind kind, const QStringList &choices = {})
{
    switch (kind) {
    case WordKind::Year: return dialect.offerWords.arg(QStringLiteral("\"$(seq $(date +%Y) -1 1900)\""));
    case WordKind::County: return dialect.offerWords.arg(quoted(placeCodes(true)));
    case WordKind::Municipality: return dialect.offerWords.arg(quoted(placeCodes(false)));
    case WordKind::File: return dialect.offerFiles;
    case WordKind::Folder: return dialect.offerFolders;
    case WordKind::Command: return dialect.offerWords.arg(quoted(commandNames()));
    case WordKind::Choice: return dialect.offerWords.arg(quoted(choices));
    case WordKind::ByChoice:
        return QStringLiteral("case $before in year) %1;; county) %2;; municipality) %3;; esac")
            .arg(offer(dialect, WordKind::Year), offer(dialect, WordKind::County),
                 offer(dialect, WordKind::Municipality));
    case WordKind::Any: break;
    }
    return QStringLiteral(":");
}

// What an option's value is, told by the option's name: the name of its value is translated,
// and the script must be the same in every language.
WordKind valueKind(const QCommandLineOption &option)
{
    const QString name = option.names().constFirst();
    if (name == QLatin1String("folder"))
        return WordKind::Folder;
    if (name == QLatin1String("year"))
        return WordKind::Year;
    return option.valueName().isEmpty() ? WordKind::Any : WordKind::File;
}

QStringList optionWords(const QList<QCommandLineOption> &options)
{
    QStringList words;
    for (const QCommandLineOption &option : options)
        for (const QString &name : option.names())
            words += (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    return words;
}

QList<QCommandLineOption> windowOptions()
{
    const WindowOptions window;
    return {window.folder, window.screenshot, QCommandLineOption(QStringLiteral("help")),
            QCommandLineOption(QStringLiteral("version"))};
}

QList<QCommandLineOption> optionsOf(const Subcommand &command)
{
    return QList<QCommandLineOption>{WindowOptions().folder, QCommandLineOption(QStringLiteral("help"))} +
           command.options;
}

// Every option that takes a value, each once, with what its value is.
QList<QCommandLineOption> valuedOptions()
{
    QList<QCommandLineOption> valued;
    QStringList seen;
    QList<QCommandLineOption> all = windowOptions();
    for (const Subcommand &command : subcommands())
        all += command.options;
    for (const QCommandLineOption &option : all)
        if (!option.valueName().isEmpty() && !seen.contains(option.names().constFirst())) {
            seen += option.names().constFirst();
            valued += option;
        }
    return valued;
}

// Finds the command and the index of the word being completed among its arguments, skipping
// options and their values.
QString readLine(const Dialect &dialect)
{
    const QStringList valued = optionWords(valuedOptions());
    return QStringLiteral("    local cur=${words[%1]} before=${words[%1-1]}\n"
                          "    local command= position=0 i\n"
                          "    for ((i = %2; i < %1; i++)); do\n"
                          "        case ${words[i]} in\n"
                          "        %3) ((i++)) ;;\n"
                          "        -*) ;;\n"
                          "        *) if [[ -z $command ]]; then command=${words[i]}; else ((position++)); fi ;;\n"
                          "        esac\n"
                          "    done\n")
        .arg(dialect.current, dialect.firstWord, valued.join(QLatin1Char('|')));
}

QString valueCases(const Dialect &dialect)
{
    QString cases = QStringLiteral("    case $before in\n");
    for (const QCommandLineOption &option : valuedOptions())
        cases += QStringLiteral("    %1) %2; return ;;\n")
                     .arg(optionWords({option}).join(QLatin1Char('|')), offer(dialect, valueKind(option)));
    return cases + QStringLiteral("    esac\n");
}

QString optionCases(const Dialect &dialect)
{
    QString cases = QStringLiteral("    if [[ $cur == -* ]]; then\n        case $command in\n");
    cases += QStringLiteral("        '') %1 ;;\n").arg(dialect.offerWords.arg(quoted(optionWords(windowOptions()))));
    for (const Subcommand &command : subcommands())
        cases += QStringLiteral("        %1) %2 ;;\n")
                     .arg(command.name, dialect.offerWords.arg(quoted(optionWords(optionsOf(command)))));
    return cases + QStringLiteral("        esac\n        return\n    fi\n");
}

QString argumentCases(const Dialect &dialect)
{
    QString cases = QStringLiteral("    case \"$command $position\" in\n");
    cases += QStringLiteral("    ' 0') %1 ;;\n").arg(offer(dialect, WordKind::Command));
    for (const Subcommand &command : subcommands())
        for (qsizetype i = 0; i < command.arguments.size(); ++i)
            cases += QStringLiteral("    '%1 %2') %3 ;;\n")
                         .arg(command.name)
                         .arg(i)
                         .arg(offer(dialect, command.arguments[i].kind, command.arguments[i].choices));
    return cases + QStringLiteral("    esac\n");
}

} // namespace

QString completionScript(Shell shell)
{
    const Dialect &dialect = dialectOf(shell);
    return dialect.header + readLine(dialect) + valueCases(dialect) + optionCases(dialect) + argumentCases(dialect) +
           dialect.footer;
}

} // namespace lirvenda
