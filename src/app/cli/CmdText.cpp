// text [options] TEXT: the gradient-text page's HTML for TEXT in one style,
// optionally coloured along a gradient table first.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"
#include "GradientArgument.h"
#include "gradient/GradientTableList.h"
#include "html/GradientTextFont.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "html/TextChars.h"
#include "html/TextGradient.h"
#include "settings/ProgramOptions.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

int RunText(CliContext& context) {
    const std::optional<QString> font = context.takeOption(QStringLiteral("--font"));
    const std::optional<QString> size = context.takeOption(QStringLiteral("--size"));
    const std::optional<QString> color = context.takeOption(QStringLiteral("--color"));
    const std::optional<QString> gradient = context.takeOption(QStringLiteral("--gradient"));
    std::optional<QString> rangeStart;
    std::optional<QString> rangeLength;
    if (const qsizetype i = context.args.indexOf(QStringLiteral("--range")); i >= 0) {
        if (i + 2 >= context.args.size())
            throw UsageError(QStringLiteral("--range needs START and LEN"));
        rangeStart = context.args.at(i + 1);
        rangeLength = context.args.at(i + 2);
        context.args.remove(i, 3);
    }
    CharStyle style;
    style.bold = context.takeSwitch(QStringLiteral("--bold"));
    style.italic = context.takeSwitch(QStringLiteral("--italic"));
    style.underline = context.takeSwitch(QStringLiteral("--underline"));
    const bool rawMarkup = context.takeSwitch(QStringLiteral("--raw-markup"));
    const QString text = context.takePositional(QStringLiteral("TEXT"));
    context.expectNoMore();
    if (rangeStart && !gradient)
        throw UsageError(QStringLiteral("--range needs --gradient"));

    ProgramOptions options = context.loadOptions();
    options.rawtext = options.rawtext || rawMarkup;
    if (font) {
        const int count = int(options.fonttable.size());
        if (count == 0)
            throw UsageError(QStringLiteral("the font table is empty"));
        const QString name = FontNameOfEntry(
            options.fonttable.at(ParseNumber(*font, QStringLiteral("--font"), 0, count - 1)));
        // An entry without a name sets nothing, as in the window.
        if (!name.isEmpty())
            style.fontName = name;
    }
    if (size)
        style.points = PointsOfFontSizeItem(
            ParseNumber(*size, QStringLiteral("--size"), 0, kFontSizeItemCount - 1));
    if (color)
        style.color = ParseColorArgument(context, *color);

    StyledText styled = MakeStyledText(text, style);
    const qsizetype length = PositionLength(styled);
    PositionRange selection;
    if (rangeStart) {
        const int limit = int(std::min<qsizetype>(length, std::numeric_limits<int>::max()));
        selection.start = ParseNumber(*rangeStart, QStringLiteral("START"), 0, limit);
        selection.length =
            ParseNumber(*rangeLength, QStringLiteral("LEN"), 0, int(limit - selection.start));
    }
    // A bad table argument is an error even for an empty text.
    GradientTableList list;
    int index = -1;
    if (gradient) {
        LoadCliGradientTables(context, list);
        index = ParseGradientArgument(list, *gradient);
    }
    if (index >= 0 && !styled.chars.empty()) {
        const TextGradientResult result =
            ApplyTextGradient(styled, &list.slot(index), selection, {}, options.interpolation);
        // The text is written all the same, in its own colours.
        if (result.status != TextGradientStatus::Applied)
            std::fprintf(stderr, "vellomar-cli: %s\n",
                         qPrintable(TextGradientStatusMessage(result.status)));
    }
    if (HasForbiddenHtmlChars(styled))
        std::fprintf(stderr,
                     "vellomar-cli: control characters HTML does not allow were left out\n");
    const QString html = WriteGradientTextMarkup(styled, options);
    if (!html.isEmpty())
        WriteFragment(context, options, html, Pages::Text);
    return 0;
}

const char* const kHelp =
    "Prints the gradient-text page's HTML for TEXT.\n"
    "\n"
    "Every character of TEXT gets the font, size, styles and colour given; then,\n"
    "with --gradient, the gradient runs over the range. An empty TEXT prints\n"
    "nothing. Control characters HTML does not allow (all but tab, CR and LF)\n"
    "are left out, with a note on standard error.\n"
    "\n"
    "  --font K\n"
    "      entry K of the font table; default 0\n"
    "  --size ITEM\n"
    "      item ITEM of the size list, 0 (\"Normal\") to 7; default 0\n"
    "  --bold, --italic, --underline\n"
    "      the styles\n"
    "  --raw-markup\n"
    "      writes <, > and & of TEXT as they are, as markup, instead of &lt;, &gt;\n"
    "      and &amp; (the option rawtext of the store does the same)\n"
    "  --color C\n"
    "      the text colour; default black\n"
    "  --gradient G\n"
    "      colours the text along gradient table G\n"
    "  --range START LEN\n"
    "      (with --gradient) the characters the gradient runs over, counted as the\n"
    "      page counts them; default the whole text\n";

const CliCommand
    command("text",
            "[--font K] [--size ITEM] [--bold] [--italic] [--underline] [--raw-markup] "
            "[--color C] "
            "[--gradient G [--range START LEN]] TEXT",
            kHelp, RunText);

} // namespace
