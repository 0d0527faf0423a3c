#include "html/PageWrapper.h"

#include "html/ColorAttribute.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "settings/ProgramOptions.h"

bool PageHasBackgroundLine(const PageTraits& page) {
    return page.outputFile && !page.ownBodyTag;
}

TColor PageBackground(const PageTraits& page, TColor ownBackground, const ProgramOptions& options) {
    return page.ownBackground ? ownBackground : options.viewback;
}

QString WrapPage(const QString& fragment, const PageTraits& page, TColor background,
                 const ProgramOptions& options) {
    const QString crlf = QStringLiteral("\r\n");
    // The page says its encoding: without it a browser guesses from the bytes.
    QString text = QStringLiteral("<html><head><meta charset=\"utf-8\">"
                                  "<title>Vellomar Preview</title></head>") +
                   crlf + crlf;
    if (PageHasBackgroundLine(page)) {
        text += QStringLiteral("<body bgcolor=\"") +
                ColorToAttributeText(background, options.colorconst, options) +
                QStringLiteral("\">") + crlf + crlf;
    }
    text += fragment + crlf + QStringLiteral("</body></html>") + crlf;
    return text;
}

QString SavedFileText(const QString& fragment, const PageTraits& page, TColor background,
                      const ProgramOptions& options) {
    if (options.htmlsave)
        return WrapPageMarkup(fragment, page, background, options);
    return fragment + QStringLiteral("\r\n");
}

SaveDialogFilters HtmlSaveDialogFilters() {
    // "*" rather than "*.*": files without an extension are files too.
    return {QStringLiteral("htm"),
            {QStringLiteral("HTML (*.htm *.html)"), QStringLiteral("Text (*.txt)"),
             QStringLiteral("All (*)")}};
}
