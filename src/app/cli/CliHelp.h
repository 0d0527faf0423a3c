#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct CliCommand;

// The global options, as the help, the manual page and the completion script show them.
struct CliGlobalOption {
    const char* name;  // "--case"
    const char* value; // "lower|upper|capital", "FILE" or "" for a switch
    const char* text;
    bool afterCommand; // also accepted after the command name
};
const std::vector<CliGlobalOption>& CliGlobalOptions();
QStringList CliGlobalOptionNames(bool afterCommandOnly);

// "vellomar-cli --help": synopsis, global options, commands and exit status.
QString CliUsageText();
// "vellomar-cli COMMAND --help": the command's synopsis and its help.
QString CliCommandHelpText(const CliCommand& command);
// The vellomar-cli(1) manual page in roff, from the same texts.
QString CliManPage(const QString& version);
// A bash completion script for the commands and options.
QString CliBashCompletion();
