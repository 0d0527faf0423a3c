#include "html/GradientTextModern.h"

#include "gradient/CssLinearGradient.h"
#include "html/CssText.h"
#include "html/GradientTextCss.h"
#include "html/HtmlCase.h"
#include "html/TextGradientRuns.h"
#include "settings/ProgramOptions.h"

#include <QStringList>

namespace {

// A class name that depends on the gradient only, so that fragments pasted
// into one page side by side do not take each other's gradients.
QString ClassName(const QString& rule) {
    quint32 hash = 2166136261u;
    for (const QChar ch : rule) {
        hash ^= ch.unicode();
        hash *= 16777619u;
    }
    return QStringLiteral("vg-%1").arg(hash, 8, 16, QLatin1Char('0'));
}

} // namespace

QString WriteGradientTextModern(const StyledText& text, const ProgramOptions& options,
                                const TextProgress& progress) {
    const std::vector<TextGradientRun> runs = FindTextGradientRuns(text, options.interpolation);
    const MarkupChars markupChars = options.rawtext ? MarkupChars::AsTyped : MarkupChars::Escape;
    if (runs.empty())
        return WriteGradientTextCss(text, options.fonttable, options.htmlcase, options.htmlcr,
                                    progress, markupChars);

    std::vector<TextPaintedRun> painted;
    QStringList colours;   // every browser's rules
    QStringList gradients; // the rules of browsers that clip backgrounds to text
    QStringList classes;
    for (const TextGradientRun& run : runs) {
        QString colour = QStringLiteral("{color:");
        AppendCssHexColor(colour, run.fallback);
        colour += QLatin1Char('}');
        const QString gradient = QStringLiteral("{background-image:") +
                                 CssLinearGradient(run.stops, options.interpolation) +
                                 QLatin1Char('}');
        const QString name = ClassName(colour + gradient);
        painted.push_back({run.first, run.end, name});
        if (!classes.contains(name)) {
            classes.append(name);
            colours.append(QLatin1Char('.') + name + colour);
            gradients.append(QLatin1Char('.') + name + gradient);
        }
    }
    const QString body = WriteGradientTextCss(text, options.fonttable, options.htmlcase,
                                              options.htmlcr, progress, markupChars, painted);
    if (body.isEmpty())
        return body;
    // Without the clip the gradient would fill the box behind the text, so
    // only browsers that clip see it at all.
    const QString nl = HtmlLineBreak(options.htmlcr);
    QString out = QLatin1Char('<') + ApplyHtmlCase(QStringLiteral("STYLE"), options.htmlcase) +
                  QLatin1Char('>') + nl;
    for (const QString& rule : colours)
        out += rule + nl;
    out +=
        QStringLiteral("@supports (background-clip:text) or (-webkit-background-clip:text){") + nl;
    for (const QString& rule : gradients)
        out += rule + nl;
    out +=
        QLatin1Char('.') + classes.join(QStringLiteral(",.")) +
        QStringLiteral("{-webkit-background-clip:text;background-clip:text;color:transparent}}") +
        nl;
    out += QLatin1String("</") + ApplyHtmlCase(QStringLiteral("STYLE"), options.htmlcase) +
           QLatin1Char('>') + nl + body;
    return out;
}
