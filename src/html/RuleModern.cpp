#include "html/RuleModern.h"

#include "gradient/CssLinearGradient.h"
#include "html/GradientItems.h"
#include "html/HtmlCase.h"
#include "html/RuleCss.h"
#include "html/RuleMarkup.h"
#include "settings/ProgramOptions.h"

QString WriteRuleModern(const RulePageModel& page, const GradientTable* gradient,
                        const ProgramOptions& options) {
    if (!page.gradient)
        return WriteRuleCss(page, gradient, options);
    if (!gradient || !CanWalkGradient(*gradient))
        return {};
    const RulePageModel rule = NormalizedRuleModel(page);
    QString css;
    if (rule.pixels || rule.width != RulePageModel::kFullWidth)
        css += QStringLiteral("width:%1%2;")
                   .arg(rule.width)
                   .arg(rule.pixels ? QStringLiteral("px") : QStringLiteral("%"));
    css += QStringLiteral("height:%1px;border:0;").arg(rule.height);
    if (rule.align == RuleAlign::Left)
        css += QStringLiteral("margin-left:0;margin-right:auto;");
    else if (rule.align == RuleAlign::Right)
        css += QStringLiteral("margin-left:auto;margin-right:0;");
    css += QStringLiteral("background-image:") +
           CssLinearGradient(CssStopsOfTable(*gradient), options.interpolation);
    return QStringLiteral("<hr style=\"") + css + QStringLiteral("\">") + HtmlLineBreak(options);
}
