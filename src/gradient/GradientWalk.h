#pragma once

#include "core/Color.h"
#include "gradient/GradientArithmetic.h"
#include "gradient/GradientTable.h"

#include <vector>

// Hands out one colour per item for a run of `itemCount` items along a
// table. Items are visited with increasing indexes from `firstIndex`;
// each call of next() is the next item. The last stop's exact colour is
// left to the caller's own closing step.
class GradientWalk {
public:
    GradientWalk(const GradientTable& table, int itemCount, int firstIndex = 0);

    TColor next();
    int nextIndex() const { return m_index; }

private:
    std::vector<GradientStop> m_stops;
    std::vector<int> m_breakpoints;
    GradientChannels m_acc;
    GradientChannels m_steps;
    size_t m_segment = 0;
    int m_index = 0;
};

// The colours of `count` items from `firstIndex` of a walk over `itemCount` items.
std::vector<TColor> GradientWalkColors(const GradientTable& table, int itemCount, int firstIndex,
                                       int count);
