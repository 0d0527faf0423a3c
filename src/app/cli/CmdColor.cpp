// color C: the three notations of the main window's buttons; with
// --notation K, notation K of the colour page.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"
#include "html/ColorNotation.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
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
        WriteFragment(context, options, WriteColorMarkup(color, index, options), Pages::Color);
        return 0;
    }
    WriteLine(ColorToHtml(color));
    WriteLine(ColorToRgbText(color));
    WriteLine(ColorToHsvText(color));
    return 0;
}

const char* const kHelp =
    "Prints a colour's notations.\n"
    "\n"
    "Without --notation, three lines: the #RRGGBB text, the decimal RGB triple\n"
    "and the HSV triple.\n"
    "\n"
    "  --notation K\n"
    "      prints only notation K (0..9) of the colour page: 0..4 the hex text\n"
    "      bare, after COLOR=, after COLOR:, in a FONT tag and in a STYLE tag;\n"
    "      5..9 the same with the colour's name where it has one\n";

const CliCommand command("color", "C [--notation K]", kHelp, RunColor);

} // namespace
