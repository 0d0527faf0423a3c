// names: the named colour table, one row per line.
#include "CliCommand.h"
#include "CliContext.h"
#include "settings/ProgramOptions.h"

namespace {

int RunNames(CliContext& context) {
    context.expectNoMore();
    const ProgramOptions options = context.loadOptions();
    for (int i = 0; i < options.colors.count(); ++i) {
        const NamedColor& entry = options.colors.at(i);
        WriteLine(QString::number(i) + QLatin1Char('\t') + entry.hex + QLatin1Char('\t') +
                  entry.name);
    }
    return 0;
}

const char* const kHelp = "Lists the named colour table.\n"
                          "\n"
                          "One line per named colour: index, TAB, #RRGGBB text, TAB, name.\n";

const CliCommand command("names", "", kHelp, RunNames);

} // namespace
