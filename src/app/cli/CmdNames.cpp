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

const CliCommand command("names", "", RunNames);

} // namespace
