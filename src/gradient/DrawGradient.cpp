#include "gradient/DrawGradient.h"

#include "gradient/GradientArithmetic.h"
#include "gradient/PerceptualSegment.h"

#include <algorithm>
#include <cstdint>

void DrawGradient(std::span<const GradientStop> stops, int width,
                  const std::function<void(int x, TColor color)>& fillColumn,
                  GradientInterpolation interpolation) {
    std::vector<GradientStop> sorted(stops.begin(), stops.end());
    SortGradientStops(sorted);
    if (sorted.size() < 2)
        return;
    for (size_t k = 0; k + 1 < sorted.size(); ++k) {
        const std::int64_t p0 = sorted[k].position;
        const std::int64_t p1 = sorted[k + 1].position;
        if (p1 < 0 || p0 >= width)
            continue; // the whole segment lies outside the picture
        const std::int64_t last = p1 < width ? p1 : width - 1;
        if (interpolation != GradientInterpolation::Srgb) {
            // A stop far left of the picture costs nothing: the path starts at 0.
            PerceptualSegment path(sorted[k].color, sorted[k + 1].color, interpolation, p1 - p0);
            std::int64_t x = std::max<std::int64_t>(p0, 0);
            path.seek(x - p0);
            for (; x <= last; ++x)
                fillColumn(int(x), path.next());
            continue;
        }
        GradientChannels acc = GradientChannels::of(sorted[k].color);
        const GradientChannels steps = GradientSteps(acc, sorted[k + 1].color, p1 - p0);
        std::int64_t x = p0;
        // Columns left of the picture are only counted. Once a step no
        // longer changes any channel, the rest of them change nothing
        // either; that keeps a stop far left of 0 cheap.
        while (x < 0) {
            const GradientChannels before = acc;
            GradientAdvance(acc, steps);
            ++x;
            if (acc == before) {
                x = 0;
                break;
            }
        }
        for (; x <= last; ++x) {
            fillColumn(int(x), acc.color());
            GradientAdvance(acc, steps);
        }
    }
}

void DrawGradient(std::span<const GradientStop> stops, std::vector<TColor>& columns,
                  GradientInterpolation interpolation) {
    DrawGradient(
        stops, int(columns.size()), [&columns](int x, TColor color) { columns[size_t(x)] = color; },
        interpolation);
}
