#include "html/PageMarkup.h"

#include "html/BodyCss.h"
#include "html/BodyHtml.h"
#include "html/ColorNotation.h"
#include "html/GradientTextCss.h"
#include "html/GradientTextModern.h"
#include "html/GradientTextWriter.h"
#include "html/PageWrapper.h"
#include "html/PageWrapperCss.h"
#include "html/RuleCss.h"
#include "html/RuleMarkup.h"
#include "html/RuleModern.h"
#include "html/TableCss.h"
#include "html/TableMarkup.h"
#include "html/TextChars.h"
#include "settings/ProgramOptions.h"

bool UsesCssMarkup(const ProgramOptions& options) {
    return options.markupstyle != MarkupStyle::Classic;
}

QString WriteGradientTextMarkup(const StyledText& text, const ProgramOptions& options,
                                const TextProgress& progress) {
    if (HasForbiddenHtmlChars(text))
        return WriteGradientTextMarkup(WithoutForbiddenHtmlChars(text), options, progress);
    if (options.markupstyle == MarkupStyle::Modern)
        return WriteGradientTextModern(text, options, progress);
    return UsesCssMarkup(options) ? WriteGradientTextCss(text, options, progress)
                                  : WriteGradientTextHtml(text, options, progress);
}

QString WriteTableMarkup(const TablePageModel& page, const CellColors& cells,
                         const ProgramOptions& options) {
    return UsesCssMarkup(options) ? WriteGradientTableCss(page, cells, options)
                                  : WriteGradientTableHtml(page, cells, options);
}

QString WriteBodyMarkup(const BodyModel& page, const ProgramOptions& options) {
    return UsesCssMarkup(options) ? WriteBodyCss(page, options) : WriteBodyHtml(page, options);
}

QString WriteRuleMarkup(const RulePageModel& page, const GradientTable* gradient,
                        const ProgramOptions& options) {
    if (options.markupstyle == MarkupStyle::Modern)
        return WriteRuleModern(page, gradient, options);
    return UsesCssMarkup(options) ? WriteRuleCss(page, gradient, options)
                                  : WriteRuleHtml(page, gradient, options);
}

QString WriteColorMarkup(TColor color, int notation, const ProgramOptions& options) {
    return WriteColorNotation(color, notation, options);
}

ColorPageText WriteColorMarkup(TColor color, const ColorPageModel& page,
                               const ProgramOptions& options) {
    return WriteColorPage(color, page, options);
}

QString WrapPageMarkup(const QString& fragment, const PageTraits& page, TColor background,
                       const ProgramOptions& options) {
    return UsesCssMarkup(options) ? WrapPageCss(fragment, page, background, options)
                                  : WrapPage(fragment, page, background, options);
}
