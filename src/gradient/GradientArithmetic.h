#pragma once

#include "core/Color.h"

#include <cstdint>

// The channel arithmetic shared by the drawing and the walk: single
// precision accumulators and steps, clamped to 0..255 after every step and
// truncated toward zero when a colour is made. Kept in float on purpose:
// the colours depend on its rounding.
struct GradientChannels {
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;

    static GradientChannels of(TColor color) {
        return {float(ColorRed(color)), float(ColorGreen(color)), float(ColorBlue(color))};
    }
    TColor color() const { return RgbToColor(int(red), int(green), int(blue)); }
    bool operator==(const GradientChannels&) const = default;
};

// (target − start) / d per channel; d of 0 counts as 1.
inline GradientChannels GradientSteps(const GradientChannels& start, TColor target,
                                      std::int64_t d) {
    const float divisor = d == 0 ? 1.0f : float(d);
    return {(float(ColorRed(target)) - start.red) / divisor,
            (float(ColorGreen(target)) - start.green) / divisor,
            (float(ColorBlue(target)) - start.blue) / divisor};
}

inline float GradientClamp(float value) {
    if (value < 0.0f)
        return 0.0f;
    if (value > 255.0f)
        return 255.0f;
    return value;
}

inline void GradientAdvance(GradientChannels& acc, const GradientChannels& steps) {
    acc.red = GradientClamp(acc.red + steps.red);
    acc.green = GradientClamp(acc.green + steps.green);
    acc.blue = GradientClamp(acc.blue + steps.blue);
}
