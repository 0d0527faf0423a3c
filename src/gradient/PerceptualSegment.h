#pragma once

#include "core/Color.h"
#include "settings/MarkupOptions.h"

#include <cstdint>

// The colours from one stop to the next in `steps` equal steps, on a
// straight line in OKLab or on the shorter hue arc in OKLCH. Step 0 is the
// first stop and step `steps` the second, both exactly. Colours the arc
// takes outside sRGB are clipped per channel: that is how browsers paint a
// linear-gradient() in these spaces, so the bar and a page's native
// gradient agree, and it costs nothing per colour. A long segment is
// computed only where its colour can change: bounds on how fast each
// channel moves say how many steps surely keep the last colour.
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
    TColor next() {
        const std::int64_t step = m_step++;
        if (m_constant || step <= 0)
            return m_from;
        if (step >= m_steps)
            return m_to;
        if (m_repeat > 0) {
            --m_repeat;
            return m_last;
        }
        evaluate(step);
        return m_last;
    }

private:
    // The colour at `step` into m_last, and into m_repeat how many steps
    // after it surely keep that colour.
    void evaluate(std::int64_t step);

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
    // OKLCH: lightness, chroma and hue (radians) at step 0 and per step, and
    // the hue at step m_hueStep as a unit vector.
    double m_start[3] = {};
    double m_delta[3] = {};
    std::int64_t m_hueStep = -1;
    double m_cos = 1;
    double m_sin = 0;
    double m_turnCos = 1;
    double m_turnSin = 0;
    // The most each linear channel's change per step can change per step.
    double m_curve[3] = {};
    TColor m_last = 0;
    std::int64_t m_repeat = 0;
};
