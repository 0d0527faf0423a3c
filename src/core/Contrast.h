#pragma once

#include "core/Color.h"

#include <QString>

// Text contrast as the WCAG 2.x success criteria measure it: relative
// luminance of sRGB colours and the ratio (L1 + 0.05) / (L2 + 0.05).

// 0 (black) .. 1 (white).
double RelativeLuminance(TColor color);
// 1 .. 21, the same whichever colour is given first.
double ContrastRatio(TColor first, TColor second);

// Which levels a ratio meets; the thresholds apply to the exact ratio, never
// to a rounded figure.
struct ContrastLevels {
    bool aaLarge = false; // 3:1, large text
    bool aa = false;      // 4.5:1
    bool aaa = false;     // 7:1
    bool operator==(const ContrastLevels&) const = default;
};
ContrastLevels ContrastLevelsOf(double ratio);

// The ratio with two decimals. Where rounding up would reach a threshold
// the ratio misses, the figure is cut instead, so 4.497 reads "4.49", never
// a passing-looking "4.50".
QString ContrastRatioText(double ratio);

// "RATIO AA|AA-large|fail AAA|fail", e.g. "4.48 AA-large fail".
QString ContrastLine(TColor foreground, TColor background);
