#pragma once

#include "html/StyledText.h"
#include "html/TextGradient.h"

#include <QString>

struct ProgramOptions;

// The gradient-text page's markup in modern CSS: what the CSS writer writes,
// except that each run of smoothly changing colours (FindTextGradientRuns)
// is one SPAN whose text the browser paints with a linear-gradient. A style
// block before the text holds one class per gradient: a solid colour for
// every browser, and under @supports the gradient clipped to the text with
// transparent glyphs, so that a browser without background-clip:text shows
// the text in that colour (and no gradient box behind it). A text without
// such a run is exactly the CSS writer's.
QString WriteGradientTextModern(const StyledText& text, const ProgramOptions& options,
                                const TextProgress& progress = {});
