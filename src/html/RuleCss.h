#pragma once

#include <QString>

struct GradientTable;
struct ProgramOptions;
struct RulePageModel;

// The horizontal-rule page's markup in CSS: the same rules in the same
// colours as the hr attributes give, each as <hr style="..."> that draws
// what the attributes draw: width in percent or pixels, the total height,
// a solid rule filled with its colour (gray for a solid rule without one),
// left or right alignment by its margins. A rule the defaults describe is
// a bare <hr>. Fixed lower case, colours "#RRGGBB", a line break after
// each rule when htmlcr is on; empty when the attributes writer writes
// nothing.
QString WriteRuleCss(const RulePageModel& page, const GradientTable* gradient,
                     const ProgramOptions& options);
