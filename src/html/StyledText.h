#pragma once

#include "core/Color.h"

#include <QString>
#include <vector>

// The font the gradient-text editor starts with; the font table's first
// built-in entry begins with it.
inline const QString kDefaultTextFont = QStringLiteral("ＭＳ Ｐゴシック");
constexpr double kDefaultTextPoints = 11;

// What the gradient-text writer reads of one character.
struct CharStyle {
    // The font the character is set in: the first name of a font-table entry.
    QString fontName = kDefaultTextFont;
    double points = kDefaultTextPoints;
    TColor color = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const CharStyle&) const = default;
};

// One character of the text. `ch` is a code point; a lone surrogate is kept
// as it was so that text goes back unchanged. A line break is whatever its
// characters are ('\n' for an editor paragraph end).
struct StyledChar {
    char32_t ch = 0;
    CharStyle style;
};

// The gradient-text page's formatted text, one entry per character.
struct StyledText {
    std::vector<StyledChar> chars;
};

// Every character of `text` in one style.
StyledText MakeStyledText(const QString& text, const CharStyle& style);
// The characters as Qt text.
QString PlainText(const StyledText& text);
void AppendChar(QString& out, char32_t ch);

// Positions count code page 932 bytes: a character the code page holds in
// two bytes, or cannot hold at all, is two positions; ASCII and half-width
// katakana are one.
int CharPositions(char32_t ch);
// The number of positions of the whole text.
qsizetype PositionLength(const StyledText& text);

// UTF-16 units of a character as Qt text holds it (a QTextDocument position
// advances by this much).
inline int Utf16Length(char32_t ch) {
    return ch > 0xFFFF ? 2 : 1;
}

// A run of positions.
struct PositionRange {
    qsizetype start = 0;
    qsizetype length = 0;
    bool operator==(const PositionRange&) const = default;
};

// Whether a change of style goes to the selection or, with nothing
// selected, to the attributes of text typed next.
enum class TextTarget { Selection, Default };
inline TextTarget TextTargetFor(qsizetype selectionLength) {
    return selectionLength >= 1 ? TextTarget::Selection : TextTarget::Default;
}
