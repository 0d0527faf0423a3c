#include "core/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kAaLarge = 3.0;
constexpr double kAa = 4.5;
constexpr double kAaa = 7.0;

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

double RelativeLuminance(TColor color) {
    return 0.2126 * Linear(ColorRed(color)) + 0.7152 * Linear(ColorGreen(color)) +
           0.0722 * Linear(ColorBlue(color));
}

double ContrastRatio(TColor first, TColor second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

ContrastLevels ContrastLevelsOf(double ratio) {
    return {ratio >= kAaLarge, ratio >= kAa, ratio >= kAaa};
}

QString ContrastRatioText(double ratio) {
    double shown = std::round(ratio * 100.0) / 100.0;
    for (const double threshold : {kAaLarge, kAa, kAaa}) {
        if (ratio < threshold && shown >= threshold)
            shown = std::floor(ratio * 100.0) / 100.0;
    }
    return QString::number(shown, 'f', 2);
}

QString ContrastLine(TColor foreground, TColor background) {
    const double ratio = ContrastRatio(foreground, background);
    const ContrastLevels levels = ContrastLevelsOf(ratio);
    const QString aa = levels.aa        ? QStringLiteral("AA")
                       : levels.aaLarge ? QStringLiteral("AA-large")
                                        : QStringLiteral("fail");
    return ContrastRatioText(ratio) + QLatin1Char(' ') + aa + QLatin1Char(' ') +
           (levels.aaa ? QStringLiteral("AAA") : QStringLiteral("fail"));
}
