#pragma once

#include "gradient/CssLinearGradient.h"
#include "gradient/GgrFile.h"

#include <cstdlib>

// Whatever an import reads must be a table as the editor makes them, and
// must come back as itself through both export formats.
inline void CheckImported(const GradientImport& import) {
    for (const ImportedGradient& gradient : import.gradients) {
        const std::vector<GradientStop>& stops = gradient.stops;
        if (stops.size() < 2 || stops.size() > size_t(kMaxGradientStops) ||
            stops.front().position != 0 || stops.back().position != kGradientAxisEnd)
            std::abort();
        for (size_t i = 1; i < stops.size(); ++i) {
            if (stops[i].position <= stops[i - 1].position)
                std::abort();
        }
        GradientTable table;
        table.name = gradient.name;
        table.setStops(stops);
        const GradientImport ggr = ReadGgr(WriteGgr(table), QString());
        if (!ggr || ggr.gradients.front().stops != stops || ggr.gradients.front().notes != 0)
            std::abort();
        const GradientImport css = ReadCssLinearGradients(
            WriteCssLinearGradient(table, GradientInterpolation::Srgb), QString());
        if (!css || css.gradients.front().stops != stops)
            std::abort();
    }
}
