#pragma once

#include "core/Color.h"
#include "settings/MarkupOptions.h"

#include <cstdint>

// The colours from one stop to the next in `steps` equal steps, on a
// straight line in OKLab or on the shorter hue arc in OKLCH. Step 0 is the
// first stop and step `steps` the second, both exactly. Colours the arc
// takes outside sRGB are clipped per channel: that is how browsers paint a
// linear-gradient() in these spaces, so the bar and a page's native
// gradient agree, and it costs nothing per colour.
class PerceptualSegment {
public:
    // The colour `from` at every step.
    explicit PerceptualSegment(TColor from = 0);
    // `steps` of 0 counts as 1; Srgb counts as Oklab (sRGB walks have their
    // own arithmetic).
    PerceptualSegment(TColor from, TColor to, GradientInterpolation space, std::int64_t steps);

    // Moves to step `step`.
    void seek(std::int64_t step);
    // The colour at the current step, then one step on.
    TColor next();

private:
    TColor polarColor(std::int64_t step);

    TColor m_from = 0;
    TColor m_to = 0;
    bool m_constant = true;
    bool m_polar = false;
    std::int64_t m_steps = 1;
    std::int64_t m_step = 0;
    double m_perStep = 1; // 1 / steps
    // OKLab: each linear sRGB channel is a cubic in t = step / steps; its
    // coefficients from the constant one up.
    double m_cubic[3][4] = {};
    // OKLCH: lightness, chroma and hue (radians) at step 0 and per step.
    double m_start[3] = {};
    double m_delta[3] = {};
    // The hues of the next kTurns steps as unit vectors, the one of step s
    // in slot s % kTurns; each is turned kTurns steps on once used. Four
    // rotations in turn keep each from waiting on the last one.
    static constexpr int kTurns = 4;
    double m_cos[kTurns] = {};
    double m_sin[kTurns] = {};
    double m_turnCos = 1;
    double m_turnSin = 0;
};
