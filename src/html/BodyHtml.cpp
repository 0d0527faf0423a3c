#include "html/BodyHtml.h"

#include "html/ColorAttribute.h"
#include "settings/ProgramOptions.h"

namespace {

// Whether a path character has to be escaped inside the quoted address:
// a quote would end the attribute, control characters would break the
// line, and '#', '?', '%' and '&' would be read as URL or entity syntax.
bool NeedsEscape(QChar ch) {
    const char16_t c = ch.unicode();
    return c < 0x20 || c == 0x7F || c == u'"' || c == u'#' || c == u'%' || c == u'&' || c == u'?' ||
           c == u'\\';
}

} // namespace

QString BodyColorText(TColor color, bool preferNames, const NamedColorTable& table, HtmlCase mode) {
    return ApplyHtmlCase(ColorToAttributeText(color, preferNames, table, mode), mode);
}

QString BodyLabelText(const BodyModel& page, BodyRole role, const NamedColorTable& table,
                      HtmlCase mode) {
    return ApplyHtmlCase(BodyRoleAttribute(role) + QLatin1Char('='), mode) +
           BodyColorText(page.color(role), page.preferNames, table, mode) + QLatin1Char(' ') +
           BodyRoleWord(role);
}

std::array<QString, kBodyRoleCount> BodyLabelTexts(const BodyModel& page,
                                                   const NamedColorTable& table, HtmlCase mode) {
    std::array<QString, kBodyRoleCount> labels;
    for (int i = 0; i < kBodyRoleCount; ++i)
        labels[std::size_t(i)] = BodyLabelText(page, BodyRole(i), table, mode);
    return labels;
}

std::array<QString, kBodyRoleCount> BodyLabelTexts(const BodyModel& page,
                                                   const ProgramOptions& options) {
    return BodyLabelTexts(page, options.colors, options.htmlcase);
}

bool IsWindowsPath(const QString& path) {
    if (path.startsWith(QLatin1String("\\\\")))
        return true;
    return path.size() >= 3 && path.at(0).isLetter() && path.at(0).unicode() < 0x80 &&
           path.at(1) == QLatin1Char(':') &&
           (path.at(2) == QLatin1Char('\\') || path.at(2) == QLatin1Char('/'));
}

QString BodyBackgroundUrl(const QString& path) {
    // Text is held as Unicode, so only a real backslash turns into a slash,
    // never the second byte of a double-byte character. In a POSIX name a
    // backslash is part of the name.
    const bool windows = IsWindowsPath(path);
    QString address = QStringLiteral("file:///");
    // An absolute path that already begins with one slash would make four.
    qsizetype start = 0;
    if (path.startsWith(QLatin1Char('/')) && !path.startsWith(QLatin1String("//")))
        start = 1;
    for (qsizetype i = start; i < path.size(); ++i) {
        const QChar ch = path.at(i);
        if (ch == QLatin1Char('\\') && windows)
            address += QLatin1Char('/');
        else if (NeedsEscape(ch))
            address += QStringLiteral("%%1").arg(ch.unicode(), 2, 16, QLatin1Char('0')).toUpper();
        else
            address += ch;
    }
    return address;
}

QString WriteBodyHtml(const BodyModel& page, const NamedColorTable& table, HtmlCase mode) {
    QString html = QLatin1Char('<') + ApplyHtmlCase(QStringLiteral("BODY "), mode);
    // Role order is the tag's order: BGCOLOR, TEXT, LINK, VLINK, ALINK.
    for (int i = 0; i < kBodyRoleCount; ++i) {
        const BodyRole role = BodyRole(i);
        html += ApplyHtmlCase(BodyRoleAttribute(role) + QLatin1String("=\""), mode);
        html += BodyColorText(page.color(role), page.preferNames, table, mode);
        html += QLatin1String("\" ");
    }
    if (!page.backgroundPicturePath.isEmpty())
        html += QLatin1String("background=\"") + BodyBackgroundUrl(page.backgroundPicturePath) +
                QLatin1Char('"');
    html += QLatin1String(">\r\n");
    return html;
}

QString WriteBodyHtml(const BodyModel& page, const ProgramOptions& options) {
    return WriteBodyHtml(page, options.colors, options.htmlcase);
}
