#include "gradient/GradientFit.h"

#include <algorithm>
#include <cmath>

namespace {

GradientSample SampleOf(TColor color) {
    return {double(ColorRed(color)), double(ColorGreen(color)), double(ColorBlue(color))};
}

TColor ColorOf(const GradientSample& sample) {
    const auto channel = [](double value) {
        return int(std::lround(std::clamp(std::isfinite(value) ? value : 0.0, 0.0, 255.0)));
    };
    return RgbToColor(channel(sample.red), channel(sample.green), channel(sample.blue));
}

double Distance(const GradientSample& a, const GradientSample& b) {
    return std::hypot(a.red - b.red, a.green - b.green, a.blue - b.blue);
}

} // namespace

GradientColumns BlendGradientStops(std::span<const GradientStop> sortedStops) {
    GradientColumns columns{};
    if (sortedStops.empty())
        return columns;
    size_t k = 0;
    for (int x = 0; x <= kGradientAxisEnd; ++x) {
        while (k + 1 < sortedStops.size() && sortedStops[k + 1].position <= x)
            ++k;
        const GradientStop& left = sortedStops[k];
        if (k + 1 == sortedStops.size() || x <= left.position) {
            columns[size_t(x)] = SampleOf(left.color);
            continue;
        }
        const GradientStop& right = sortedStops[k + 1];
        const double t = double(x - left.position) / double(right.position - left.position);
        const GradientSample a = SampleOf(left.color);
        const GradientSample b = SampleOf(right.color);
        columns[size_t(x)] = {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t,
                              a.blue + (b.blue - a.blue) * t};
    }
    return columns;
}

namespace {

// The squared distances of the blend from the columns between stops a and b.
double SegmentCost(const GradientColumns& columns, int a, int b) {
    const GradientSample& l = columns[size_t(a)];
    const GradientSample& r = columns[size_t(b)];
    double cost = 0;
    for (int x = a + 1; x < b; ++x) {
        const double t = double(x - a) / double(b - a);
        const GradientSample blend{l.red + (r.red - l.red) * t, l.green + (r.green - l.green) * t,
                                   l.blue + (r.blue - l.blue) * t};
        const double d = Distance(blend, columns[size_t(x)]);
        cost += d * d;
    }
    return cost;
}

// Moves each inner stop to the column between its neighbours where the two
// segments beside it fit best, until no move helps.
void RefinePositions(const GradientColumns& columns, std::vector<int>& positions) {
    for (bool moved = true; moved;) {
        moved = false;
        for (size_t i = 1; i + 1 < positions.size(); ++i) {
            const int a = positions[i - 1];
            const int b = positions[i + 1];
            int best = positions[i];
            double bestCost = SegmentCost(columns, a, best) + SegmentCost(columns, best, b);
            for (int x = a + 1; x < b; ++x) {
                const double cost = SegmentCost(columns, a, x) + SegmentCost(columns, x, b);
                if (cost < bestCost - 1e-9) {
                    bestCost = cost;
                    best = x;
                }
            }
            if (best != positions[i]) {
                positions[i] = best;
                moved = true;
            }
        }
    }
}

} // namespace

GradientFitResult FitGradientStops(const GradientColumns& columns) {
    // Half a step of each channel: what 8-bit stops cannot do better than.
    constexpr double kWithinRounding = 0.87;
    const auto stopsAt = [&columns](const std::vector<int>& positions) {
        std::vector<GradientStop> stops;
        for (int x : positions)
            stops.push_back({x, ColorOf(columns[size_t(x)])});
        return stops;
    };
    const auto maxError = [&columns](const std::vector<GradientStop>& stops, int* worst) {
        const GradientColumns blend = BlendGradientStops(stops);
        double max = 0;
        for (int x = 0; x <= kGradientAxisEnd; ++x) {
            const double error = Distance(blend[size_t(x)], columns[size_t(x)]);
            if (error > max) {
                max = error;
                *worst = x;
            }
        }
        return max;
    };
    std::vector<int> positions{0, kGradientAxisEnd};
    GradientFitResult result;
    for (;;) {
        result.stops = stopsAt(positions);
        int worst = 0;
        result.maxError = maxError(result.stops, &worst);
        if (result.maxError <= kWithinRounding)
            return result;
        if (int(positions.size()) >= kMaxGradientStops)
            break;
        positions.insert(std::upper_bound(positions.begin(), positions.end(), worst), worst);
    }
    RefinePositions(columns, positions);
    const std::vector<GradientStop> refined = stopsAt(positions);
    int worst = 0;
    const double refinedError = maxError(refined, &worst);
    if (refinedError < result.maxError) {
        result.stops = refined;
        result.maxError = refinedError;
    }
    return result;
}
