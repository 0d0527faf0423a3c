// color C: the three notations of the main window's buttons; with
// --notation K, notation K of the colour page.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"
#include "html/ColorNotation.h"
#include "html/PageMarkup.h"
#include "settings/ProgramOptions.h"

namespace {

int RunColor(CliContext& context) {
    const std::optional<QString> notation = context.takeOption(QStringLiteral("--notation"));
    const TColor color =
        ParseColorArgument(context, context.takePositional(QStringLiteral("colour")));
    context.expectNoMore();
    if (notation) {
        const int index =
            ParseNumber(*notation, QStringLiteral("--notation"), 0, kColorNotationCount - 1);
        const ProgramOptions options = context.loadOptions();
        WriteFragment(context, options, WriteColorMarkup(color, index, options), 4);
        return 0;
    }
    WriteLine(ColorToHtml(color));
    WriteLine(ColorToRgbText(color));
    WriteLine(ColorToHsvText(color));
    return 0;
}

const CliCommand command("color", "C [--notation K]", RunColor);

} // namespace
