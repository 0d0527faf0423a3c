#include "html/TextChars.h"

#include <algorithm>

bool IsForbiddenHtmlChar(char32_t ch) {
    if (ch == U'\t' || ch == U'\n' || ch == U'\r')
        return false;
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}

bool HasForbiddenHtmlChars(const StyledText& text) {
    return std::any_of(text.chars.begin(), text.chars.end(),
                       [](const StyledChar& c) { return IsForbiddenHtmlChar(c.ch); });
}

StyledText WithoutForbiddenHtmlChars(const StyledText& text) {
    StyledText result;
    result.chars.reserve(text.chars.size());
    std::copy_if(text.chars.begin(), text.chars.end(), std::back_inserter(result.chars),
                 [](const StyledChar& c) { return !IsForbiddenHtmlChar(c.ch); });
    return result;
}

void AppendTextChar(QString& out, char32_t ch, MarkupChars chars) {
    if (chars == MarkupChars::Escape) {
        switch (ch) {
        case U'<':
            out += QLatin1String("&lt;");
            return;
        case U'>':
            out += QLatin1String("&gt;");
            return;
        case U'&':
            out += QLatin1String("&amp;");
            return;
        default:
            break;
        }
    }
    AppendChar(out, ch);
}

QString HtmlAttributeValue(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        if (ch == QLatin1Char('&'))
            out += QLatin1String("&amp;");
        else if (ch == QLatin1Char('"'))
            out += QLatin1String("&quot;");
        else if (!IsForbiddenHtmlChar(ch.unicode()))
            out += ch;
    }
    return out;
}
