#include "gradient/GradientWalk.h"

#include <cstdint>

GradientWalk::GradientWalk(const GradientTable& table, int itemCount, int firstIndex,
                           GradientInterpolation interpolation)
    : m_stops(table.stops()), m_interpolation(interpolation), m_index(firstIndex) {
    m_breakpoints.reserve(m_stops.size());
    for (const GradientStop& stop : m_stops) {
        // A 32-bit product, as the breakpoints have always been computed.
        const auto product = std::int32_t(std::int64_t(stop.position) * itemCount);
        m_breakpoints.push_back(product / kGradientAxisEnd);
    }
}

TColor GradientWalk::next() {
    if (m_segment < m_stops.size() && m_index >= m_breakpoints[m_segment])
        startSegment();
    ++m_index;
    if (m_interpolation != GradientInterpolation::Srgb)
        return m_path.next();
    const TColor color = m_acc.color();
    GradientAdvance(m_acc, m_steps);
    return color;
}

void GradientWalk::startSegment() {
    const TColor from = m_stops[m_segment].color;
    // A segment starting at the last stop has nowhere to go: it keeps that
    // stop's colour.
    const bool last = m_segment + 1 == m_stops.size();
    const std::int64_t d =
        last ? 0 : std::int64_t(m_breakpoints[m_segment + 1]) - m_breakpoints[m_segment];
    if (m_interpolation != GradientInterpolation::Srgb) {
        m_path = last ? PerceptualSegment(from)
                      : PerceptualSegment(from, m_stops[m_segment + 1].color, m_interpolation, d);
    } else {
        m_acc = GradientChannels::of(from);
        m_steps = last ? GradientChannels{} : GradientSteps(m_acc, m_stops[m_segment + 1].color, d);
    }
    ++m_segment;
}

std::vector<TColor> GradientWalkColors(const GradientTable& table, int itemCount, int firstIndex,
                                       int count, GradientInterpolation interpolation) {
    GradientWalk walk(table, itemCount, firstIndex, interpolation);
    std::vector<TColor> colors;
    colors.reserve(size_t(count > 0 ? count : 0));
    for (int i = 0; i < count; ++i)
        colors.push_back(walk.next());
    return colors;
}
