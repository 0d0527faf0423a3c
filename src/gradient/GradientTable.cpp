#include "gradient/GradientTable.h"

#include <algorithm>
#include <utility>

std::vector<GradientStop> GradientTable::stops() const {
    const int n = std::clamp(count, 0, kMaxGradientStops);
    std::vector<GradientStop> result;
    result.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        result.push_back({positions[size_t(i)], colors[size_t(i)]});
    return result;
}

void GradientTable::setStops(std::span<const GradientStop> stops) {
    count = int(std::min<size_t>(stops.size(), kMaxGradientStops));
    for (int i = 0; i < count; ++i) {
        positions[size_t(i)] = stops[size_t(i)].position;
        colors[size_t(i)] = stops[size_t(i)].color;
    }
}

void SortGradientStops(std::vector<GradientStop>& stops) {
    const int n = int(stops.size());
    int gap = n;
    bool exchanged = true;
    while (exchanged || gap != 1) {
        gap = int(gap / 1.3);
        if (gap == 0)
            gap = 1;
        else if (gap == 9 || gap == 10)
            gap = 11;
        exchanged = false;
        for (int i = 0; i + gap < n; ++i) {
            if (stops[size_t(i)].position > stops[size_t(i + gap)].position) {
                std::swap(stops[size_t(i)], stops[size_t(i + gap)]);
                exchanged = true;
            }
        }
    }
}
