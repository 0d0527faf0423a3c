#include "html/GradientTextCss.h"

#include "html/CssText.h"
#include "html/TextVariation.h"
#include "settings/ProgramOptions.h"

namespace {

// What an inner span says about one character: the varying properties
// only, the others left at their defaults so that runs compare equal.
struct InnerStyle {
    int face = -1;
    double points = 0;
    TColor color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int painted = -1; // the painted run the character is in
    bool operator==(const InnerStyle&) const = default;
};

} // namespace

QString WriteGradientTextCss(const StyledText& text, const QStringList& fonttable, HtmlCase mode,
                             bool htmlcr, const TextProgress& progress, MarkupChars markupChars,
                             std::span<const TextPaintedRun> painted) {
    const std::vector<StyledChar>& chars = text.chars;
    if (chars.empty())
        return {};
    const TextWriteProgress report(progress, 2 * PositionLength(text));
    const QString span = ApplyHtmlCase(QStringLiteral("SPAN"), mode);
    const QString openSpan = QLatin1Char('<') + span + HtmlLineBreak(htmlcr) + QLatin1Char(' ') +
                             ApplyHtmlCase(QStringLiteral("STYLE"), mode) + QLatin1String("=\"");
    const QString closeSpan = QLatin1String("</") + span + QLatin1Char('>');

    const std::optional<TextPlan> plan = PlanTextWrite(text, fonttable, report);
    if (!plan)
        return {};
    const TextFaces& faces = plan->faces;
    const TextVariation& varies = plan->varies;
    QStringList families;
    for (const QString& face : faces.texts)
        families.append(CssFontFamily(face));

    QString out;
    out.reserve(qsizetype(chars.size()) * (varies.inner() && painted.empty() ? 32 : 1) + 160);
    // Declarations joined by ';', the first without one.
    bool firstDeclaration = true;
    auto declare = [&](QLatin1StringView property) {
        if (!firstDeclaration)
            out += QLatin1Char(';');
        firstDeclaration = false;
        out += property;
    };
    auto declareFace = [&](int face) {
        if (families.at(face).isEmpty())
            return;
        declare(QLatin1StringView("font-family:"));
        out += families.at(face);
    };

    const CharStyle& first = chars.front().style;
    out += openSpan;
    declareFace(faces.ofChar.front());
    declare(QLatin1StringView("font-size:"));
    out += CssFontSize(first.points);
    declare(QLatin1StringView("color:"));
    AppendCssHexColor(out, first.color);
    // Styles that do not vary are set once for the whole text.
    if (!varies.bold && first.bold)
        declare(QLatin1StringView("font-weight:bold"));
    if (!varies.italic && first.italic)
        declare(QLatin1StringView("font-style:italic"));
    if (!varies.underline && first.underline)
        declare(QLatin1StringView("text-decoration:underline"));
    out += QLatin1String("\">");

    auto innerOf = [&](size_t k) {
        const CharStyle& s = chars[k].style;
        InnerStyle inner;
        if (varies.face)
            inner.face = faces.ofChar[k];
        if (varies.size)
            inner.points = s.points;
        if (varies.color)
            inner.color = s.color;
        inner.bold = varies.bold && s.bold;
        inner.italic = varies.italic && s.italic;
        inner.underline = varies.underline && s.underline;
        return inner;
    };
    auto openInner = [&](size_t k, const InnerStyle& inner) {
        const CharStyle& s = chars[k].style;
        out += openSpan;
        firstDeclaration = true;
        if (varies.face)
            declareFace(faces.ofChar[k]);
        if (varies.size) {
            declare(QLatin1StringView("font-size:"));
            out += CssFontSize(s.points);
        }
        if (varies.color && inner.painted < 0) {
            declare(QLatin1StringView("color:"));
            AppendCssHexColor(out, inner.color);
        }
        if (varies.bold && s.bold)
            declare(QLatin1StringView("font-weight:bold"));
        if (varies.italic && s.italic)
            declare(QLatin1StringView("font-style:italic"));
        if (varies.underline && s.underline)
            declare(QLatin1StringView("text-decoration:underline"));
        out += QLatin1String("\">");
    };
    // Characters that differ only in styles they do not have stay bare.
    auto hasSpan = [&](const InnerStyle& inner) {
        if (inner.painted >= 0)
            return varies.face || varies.size || inner.bold || inner.italic || inner.underline;
        return varies.inner() || inner.bold || inner.italic || inner.underline;
    };

    // The colour of a blank shows nowhere (an underline of its own aside),
    // so blanks join the run beside them instead of making a span of
    // nothing but white space.
    std::vector<InnerStyle> inners;
    inners.reserve(chars.size());
    for (size_t k = 0; k < chars.size(); ++k)
        inners.push_back(innerOf(k));
    if (varies.color) {
        const auto isBlank = [&](size_t k) {
            const char32_t ch = chars[k].ch;
            return (ch == U' ' || ch == U'\t' || ch == U'\r' || ch == U'\n') &&
                   !inners[k].underline;
        };
        size_t firstInk = 0;
        while (firstInk < chars.size() && isBlank(firstInk))
            ++firstInk;
        for (size_t k = 0; k < chars.size(); ++k) {
            if (k == firstInk || !isBlank(k))
                continue;
            if (k < firstInk) {
                if (firstInk < chars.size())
                    inners[k].color = inners[firstInk].color;
            } else {
                inners[k].color = inners[k - 1].color;
            }
        }
    }

    // Nor is a CR LF pair split between two spans.
    for (size_t k = 1; k < chars.size(); ++k)
        if (chars[k].ch == U'\n' && chars[k - 1].ch == U'\r')
            inners[k] = inners[k - 1];

    // A painted run's characters share the run's paint instead of colours.
    for (size_t r = 0; r < painted.size(); ++r)
        for (size_t k = painted[r].first; k < painted[r].end && k < chars.size(); ++k) {
            inners[k].color = 0;
            inners[k].painted = int(r);
        }
    const QString openPainted = QLatin1Char('<') + span + HtmlLineBreak(htmlcr) + QLatin1Char(' ') +
                                ApplyHtmlCase(QStringLiteral("CLASS"), mode) + QLatin1String("=\"");

    const qsizetype half = report.total() / 2;
    qsizetype done = 0;
    for (size_t k = 0; k < chars.size(); ++k) {
        if (!report.report(k, half + done))
            return {};
        done += CharPositions(chars[k].ch);
        if (k == 0 || !(inners[k] == inners[k - 1])) {
            if (k > 0 && hasSpan(inners[k - 1]))
                out += closeSpan;
            if (k > 0 && inners[k - 1].painted >= 0 && inners[k - 1].painted != inners[k].painted)
                out += closeSpan;
            if (inners[k].painted >= 0 && (k == 0 || inners[k - 1].painted != inners[k].painted))
                out += openPainted + painted[size_t(inners[k].painted)].className +
                       QLatin1String("\">");
            if (hasSpan(inners[k]))
                openInner(k, inners[k]);
        }
        AppendTextChar(out, chars[k].ch, markupChars);
    }
    if (hasSpan(inners.back()))
        out += closeSpan;
    if (inners.back().painted >= 0)
        out += closeSpan;
    out += closeSpan;
    report.finish();
    return out;
}

QString WriteGradientTextCss(const StyledText& text, const ProgramOptions& options,
                             const TextProgress& progress) {
    return WriteGradientTextCss(text, options.fonttable, options.htmlcase, options.htmlcr, progress,
                                options.rawtext ? MarkupChars::AsTyped : MarkupChars::Escape);
}
