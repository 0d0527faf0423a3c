// gradients: the gradient tables of the store, one per line.
#include "CliCommand.h"
#include "CliContext.h"
#include "GradientArgument.h"
#include "gradient/GradientTableList.h"

namespace {

int RunGradients(CliContext& context) {
    context.expectNoMore();
    GradientTableList list;
    LoadCliGradientTables(context, list);
    for (int i = 0; i < list.count(); ++i) {
        const GradientTable& table = list.slot(i);
        WriteLine(QStringLiteral("%1\t%2\t%3").arg(i).arg(table.name).arg(table.count));
    }
    return 0;
}

const char* const kHelp = "Lists the gradient tables of the store.\n"
                          "\n"
                          "One line per table: index, TAB, name, TAB, stop count.\n";

const CliCommand command("gradients", "", kHelp, RunGradients);

} // namespace
