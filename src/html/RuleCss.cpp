#include "html/RuleCss.h"

#include "html/CssText.h"
#include "html/HtmlCase.h"
#include "html/RuleMarkup.h"
#include "settings/ProgramOptions.h"

namespace {

// The rule's style as far as it does not depend on the colour.
struct RuleStyle {
    QString width;  // "width:…;" or nothing
    QString height; // what makes the total height, or nothing for the default 2 pixels
    QString after;  // the margins of the alignment
};

RuleStyle StyleOf(const RulePageModel& rule) {
    RuleStyle style;
    if (rule.pixels || rule.width != RulePageModel::kFullWidth)
        style.width = QStringLiteral("width:%1%2;")
                          .arg(rule.width)
                          .arg(rule.pixels ? QStringLiteral("px") : QStringLiteral("%"));
    // A rule is its two 1-pixel borders around its content height; a
    // height of 1 keeps the top border only.
    if (rule.height > RulePageModel::kPlainHeight)
        style.height = QStringLiteral("height:%1px;").arg(rule.height - 2);
    if (rule.align == RuleAlign::Left)
        style.after = QStringLiteral("margin-left:0;margin-right:auto;");
    else if (rule.align == RuleAlign::Right)
        style.after = QStringLiteral("margin-left:auto;margin-right:0;");
    return style;
}

} // namespace

QString WriteRuleCss(const RulePageModel& page, const GradientTable* gradient,
                     const ProgramOptions& options) {
    const RulePageModel rule = NormalizedRuleModel(page);
    const QString nl = HtmlLineBreak(options);
    const RuleStyle style = StyleOf(rule);
    const bool thin = rule.height < RulePageModel::kPlainHeight;
    QString out;
    for (const std::optional<TColor>& color : RuleColors(rule, gradient, options.interpolation)) {
        QString css = style.width + style.height;
        QString fill;
        if (color)
            AppendCssHexColor(fill, *color);
        else if (rule.noshade)
            fill = QStringLiteral("gray");
        if (!fill.isEmpty())
            css += QStringLiteral("border:1px solid %1;").arg(fill);
        if (thin)
            css += QStringLiteral("border-bottom-width:0;");
        if (!fill.isEmpty())
            css += QStringLiteral("background-color:%1;").arg(fill);
        css += style.after;
        out += QStringLiteral("<hr");
        if (!css.isEmpty()) {
            css.chop(1);
            out += QStringLiteral(" style=\"") + css + QLatin1Char('"');
        }
        out += QLatin1Char('>');
        out += nl;
    }
    return out;
}
