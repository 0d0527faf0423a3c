#include "html/StyledText.h"

#include "core/jString.h"

#include <QChar>

StyledText MakeStyledText(const QString& text, const CharStyle& style) {
    StyledText result;
    result.chars.reserve(size_t(text.size()));
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t ch = text.at(i).unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(char16_t(ch), text.at(i + 1).unicode());
            ++i;
        }
        result.chars.push_back({ch, style});
    }
    return result;
}

void AppendChar(QString& out, char32_t ch) {
    if (ch > 0xFFFF) {
        out.append(QChar(QChar::highSurrogate(ch)));
        out.append(QChar(QChar::lowSurrogate(ch)));
    } else {
        out.append(QChar(char16_t(ch)));
    }
}

QString PlainText(const StyledText& text) {
    QString out;
    out.reserve(qsizetype(text.chars.size()));
    for (const StyledChar& c : text.chars)
        AppendChar(out, c.ch);
    return out;
}

int CharPositions(char32_t ch) {
    return Cp932CharWidth(ch);
}

qsizetype PositionLength(const StyledText& text) {
    qsizetype length = 0;
    for (const StyledChar& c : text.chars)
        length += CharPositions(c.ch);
    return length;
}
