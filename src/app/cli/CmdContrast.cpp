// contrast FG BG: the WCAG contrast ratio of two colours and the levels it meets.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"
#include "core/Contrast.h"

namespace {

int RunContrast(CliContext& context) {
    const TColor foreground =
        ParseColorArgument(context, context.takePositional(QStringLiteral("foreground colour")));
    const TColor background =
        ParseColorArgument(context, context.takePositional(QStringLiteral("background colour")));
    context.expectNoMore();
    WriteLine(ContrastLine(foreground, background));
    return 0;
}

const char* const kHelp =
    "Prints the contrast ratio of two colours and the levels it meets.\n"
    "\n"
    "One line: the ratio of foreground FG on background BG, then AA, AA-large or\n"
    "fail, then AAA or fail.\n";

const CliCommand command("contrast", "FG BG", kHelp, RunContrast);

} // namespace
