#pragma once

#include "core/Color.h"
#include "settings/MarkupOptions.h"

#include <QString>
#include <optional>
#include <vector>

struct GradientTable;
struct ProgramOptions;

enum class RuleAlign { Left = 0, Center = 1, Right = 2 };

// What the horizontal-rule page's controls hold when its markup is written.
struct RulePageModel {
    static constexpr int kMinValue = 1;
    static constexpr int kMaxPercent = 100;
    static constexpr int kMaxPixels = 3000;
    static constexpr int kMaxHeight = 100;
    static constexpr int kMaxRepeat = 100;
    static constexpr int kFullWidth = 100; // percent, written as no width at all
    static constexpr int kPlainHeight = 2; // the height written as no size at all

    int width = 100;
    bool pixels = false; // width in pixels, otherwise percent of the window
    int height = 2;
    RuleAlign align = RuleAlign::Center;
    bool noshade = false;
    bool gradient = false; // a stack of rules along the gradient
    int repeat = 10;       // rules in the stack
    bool colorOn = false;  // write `color` on the single rule
    TColor color = 0xFFFFFF;

    // The largest width of the current unit.
    int maxWidth() const { return pixels ? kMaxPixels : kMaxPercent; }
    // Changes the unit; a width too large for percent is cut to 100.
    void setPixels(bool on);

    bool operator==(const RulePageModel&) const = default;
};

// The model with width, height and repeat brought into their ranges.
RulePageModel NormalizedRuleModel(const RulePageModel& page);

// The colour of each rule the page writes, in order: one rule, coloured
// only while the colour toggle is down, or `repeat` rules along the
// gradient, the last one in its last stop's colour. Empty in gradient mode
// without a table of at least two stops. `page` is taken as it is.
std::vector<std::optional<TColor>> RuleColors(const RulePageModel& page,
                                              const GradientTable* gradient,
                                              GradientInterpolation interpolation);

// The hr markup of the page, in fixed lower case with bare values and
// colours as "#RRGGBB" (never names), a line break after each rule when
// htmlcr is on. In gradient mode `gradient` gives the colours of `repeat`
// rules, the last one in its last stop's colour; without a table of at
// least two stops there is nothing to write and the text is empty.
// Width, height and repeat outside their ranges are brought into them.
QString WriteRuleHtml(const RulePageModel& page, const GradientTable* gradient,
                      const ProgramOptions& options);
