#pragma once

#include <QString>
#include <vector>

struct CliContext;

// A subcommand registers itself from its own file with a static
// CliCommand object, so adding one needs no edit elsewhere.
struct CliCommand {
    using Run = int (*)(CliContext&);

    CliCommand(const char* name, const char* usage, Run run);

    const char* name;
    const char* usage;
    Run run;

    static const std::vector<const CliCommand*>& all();
    static const CliCommand* find(const QString& name);
};
