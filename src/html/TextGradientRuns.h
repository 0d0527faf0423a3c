#pragma once

#include "gradient/CssLinearGradient.h"
#include "html/StyledText.h"
#include "settings/MarkupOptions.h"

#include <vector>

// A run of characters [first, end) whose colours change smoothly from one
// to the next, as a gradient leaves them, with the few stops a browser's
// linear-gradient over the run's box needs to give every character its
// colour again, and the one colour that stands in for the run where the
// browser cannot paint text with a gradient.
struct TextGradientRun {
    size_t first = 0;
    size_t end = 0;
    std::vector<CssGradientStop> stops;
    TColor fallback = 0;
};

// The runs of the text, in order. The page keeps only the characters'
// colours, so the stops are found from them: the longest stretches whose
// colours lie on the way between their ends in `interpolation` (within
// rounding), joined while each holds at least two characters between its
// ends or changes no faster than its neighbours. A stop sits at the centre of its character,
// reckoned in positions; blanks show no colour and are not compared. Text
// coloured by hand, in one colour or with jumps, gives no run.
std::vector<TextGradientRun> FindTextGradientRuns(const StyledText& text,
                                                  GradientInterpolation interpolation);
