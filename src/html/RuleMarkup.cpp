#include "html/RuleMarkup.h"

#include "gradient/GradientWalk.h"
#include "html/GradientItems.h"
#include "html/HtmlCase.h"
#include "settings/ProgramOptions.h"

#include <algorithm>

namespace {

// "<hr" with width, size, alignment and shading: everything but the colour.
QString RuleHead(const RulePageModel& page) {
    QString head = QStringLiteral("<hr");
    if (page.pixels || page.width != RulePageModel::kFullWidth) {
        head += QStringLiteral(" width=") + QString::number(page.width);
        if (!page.pixels)
            head += QLatin1Char('%');
    }
    if (page.height != RulePageModel::kPlainHeight)
        head += QStringLiteral(" size=") + QString::number(page.height);
    if (page.align == RuleAlign::Left)
        head += QStringLiteral(" align=left");
    else if (page.align == RuleAlign::Right)
        head += QStringLiteral(" align=right");
    if (page.noshade)
        head += QStringLiteral(" noshade");
    return head;
}

void AppendRule(QString& out, const QString& head, const TColor* color, const QString& nl) {
    out += head;
    if (color)
        out += QStringLiteral(" color=") + ColorToHtml(*color);
    out += QLatin1Char('>');
    out += nl;
}

} // namespace

void RulePageModel::setPixels(bool on) {
    pixels = on;
    width = std::min(width, maxWidth());
}

RulePageModel NormalizedRuleModel(const RulePageModel& page) {
    RulePageModel result = page;
    result.width = std::clamp(page.width, RulePageModel::kMinValue, result.maxWidth());
    result.height = std::clamp(page.height, RulePageModel::kMinValue, RulePageModel::kMaxHeight);
    result.repeat = std::clamp(page.repeat, RulePageModel::kMinValue, RulePageModel::kMaxRepeat);
    return result;
}

std::vector<std::optional<TColor>> RuleColors(const RulePageModel& page,
                                              const GradientTable* gradient,
                                              GradientInterpolation interpolation) {
    std::vector<std::optional<TColor>> colors;
    if (!page.gradient) {
        colors.push_back(page.colorOn ? std::optional<TColor>(page.color) : std::nullopt);
        return colors;
    }
    if (!gradient || !CanWalkGradient(*gradient) || page.repeat < 1)
        return colors;
    // The breakpoints are those of N items, the items counted from 1, and
    // the closing rule takes the last stop: rule 1 has the first stop's
    // colour, rule N the last stop's.
    colors.reserve(size_t(page.repeat));
    GradientWalk walk(*gradient, page.repeat, 1, interpolation);
    for (int i = 1; i < page.repeat; ++i)
        colors.push_back(walk.next());
    colors.push_back(GradientLastStopColor(*gradient));
    return colors;
}

QString WriteRuleHtml(const RulePageModel& page, const GradientTable* gradient,
                      const ProgramOptions& options) {
    const RulePageModel rule = NormalizedRuleModel(page);
    const QString nl = HtmlLineBreak(options);
    const QString head = RuleHead(rule);
    QString out;
    for (const std::optional<TColor>& color : RuleColors(rule, gradient, options.interpolation))
        AppendRule(out, head, color ? &*color : nullptr, nl);
    return out;
}
