#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct CliContext;

// A subcommand registers itself from its own file with a static
// CliCommand object, so adding one needs no edit elsewhere.
//
// `usage` is the one-line synopsis after the command name (alternatives
// separated by " | "); every --option the command takes appears in it, and
// the suggestions, the completion script and the manual page are read from
// it. `help` is the longer text of "COMMAND --help": paragraphs of plain
// lines, items as a line indented by two spaces followed by lines indented
// by six.
struct CliCommand {
    using Run = int (*)(CliContext&);

    CliCommand(const char* name, const char* usage, const char* help, Run run);

    const char* name;
    const char* usage;
    const char* help;
    Run run;

    // The --options named in the usage, in order, without repeats.
    QStringList options() const;
    // The fixed values an option takes when the usage spells them out
    // ("--align left|center|right"); empty otherwise.
    QStringList optionValues(const QString& option) const;
    // The literal words that can start the arguments ("info" of "bmp info FILE").
    QStringList verbs() const;
    // The first line of `help`.
    QString summary() const;

    static const std::vector<const CliCommand*>& all();
    static const CliCommand* find(const QString& name);
    static QStringList names();
};
