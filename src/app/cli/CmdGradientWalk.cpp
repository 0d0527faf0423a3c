// gradient-walk G N [--first K]: the walk's colours of items K..K+N-1.
#include "CliCommand.h"
#include "CliContext.h"
#include "GradientArgument.h"
#include "gradient/GradientTableList.h"
#include "gradient/GradientWalk.h"
#include "settings/ProgramOptions.h"

namespace {

// Bounds the output to something a script can want.
constexpr int kMaxItems = 1000000;

int RunGradientWalk(CliContext& context) {
    const std::optional<QString> first = context.takeOption(QStringLiteral("--first"));
    const QString gradient = context.takePositional(QStringLiteral("gradient"));
    const int items = ParseNumber(context.takePositional(QStringLiteral("item count")),
                                  QStringLiteral("N"), 0, kMaxItems);
    const int firstIndex =
        first ? ParseNumber(*first, QStringLiteral("--first"), -kMaxItems, kMaxItems) : 0;
    context.expectNoMore();
    GradientTableList list;
    LoadCliGradientTables(context, list);
    const int index = ParseGradientArgument(list, gradient);
    GradientWalk walk(list.slot(index), items, firstIndex, context.loadOptions().interpolation);
    QString text;
    for (int i = 0; i < items; ++i)
        text += ColorToHtml(walk.next()) + QLatin1Char('\n');
    WriteOut(text);
    return 0;
}

const char* const kHelp =
    "Prints the colours of a walk along gradient G.\n"
    "\n"
    "N lines #RRGGBB: the walk's colours for items K .. K+N-1, without the closing\n"
    "step, between the stops in the space --interpolation or the stored option\n"
    "names.\n"
    "\n"
    "  --first K\n"
    "      the first item; default 0\n";

const CliCommand command("gradient-walk", "G N [--first K]", kHelp, RunGradientWalk);

} // namespace
