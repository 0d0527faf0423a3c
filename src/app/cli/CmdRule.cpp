// rule [--width N] [--pixels] [--height N] [--align left|center|right]
// [--noshade] [--color C] [--gradient G --repeat N]: the horizontal-rule
// page's markup.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"
#include "GradientArgument.h"
#include "gradient/GradientTableList.h"
#include "html/GradientItems.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "html/RuleMarkup.h"
#include "settings/ProgramOptions.h"

#include <memory>

namespace {

RuleAlign ParseAlign(const QString& text) {
    if (text == QLatin1String("left"))
        return RuleAlign::Left;
    if (text == QLatin1String("center"))
        return RuleAlign::Center;
    if (text == QLatin1String("right"))
        return RuleAlign::Right;
    throw UsageError(QStringLiteral("--align takes left, center or right, not '%1'").arg(text));
}

int RunRule(CliContext& context) {
    RulePageModel page;
    page.pixels = context.takeSwitch(QStringLiteral("--pixels"));
    if (const std::optional<QString> width = context.takeOption(QStringLiteral("--width")))
        page.width = ParseNumber(*width, QStringLiteral("--width"), RulePageModel::kMinValue,
                                 page.maxWidth());
    if (const std::optional<QString> height = context.takeOption(QStringLiteral("--height")))
        page.height = ParseNumber(*height, QStringLiteral("--height"), RulePageModel::kMinValue,
                                  RulePageModel::kMaxHeight);
    if (const std::optional<QString> align = context.takeOption(QStringLiteral("--align")))
        page.align = ParseAlign(*align);
    page.noshade = context.takeSwitch(QStringLiteral("--noshade"));
    if (const std::optional<QString> color = context.takeOption(QStringLiteral("--color"))) {
        page.colorOn = true;
        page.color = ParseColorArgument(context, *color);
    }
    const std::optional<QString> gradientName = context.takeOption(QStringLiteral("--gradient"));
    // Without --gradient the count is kept but not used, as on the page.
    if (const std::optional<QString> repeat = context.takeOption(QStringLiteral("--repeat")))
        page.repeat = ParseNumber(*repeat, QStringLiteral("--repeat"), RulePageModel::kMinValue,
                                  RulePageModel::kMaxRepeat);
    context.expectNoMore();
    const ProgramOptions options = context.loadOptions();

    std::unique_ptr<GradientTableList> tables;
    const GradientTable* gradient = nullptr;
    if (gradientName) {
        page.gradient = true;
        tables = std::make_unique<GradientTableList>();
        LoadCliGradientTables(context, *tables);
        gradient = &tables->slot(ParseGradientArgument(*tables, *gradientName));
        if (!CanWalkGradient(*gradient))
            throw OperationError(
                QStringLiteral("gradient table '%1' has fewer than two stops").arg(*gradientName));
    }
    WriteFragment(context, options, WriteRuleMarkup(page, gradient, options), Pages::Rule);
    return 0;
}

const char* const kHelp =
    "Prints the horizontal-rule page's HTML.\n"
    "\n"
    "  --width N\n"
    "      the width, in percent of the window (1..100, default 100) or with\n"
    "      --pixels in pixels (1..3000)\n"
    "  --pixels\n"
    "      measures the width in pixels\n"
    "  --height N\n"
    "      the height, 1..100; default 2\n"
    "  --align left|center|right\n"
    "      the alignment; default center\n"
    "  --noshade\n"
    "      a rule without shading\n"
    "  --color C\n"
    "      the rule's colour\n"
    "  --gradient G\n"
    "      a stack of rules coloured along gradient table G\n"
    "  --repeat N\n"
    "      (with --gradient) the number of rules, 1..100; default 10\n";

const CliCommand command("rule",
                         "[--width N] [--pixels] [--height N] [--align left|center|right] "
                         "[--noshade] [--color C] [--gradient G --repeat N]",
                         kHelp, RunRule);

} // namespace
