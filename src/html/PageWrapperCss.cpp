#include "html/PageWrapperCss.h"

#include "html/CssText.h"
#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "settings/ProgramOptions.h"

#include <QRegularExpression>

namespace {

// Where the fragment's own BODY tag begins; -1 without one.
qsizetype BodyTagStart(const QString& fragment) {
    static const QRegularExpression tag(QStringLiteral("<body[\\s>]"),
                                        QRegularExpression::CaseInsensitiveOption);
    return fragment.indexOf(tag);
}

// The end of the style block a fragment begins with, with the line break
// after it; 0 without one.
qsizetype LeadingStyleEnd(const QString& fragment) {
    if (!fragment.startsWith(QLatin1String("<style>"), Qt::CaseInsensitive))
        return 0;
    const QLatin1String close("</style>");
    const qsizetype end = fragment.indexOf(close, 0, Qt::CaseInsensitive);
    if (end < 0)
        return 0;
    qsizetype after = end + close.size();
    if (fragment.mid(after, 2) == QLatin1String("\r\n"))
        after += 2;
    return after;
}

} // namespace

QString WrapPageCss(const QString& fragment, const PageTraits& page, TColor background,
                    const ProgramOptions& options) {
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("<!DOCTYPE html>") + crlf + QStringLiteral("<html lang=\"ja\">") +
                   crlf + QStringLiteral("<head>") + crlf +
                   QStringLiteral("<meta charset=\"utf-8\">") + crlf +
                   QStringLiteral("<title>Vellomar Preview</title>") + crlf;
    QString body = fragment;
    if (page.ownBodyTag) {
        const qsizetype start = BodyTagStart(fragment);
        if (start > 0) {
            text += fragment.left(start);
            body = fragment.mid(start);
        }
    } else if (const qsizetype styleEnd = LeadingStyleEnd(fragment); styleEnd > 0) {
        // A text painted by gradients brings the style block of its classes.
        text += fragment.left(styleEnd);
        if (!text.endsWith(crlf))
            text += crlf;
        body = fragment.mid(styleEnd);
    }
    text += QStringLiteral("</head>") + crlf + crlf;
    if (PageHasBackgroundLine(page)) {
        text += QStringLiteral("<body style=\"background-color:") +
                CssColorText(background, options.colorconst, options.colors, options.htmlcase) +
                QStringLiteral("\">") + crlf + crlf;
    }
    text += body + crlf + QStringLiteral("</body>") + crlf + QStringLiteral("</html>") + crlf;
    return text;
}
