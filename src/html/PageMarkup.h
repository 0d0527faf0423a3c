#pragma once

#include "core/Color.h"
#include "html/ColorPageModel.h"
#include "html/TextGradient.h"

#include <QString>

class CellColors;
struct BodyModel;
struct GradientTable;
struct PageTraits;
struct ProgramOptions;
struct RulePageModel;
struct StyledText;
struct TablePageModel;

// The one place the window and vellomar-cli get a page's markup from: each
// picks the classic writer or the CSS writer by the option markupstyle. The
// modern style is the CSS style but for the gradient text and rule writers.

bool UsesCssMarkup(const ProgramOptions& options);

// The characters HTML does not allow are left out of the text.
QString WriteGradientTextMarkup(const StyledText& text, const ProgramOptions& options,
                                const TextProgress& progress = {});
QString WriteTableMarkup(const TablePageModel& page, const CellColors& cells,
                         const ProgramOptions& options);
QString WriteBodyMarkup(const BodyModel& page, const ProgramOptions& options);
QString WriteRuleMarkup(const RulePageModel& page, const GradientTable* gradient,
                        const ProgramOptions& options);
// The colour page's notations are what the user picks them to be, in
// either style.
QString WriteColorMarkup(TColor color, int notation, const ProgramOptions& options);
ColorPageText WriteColorMarkup(TColor color, const ColorPageModel& page,
                               const ProgramOptions& options);

// The preview and saved page around a fragment of page `page`.
QString WrapPageMarkup(const QString& fragment, const PageTraits& page, TColor background,
                       const ProgramOptions& options);
