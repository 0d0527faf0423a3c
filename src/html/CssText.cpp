#include "html/CssText.h"

#include "html/ColorAttribute.h"
#include "html/GradientTextFont.h"

#include <QStringList>

namespace {

bool IsGenericFamily(const QString& name) {
    static const QStringList generic{
        QStringLiteral("serif"),         QStringLiteral("sans-serif"),
        QStringLiteral("monospace"),     QStringLiteral("cursive"),
        QStringLiteral("fantasy"),       QStringLiteral("system-ui"),
        QStringLiteral("math"),          QStringLiteral("emoji"),
        QStringLiteral("fangsong"),      QStringLiteral("ui-serif"),
        QStringLiteral("ui-sans-serif"), QStringLiteral("ui-monospace"),
        QStringLiteral("ui-rounded")};
    return generic.contains(name, Qt::CaseInsensitive);
}

// One family name as a CSS string inside a double-quoted attribute.
QString QuotedFamily(const QString& name) {
    QString out = QStringLiteral("'");
    for (const QChar ch : name) {
        switch (ch.unicode()) {
        case u'\'':
            out += QStringLiteral("\\'");
            break;
        case u'\\':
            out += QStringLiteral("\\\\");
            break;
        case u'"':
            out += QStringLiteral("&quot;");
            break;
        case u'&':
            out += QStringLiteral("&amp;");
            break;
        case u'<':
            out += QStringLiteral("&lt;");
            break;
        default:
            if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
                out += QStringLiteral("\\%1 ").arg(ch.unicode(), 0, 16);
            else
                out += ch;
        }
    }
    out += QLatin1Char('\'');
    return out;
}

} // namespace

void AppendCssHexColor(QString& out, TColor color) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const int channels[3] = {ColorRed(color), ColorGreen(color), ColorBlue(color)};
    char text[7] = {'#'};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = kHex[channels[i] >> 4];
        text[2 + 2 * i] = kHex[channels[i] & 15];
    }
    out += QLatin1StringView(text, 7);
}

QString CssColorText(TColor color, bool preferName, const NamedColorTable& table, HtmlCase mode) {
    return ColorToAttributeText(color, preferName, table, mode);
}

QString CssFontFamily(const QString& entry) {
    QStringList families;
    for (const QString& part : entry.split(QLatin1Char(','))) {
        const QString name = part.trimmed();
        if (name.isEmpty())
            continue;
        families.append(IsGenericFamily(name) ? name : QuotedFamily(name));
    }
    return families.join(QLatin1Char(','));
}

QString CssFontSize(double points) {
    static const char* const kSizes[] = {"x-small", "small",    "medium",   "large",
                                         "x-large", "xx-large", "xxx-large"};
    const int size = FontSizeToHtml(points).toInt();
    return QLatin1String(kSizes[qBound(1, size, 7) - 1]);
}
