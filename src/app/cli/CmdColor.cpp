// color C: the three notations of the main window's buttons.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"

namespace {

int RunColor(CliContext& context) {
    const TColor color =
        ParseColorArgument(context, context.takePositional(QStringLiteral("colour")));
    context.expectNoMore();
    WriteLine(ColorToHtml(color));
    WriteLine(ColorToRgbText(color));
    WriteLine(ColorToHsvText(color));
    return 0;
}

const CliCommand command("color", "C", RunColor);

} // namespace
