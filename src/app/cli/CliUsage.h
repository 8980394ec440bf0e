#pragma once
// The batch program's command line: one table of every command and
// sub-command with its options, arguments and help texts, and the reading of
// a command line against it. Reading never acts: it answers what to run (with
// the words and options the command's runner reads), a help or version text,
// or the reason the line is refused. Help and refusals never touch the
// program folder.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vexa::cli {

struct OptionSpec {
    QString name;              // "--ie", "-o"
    QString value;             // what the value is, as the usage writes it; empty for a flag
    QString help;
    bool required = false;
    bool repeatable = false;   // may be given more than once ("--obs", "--ie" of validate and export)
    bool isFlag() const { return value.isEmpty(); }
};

struct CommandSpec {
    QString path;              // the words that name it: "dare standalone issue"
    QString summary;           // one line, for the lists
    QString description;       // a paragraph for its help, may be empty
    QStringList arguments;     // positional arguments, all required: {"ARQUIVO.txt"}
    QList<OptionSpec> options;
    bool usesFolder = true;    // false: works on the files named only (qx)
    bool createsFolder = false;  // init may lay out a program folder that does not exist yet

    QStringList words() const { return path.split(QLatin1Char(' ')); }
    const OptionSpec* option(const QString& name) const;
    QString usageLine() const;   // "vexa-cli [--home PASTA] dare show --ie IE ..."
    QStringList usagePieces() const;   // the same, piece by piece ("[--ret RR]" one piece)
};

// Every command and group of commands, groups before their members.
const QList<CommandSpec>& commandTable();
const CommandSpec* findCommand(const QString& path);
// The commands one level below path ("" for the top level), in table order.
QList<const CommandSpec*> subcommands(const QString& path);
bool isGroup(const QString& path);

struct CommandLine {
    enum Kind { Run, Help, Version, Refused };
    Kind kind = Refused;
    const CommandSpec* command = nullptr;   // the deepest command named; null for the program itself
    std::optional<QString> home;            // --home as given
    bool yes = false;                       // --yes before the command or among its options
    // What the runner reads: the command's options and arguments in the order
    // given, each option as "--name value" ("--name=value" when the value
    // itself begins with '-'), without --home, --yes and --help.
    QStringList arguments;
    QString error;                          // Refused: why, in one line
};

// Reads the arguments after the program name.
CommandLine parseCommandLine(const QStringList& args);

// The help of a command or group (null: of the program), ending in a newline.
QString helpText(const CommandSpec* command);
// What a refusal prints under its reason: the usage line(s) and the pointer to --help.
QString usageText(const CommandSpec* command);
QString versionText();

} // namespace vexa::cli
