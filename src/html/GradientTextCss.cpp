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
    bool operator==(const InnerStyle&) const = default;
};

} // namespace

QString WriteGradientTextCss(const StyledText& text, const QStringList& fonttable, HtmlCase mode,
                             bool htmlcr, const TextProgress& progress) {
    const std::vector<StyledChar>& chars = text.chars;
    if (chars.empty())
        return {};
    const TextWriteProgress report(progress, 2 * PositionLength(text));
    const QString span = ApplyHtmlCase(QStringLiteral("SPAN"), mode);
    const QString openSpan = QLatin1Char('<') + span + HtmlLineBreak(htmlcr) + QLatin1Char(' ') +
                             ApplyHtmlCase(QStringLiteral("STYLE"), mode) + QLatin1String("=\"");
    const QString closeSpan = QLatin1String("</") + span + QLatin1Char('>');

    const TextFaces faces = ResolveTextFaces(text, fonttable);
    QStringList families;
    for (const QString& face : faces.texts)
        families.append(CssFontFamily(face));

    const std::optional<TextVariation> varies = FindTextVariation(text, faces, report);
    if (!varies)
        return {};

    QString out;
    out.reserve(qsizetype(chars.size()) * (varies->inner() ? 32 : 1) + 160);
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
    if (!varies->bold && first.bold)
        declare(QLatin1StringView("font-weight:bold"));
    if (!varies->italic && first.italic)
        declare(QLatin1StringView("font-style:italic"));
    if (!varies->underline && first.underline)
        declare(QLatin1StringView("text-decoration:underline"));
    out += QLatin1String("\">");

    auto innerOf = [&](size_t k) {
        const CharStyle& s = chars[k].style;
        InnerStyle inner;
        if (varies->face)
            inner.face = faces.ofChar[k];
        if (varies->size)
            inner.points = s.points;
        if (varies->color)
            inner.color = s.color;
        inner.bold = varies->bold && s.bold;
        inner.italic = varies->italic && s.italic;
        inner.underline = varies->underline && s.underline;
        return inner;
    };
    auto openInner = [&](size_t k) {
        const CharStyle& s = chars[k].style;
        out += openSpan;
        firstDeclaration = true;
        if (varies->face)
            declareFace(faces.ofChar[k]);
        if (varies->size) {
            declare(QLatin1StringView("font-size:"));
            out += CssFontSize(s.points);
        }
        if (varies->color) {
            declare(QLatin1StringView("color:"));
            AppendCssHexColor(out, s.color);
        }
        if (varies->bold && s.bold)
            declare(QLatin1StringView("font-weight:bold"));
        if (varies->italic && s.italic)
            declare(QLatin1StringView("font-style:italic"));
        if (varies->underline && s.underline)
            declare(QLatin1StringView("text-decoration:underline"));
        out += QLatin1String("\">");
    };
    // Characters that differ only in styles they do not have stay bare.
    auto hasSpan = [&](const InnerStyle& inner) {
        return varies->inner() || inner.bold || inner.italic || inner.underline;
    };

    const qsizetype half = report.total() / 2;
    qsizetype done = 0;
    InnerStyle current;
    for (size_t k = 0; k < chars.size(); ++k) {
        if (!report.report(k, half + done))
            return {};
        done += CharPositions(chars[k].ch);
        const InnerStyle inner = innerOf(k);
        if (k == 0 || !(inner == current)) {
            if (k > 0 && hasSpan(current))
                out += closeSpan;
            if (hasSpan(inner))
                openInner(k);
            current = inner;
        }
        AppendChar(out, chars[k].ch);
    }
    if (hasSpan(current))
        out += closeSpan;
    out += closeSpan;
    report.finish();
    return out;
}

QString WriteGradientTextCss(const StyledText& text, const ProgramOptions& options,
                             const TextProgress& progress) {
    return WriteGradientTextCss(text, options.fonttable, HtmlCaseFromOption(options.htmlcase),
                                options.htmlcr, progress);
}
