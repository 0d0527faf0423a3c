#include "CliCommand.h"

#include <algorithm>
#include <cstring>

namespace {
std::vector<const CliCommand*>& Registry() {
    static std::vector<const CliCommand*> commands;
    return commands;
}
} // namespace

CliCommand::CliCommand(const char* name, const char* usage, Run run)
    : name(name), usage(usage), run(run) {
    Registry().push_back(this);
}

const std::vector<const CliCommand*>& CliCommand::all() {
    auto& commands = Registry();
    std::sort(commands.begin(), commands.end(), [](const CliCommand* a, const CliCommand* b) {
        return std::strcmp(a->name, b->name) < 0;
    });
    return commands;
}

const CliCommand* CliCommand::find(const QString& name) {
    for (const CliCommand* command : Registry())
        if (name == QLatin1String(command->name))
            return command;
    return nullptr;
}
