#pragma once

#include "core/Color.h"
#include "gradient/GradientTable.h"

// Whether a table can colour items along it: it needs a first and a last
// stop. A damaged stored table may have fewer.
inline bool CanWalkGradient(const GradientTable& table) {
    return table.count >= 2;
}

// The colour of the table's last stop in use, which the generators give
// their last item; black for a table without stops.
inline TColor GradientLastStopColor(const GradientTable& table) {
    if (table.count <= 0)
        return 0;
    const int last = table.count > kMaxGradientStops ? kMaxGradientStops - 1 : table.count - 1;
    return table.colors[size_t(last)];
}
