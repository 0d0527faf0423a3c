#include "html/GradientTextWriter.h"

#include "html/CssText.h"
#include "html/GradientTextFont.h"
#include "html/TextVariation.h"
#include "settings/ProgramOptions.h"

QString WriteGradientTextHtml(const StyledText& text, const QStringList& fonttable, HtmlCase mode,
                              bool htmlcr, const TextProgress& progress) {
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
    const QString openB = QLatin1Char('<') + b + QLatin1Char('>');
    const QString openI = QLatin1Char('<') + i + QLatin1Char('>');
    const QString openU = QLatin1Char('<') + u + QLatin1Char('>');
    const QString closeB = QLatin1String("</") + b + QLatin1Char('>');
    const QString closeI = QLatin1String("</") + i + QLatin1Char('>');
    const QString closeU = QLatin1String("</") + u + QLatin1Char('>');

    const std::optional<TextPlan> plan = PlanTextWrite(text, fonttable, report);
    if (!plan)
        return {};
    const TextFaces& faces = plan->faces;
    const TextVariation& varies = plan->varies;
    QStringList faceAttributes;
    for (const QString& face : faces.texts)
        faceAttributes.append(faceName + face + QLatin1Char('"'));
    const bool faceVaries = varies.face, sizeVaries = varies.size, colorVaries = varies.color;
    const bool boldVaries = varies.bold, italicVaries = varies.italic,
               underlineVaries = varies.underline;
    const bool inner = varies.inner();

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
        if (k == 0) {
            out += openFont + faceAttributes.at(faces.ofChar[k]) + sizeName +
                   FontSizeToHtml(s.points) + colorName;
            AppendCssHexColor(out, s.color);
            out += QLatin1Char('>');
            if (inner) {
                out += openFont;
                appendInnerAttributes(k);
            }
            if (s.bold)
                out += openB;
            if (s.italic)
                out += openI;
            if (s.underline)
                out += openU;
        } else {
            const CharStyle& previous = chars[k - 1].style;
            if (underlineVaries && previous.underline)
                out += closeU;
            if (italicVaries && previous.italic)
                out += closeI;
            if (boldVaries && previous.bold)
                out += closeB;
            if (inner) {
                out += closeFont + openFont;
                appendInnerAttributes(k);
            }
            if (boldVaries && s.bold)
                out += openB;
            if (italicVaries && s.italic)
                out += openI;
            if (underlineVaries && s.underline)
                out += openU;
        }
        AppendChar(out, chars[k].ch);
    }
    const CharStyle& last = chars.back().style;
    if (last.underline)
        out += closeU;
    if (last.italic)
        out += closeI;
    if (last.bold)
        out += closeB;
    out += closeFont;
    if (inner)
        out += closeFont;
    report.finish();
    return out;
}

QString WriteGradientTextHtml(const StyledText& text, const ProgramOptions& options,
                              const TextProgress& progress) {
    return WriteGradientTextHtml(text, options.fonttable, HtmlCaseFromOption(options.htmlcase),
                                 options.htmlcr, progress);
}
