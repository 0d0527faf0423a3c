#pragma once

#include "core/Color.h"

#include <QString>
#include <array>
#include <span>
#include <vector>

// One colour stop on the axis that runs from 0 to 300, one unit per pixel
// column of the preview bars.
struct GradientStop {
    int position = 0;
    TColor color = 0;
    bool operator==(const GradientStop&) const = default;
};

constexpr int kGradientAxisEnd = 300;
constexpr int kMaxGradientStops = 10;

// A named run of up to ten stops, held in ascending order of position.
struct GradientTable {
    QString name;
    int count = 0; // stops in use, 0..10
    std::array<int, kMaxGradientStops> positions{};
    std::array<TColor, kMaxGradientStops> colors{};

    // The stops in use, in slot order; a count outside 0..10 reads at most
    // the ten slots.
    std::vector<GradientStop> stops() const;
    // Takes the first ten of `stops` in the given order.
    void setStops(std::span<const GradientStop> stops);

    bool operator==(const GradientTable&) const = default;
};

// Sorts by ascending position with the comb sort whose tie order the
// drawing and the stored tables depend on: equal positions keep the order
// the passes leave them in, which is not always the original order.
void SortGradientStops(std::vector<GradientStop>& stops);
