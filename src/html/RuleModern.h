#pragma once

#include <QString>

struct GradientTable;
struct ProgramOptions;
struct RulePageModel;

// The horizontal-rule page's markup in modern CSS. A gradient rule is one
// <hr> of the rule's width, height and alignment, without borders, whose
// background is the table's linear-gradient from left to right (the stops
// where the drawn bar has them) instead of a stack of rules; nothing without
// a table of at least two stops. Any other rule is the CSS writer's.
QString WriteRuleModern(const RulePageModel& page, const GradientTable* gradient,
                        const ProgramOptions& options);
