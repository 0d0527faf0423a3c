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
