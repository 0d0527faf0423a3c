#include "gradient/GradientWalk.h"

#include <cstdint>

GradientWalk::GradientWalk(const GradientTable& table, int itemCount, int firstIndex)
    : m_stops(table.stops()), m_index(firstIndex) {
    m_breakpoints.reserve(m_stops.size());
    for (const GradientStop& stop : m_stops) {
        // A 32-bit product, as the breakpoints have always been computed.
        const auto product = std::int32_t(std::int64_t(stop.position) * itemCount);
        m_breakpoints.push_back(product / kGradientAxisEnd);
    }
}

TColor GradientWalk::next() {
    if (m_segment < m_stops.size() && m_index >= m_breakpoints[m_segment]) {
        m_acc = GradientChannels::of(m_stops[m_segment].color);
        if (m_segment + 1 < m_stops.size()) {
            const std::int64_t d =
                std::int64_t(m_breakpoints[m_segment + 1]) - m_breakpoints[m_segment];
            m_steps = GradientSteps(m_acc, m_stops[m_segment + 1].color, d);
        } else {
            // A segment starting at the last stop has nowhere to go: it
            // keeps that stop's colour.
            m_steps = GradientChannels{};
        }
        ++m_segment;
    }
    const TColor color = m_acc.color();
    GradientAdvance(m_acc, m_steps);
    ++m_index;
    return color;
}

std::vector<TColor> GradientWalkColors(const GradientTable& table, int itemCount, int firstIndex,
                                       int count) {
    GradientWalk walk(table, itemCount, firstIndex);
    std::vector<TColor> colors;
    colors.reserve(size_t(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i)
        colors.push_back(walk.next());
    return colors;
}
