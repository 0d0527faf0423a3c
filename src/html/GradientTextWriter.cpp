#include "html/GradientTextWriter.h"

#include "html/CssText.h"
#include "html/GradientTextFont.h"
#include "html/TextChars.h"
#include "html/TextVariation.h"
#include "settings/ProgramOptions.h"

#include <algorithm>
#include <array>

QString WriteGradientTextHtml(const StyledText& text, const QStringList& fonttable, HtmlCase mode,
                              bool htmlcr, const TextProgress& progress, MarkupChars markupChars) {
    const std::vector<StyledChar>& chars = text.chars;
    if (chars.empty())
        return {};
    const TextWriteProgress report(progress, 2 * PositionLength(text));
    const QString font = ApplyHtmlCase(QStringLiteral("FONT"), mode);
    const QString openFont = QLatin1Char('<') + font + HtmlLineBreak(htmlcr);
    const QString closeFont = QLatin1String("</") + font + QLatin1Char('>');
    const QString faceName =
        QLatin1Char(' ') + ApplyHtmlCase(QStringLiteral("FACE"), mode) + QLatin1String("=\"");
    const QString sizeName =
        QLatin1Char(' ') + ApplyHtmlCase(QStringLiteral("SIZE"), mode) + QLatin1Char('=');
    const QString colorName =
        QLatin1Char(' ') + ApplyHtmlCase(QStringLiteral("COLOR"), mode) + QLatin1Char('=');
    const QString b = ApplyHtmlCase(QStringLiteral("B"), mode);
    const QString i = ApplyHtmlCase(QStringLiteral("I"), mode);
    const QString u = ApplyHtmlCase(QStringLiteral("U"), mode);
    // B, I and U by their index in `open`.
    const QString openTag[3] = {QLatin1Char('<') + b + QLatin1Char('>'),
                                QLatin1Char('<') + i + QLatin1Char('>'),
                                QLatin1Char('<') + u + QLatin1Char('>')};
    const QString closeTag[3] = {QLatin1String("</") + b + QLatin1Char('>'),
                                 QLatin1String("</") + i + QLatin1Char('>'),
                                 QLatin1String("</") + u + QLatin1Char('>')};

    const std::optional<TextPlan> plan = PlanTextWrite(text, fonttable, report);
    if (!plan)
        return {};
    const TextFaces& faces = plan->faces;
    const TextVariation& varies = plan->varies;
    QStringList faceAttributes;
    for (const QString& face : faces.texts)
        faceAttributes.append(faceName + HtmlAttributeValue(face) + QLatin1Char('"'));
    const bool faceVaries = varies.face, sizeVaries = varies.size, colorVaries = varies.color;
    const bool styleVaries[3] = {varies.bold, varies.italic, varies.underline};
    const bool inner = varies.inner();
    const auto styleFlags = [](const CharStyle& s) {
        return std::array<bool, 3>{s.bold, s.italic, s.underline};
    };

    // The open B, I and U tags, innermost last. A varying style is closed
    // and reopened around each character, and so is every tag opened inside
    // it; at an inner FONT boundary all of them are, so that no tag crosses
    // a FONT end.
    std::array<int, 3> open{};
    int openCount = 0;

    QString out;
    out.reserve(qsizetype(chars.size()) * (inner ? 24 : 1) + 128);
    auto appendInnerAttributes = [&](size_t k) {
        if (faceVaries)
            out += faceAttributes.at(faces.ofChar[k]);
        if (sizeVaries)
            out += sizeName + FontSizeToHtml(chars[k].style.points);
        if (colorVaries) {
            out += colorName;
            AppendCssHexColor(out, chars[k].style.color);
        }
        out += QLatin1Char('>');
    };

    const qsizetype half = report.total() / 2;
    qsizetype done = 0;
    for (size_t k = 0; k < chars.size(); ++k) {
        if (!report.report(k, half + done))
            return {};
        done += CharPositions(chars[k].ch);
        const CharStyle& s = chars[k].style;
        const std::array<bool, 3> wanted = styleFlags(s);
        if (k == 0) {
            out += openFont + faceAttributes.at(faces.ofChar[k]) + sizeName +
                   FontSizeToHtml(s.points) + colorName;
            AppendCssHexColor(out, s.color);
            out += QLatin1Char('>');
            if (inner) {
                out += openFont;
                appendInnerAttributes(k);
            }
        } else if (chars[k].ch == U'\n' && chars[k - 1].ch == U'\r') {
            // A CR LF pair stays together: split, a browser reads two breaks.
            AppendTextChar(out, chars[k].ch, markupChars);
            continue;
        } else {
            int keep = 0;
            if (!inner)
                while (keep < openCount && !styleVaries[open[size_t(keep)]])
                    ++keep;
            while (openCount > keep)
                out += closeTag[open[size_t(--openCount)]];
            if (inner) {
                out += closeFont + openFont;
                appendInnerAttributes(k);
            }
        }
        for (int style = 0; style < 3; ++style) {
            if (!wanted[size_t(style)] || std::find(open.begin(), open.begin() + openCount,
                                                    style) != open.begin() + openCount)
                continue;
            out += openTag[style];
            open[size_t(openCount++)] = style;
        }
        AppendTextChar(out, chars[k].ch, markupChars);
    }
    while (openCount > 0)
        out += closeTag[open[size_t(--openCount)]];
    out += closeFont;
    if (inner)
        out += closeFont;
    report.finish();
    return out;
}

QString WriteGradientTextHtml(const StyledText& text, const ProgramOptions& options,
                              const TextProgress& progress) {
    return WriteGradientTextHtml(text, options.fonttable, options.htmlcase, options.htmlcr,
                                 progress,
                                 options.rawtext ? MarkupChars::AsTyped : MarkupChars::Escape);
}
