#include "html/ColorNotation.h"

#include "html/ColorAttribute.h"
#include "settings/ProgramOptions.h"

#include <QCoreApplication>

QString WriteColorNotation(TColor color, int notation, bool preferNames,
                           const NamedColorTable& table, HtmlCase mode, bool css) {
    if (notation < 0 || notation >= kColorNotationCount)
        return QString();
    const QString value =
        notation < 5 ? ColorToHtml(color) : ColorToAttributeText(color, preferNames, table, mode);
    const auto cased = [mode](const char* piece) {
        return ApplyHtmlCase(QString::fromLatin1(piece), mode);
    };
    const int form = notation % 5;
    if (form == 0)
        return value;
    if (form == 1)
        return cased("COLOR=\"") + value + QLatin1Char('"');
    // A CSS page has no FONT and no quoted property values: both tags become
    // a span with a style attribute.
    if (css) {
        if (form == 2)
            return QLatin1String("color:") + value;
        return QLatin1Char('<') + cased("SPAN ") + cased("STYLE=\"") + QLatin1String("color:") +
               value + QLatin1String("\">");
    }
    if (form == 2)
        return cased("COLOR:\"") + value + QLatin1Char('"');
    if (form == 3)
        return QLatin1Char('<') + cased("FONT ") + cased("COLOR=\"") + value + QLatin1String("\">");
    return QLatin1Char('<') + cased("STYLE ") + cased("COLOR:\"") + value + QLatin1String("\">");
}

QString WriteColorNotation(TColor color, int notation, const ProgramOptions& options) {
    return WriteColorNotation(color, notation, options.colorconst, options.colors, options.htmlcase,
                              options.markupstyle != MarkupStyle::Classic);
}

QStringList ColorNotationTexts(TColor color, const ProgramOptions& options) {
    QStringList texts;
    for (int i = 0; i < kColorNotationCount; ++i)
        texts.append(WriteColorNotation(color, i, options));
    return texts;
}

QStringList ColorNotationStartCaptions() {
    return {QStringLiteral("#RRGGBB"),
            QStringLiteral("COLOR=#RRGGBB"),
            QStringLiteral("COLOR:#RRGGBB"),
            QStringLiteral("<FONT COLOR=#RRGGBB>"),
            QStringLiteral("<STYLE COLOR:#RRGGBB>"),
            QCoreApplication::translate("ColorNotation", "カラー定数"),
            QCoreApplication::translate("ColorNotation", "COLOR=カラー定数"),
            QCoreApplication::translate("ColorNotation", "COLOR:カラー定数"),
            QCoreApplication::translate("ColorNotation", "<FONT COLOR=カラー定数>"),
            QCoreApplication::translate("ColorNotation", "<STYLE COLOR:カラー定数>")};
}
