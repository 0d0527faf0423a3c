// color C: the three notations of the main window's buttons; with
// --notation K, notation K of the colour page; with --css K, an entry of the
// colour page's list of notations and user templates.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"
#include "NearestName.h"
#include "core/CssColorText.h"
#include "html/ColorNotation.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "settings/ProgramOptions.h"

namespace {

int RunColor(CliContext& context) {
    const std::optional<QString> notation = context.takeOption(QStringLiteral("--notation"));
    const std::optional<QString> css = context.takeOption(QStringLiteral("--css"));
    const bool nearest = context.takeSwitch(QStringLiteral("--nearest"));
    const TColor color =
        ParseColorArgument(context, context.takePositional(QStringLiteral("colour")));
    context.expectNoMore();
    if (int(notation.has_value()) + int(css.has_value()) + int(nearest) > 1)
        throw UsageError(QStringLiteral("--notation, --css and --nearest exclude each other"));
    if (css) {
        const QLatin1String templatePrefix("template:");
        const ProgramOptions options = context.loadOptions();
        ColorPageModel page;
        if (css->startsWith(templatePrefix)) {
            const QString name = css->mid(templatePrefix.size());
            if (!FindColorTemplate(options.colortemplates, name)) {
                QStringList names;
                for (const ColorTemplate& entry : options.colortemplates)
                    names << entry.name;
                throw UsageError(
                    UnknownNameMessage(QStringLiteral("unknown template"), name, names) +
                    (names.isEmpty() ? QStringLiteral(" (no templates are stored)") : QString()));
            }
            page.templateName = name;
        } else {
            page.css = CssFormatNamed(css->toStdString());
            if (!page.css) {
                QStringList names;
                for (const auto& [name, value] : CssFormatNames())
                    names << QString::fromLatin1(name);
                throw UsageError(
                    UnknownNameMessage(QStringLiteral("unknown CSS notation"), *css, names));
            }
        }
        const ColorPageText text = WriteColorMarkup(color, page, options);
        if (!text.englishError.isEmpty())
            throw OperationError(text.englishError);
        WriteLine(text.text);
        return 0;
    }
    if (nearest) {
        const NearestCssName near = NearestCssColorName(color);
        QString distance = QString::number(near.deltaE, 'f', 4);
        while (distance.endsWith(QLatin1Char('0')))
            distance.chop(1);
        if (distance.endsWith(QLatin1Char('.')))
            distance.chop(1);
        WriteLine(near.name + QLatin1Char(' ') + distance);
        return 0;
    }
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
    "C is #RRGGBB, R,G,B, a colour name, or any CSS colour text: #rgb, #rgba,\n"
    "#rrggbbaa, rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch() and\n"
    "color(srgb | srgb-linear | display-p3 | a98-rgb | prophoto-rgb | rec2020 |\n"
    "xyz | xyz-d50 | xyz-d65 ...). Alpha is ignored; colours outside sRGB are\n"
    "gamut-mapped as CSS maps them (lightness and hue kept).\n"
    "\n"
    "Without options, three lines: the #RRGGBB text, the decimal RGB triple\n"
    "and the HSV triple.\n"
    "\n"
    "  --notation K\n"
    "      prints only notation K (0..9) of the colour page: 0..4 the hex text\n"
    "      bare, after COLOR=, after COLOR:, in a FONT tag and in a STYLE tag;\n"
    "      5..9 the same with the colour's name where it has one\n"
    "  --css K\n"
    "      prints C as K: hex rgb hsl hwb lab lch oklab oklch display-p3 (CSS\n"
    "      texts a browser paints as exactly C, with as few decimals as that\n"
    "      takes), cmyk, vec4 (0..1 floats) or decimal (0xRRGGBB as a number);\n"
    "      or template:NAME, the user template NAME of the settings (made in the\n"
    "      options dialog), for example \"{rgb.r:X2}{rgb.g:X2}{rgb.b:X2}\".\n"
    "      In a template {{ and }} are braces; {NOTATION} is one of the notations\n"
    "      above; {SPACE.CH} or {SPACE.CH:STYLE} is one channel:\n"
    "        rgb.r .g .b (0..255)   hsl.h .s .l   hwb.h .w .b   lab.l .a .b\n"
    "        lch.l .c .h   oklab.l .a .b   oklch.l .c .h   display-p3.r .g .b\n"
    "        vec4.r .g .b (0..1)   cmyk.c .m .y .k (0..100)\n"
    "      written with up to 3 decimals; STYLE .N (N decimals, up to 10), d (a\n"
    "      whole number), % or %.N (percent of the channel's CSS reference range),\n"
    "      x, X, xN, XN (hexadecimal, N digits, up to 8). A template with a fault\n"
    "      prints nothing and fails (status 1)\n"
    "  --nearest\n"
    "      prints the nearest CSS colour name and its distance (OKLab delta E;\n"
    "      0 for a named colour; about 0.02 is the least difference one sees)\n";

const CliCommand command("color", "C [--notation K | --css K | --nearest]", kHelp, RunColor);

} // namespace
