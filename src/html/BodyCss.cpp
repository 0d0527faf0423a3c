#include "html/BodyCss.h"

#include "html/BodyHtml.h"
#include "html/CssText.h"
#include "settings/ProgramOptions.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The picture's address for url("..."): a '<' could close the style
// block, so it is escaped like the other unsafe characters.
QString CssBackgroundUrl(const QString& path) {
    QString url = BodyBackgroundUrl(path);
    url.replace(QLatin1Char('<'), QLatin1String("%3C"));
    url.replace(QLatin1Char('>'), QLatin1String("%3E"));
    return url;
}

} // namespace

QString WriteBodyCss(const BodyModel& page, const NamedColorTable& table, HtmlCase mode) {
    const auto color = [&](BodyRole role) {
        return ApplyHtmlCase(CssColorText(page.color(role), page.preferNames, table, mode), mode);
    };
    const QString style = ApplyHtmlCase(QStringLiteral("STYLE"), mode);
    QString css = QLatin1Char('<') + style + QLatin1Char('>') + kCrLf;
    css += QLatin1String("body { color:") + color(BodyRole::Text) +
           QLatin1String("; background-color:") + color(BodyRole::BgColor);
    if (!page.backgroundPicturePath.isEmpty())
        css += QLatin1String("; background-image:url(\"") +
               CssBackgroundUrl(page.backgroundPicturePath) + QLatin1String("\")");
    css += QLatin1String(" }") + kCrLf;
    css += QLatin1String("a:link { color:") + color(BodyRole::Link) + QLatin1String(" }") + kCrLf;
    css +=
        QLatin1String("a:visited { color:") + color(BodyRole::VLink) + QLatin1String(" }") + kCrLf;
    css +=
        QLatin1String("a:active { color:") + color(BodyRole::ALink) + QLatin1String(" }") + kCrLf;
    css += QLatin1String("</") + style + QLatin1Char('>') + kCrLf;
    css +=
        QLatin1Char('<') + ApplyHtmlCase(QStringLiteral("BODY"), mode) + QLatin1Char('>') + kCrLf;
    return css;
}

QString WriteBodyCss(const BodyModel& page, const ProgramOptions& options) {
    return WriteBodyCss(page, options.colors, options.htmlcase);
}
