#pragma once

#include "core/Color.h"
#include "gradient/GradientArithmetic.h"
#include "gradient/GradientTable.h"
#include "gradient/PerceptualSegment.h"
#include "settings/MarkupOptions.h"

#include <vector>

// Hands out one colour per item for a run of `itemCount` items along a
// table. Items are visited with increasing indexes from `firstIndex`;
// each call of next() is the next item. The last stop's exact colour is
// left to the caller's own closing step. The interpolation changes only
// the colours between the stops: each segment still starts on its stop's
// exact colour at the same item.
class GradientWalk {
public:
    GradientWalk(const GradientTable& table, int itemCount, int firstIndex,
                 GradientInterpolation interpolation);

    TColor next();
    int nextIndex() const { return m_index; }

private:
    void startSegment();

    std::vector<GradientStop> m_stops;
    std::vector<int> m_breakpoints;
    GradientChannels m_acc;
    GradientChannels m_steps;
    GradientInterpolation m_interpolation;
    PerceptualSegment m_path;
    size_t m_segment = 0;
    int m_index = 0;
};

// The colours of `count` items from `firstIndex` of a walk over `itemCount` items.
std::vector<TColor>
GradientWalkColors(const GradientTable& table, int itemCount, int firstIndex, int count,
                   GradientInterpolation interpolation = GradientInterpolation::Srgb);
