#include "richtext/GradientTextDocument.h"

#include "core/QtColor.h"
#include <QHash>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace {

bool IsBoldWeight(int weight) {
    return weight > QFont::Medium;
}

void AppendChars(DocumentText& out, const QString& chars, int position, const CharStyle& style) {
    const qsizetype size = chars.size();
    for (qsizetype i = 0; i < size; ++i) {
        char32_t ch = chars.at(i).unicode();
        const int at = position + int(i);
        if (QChar::isHighSurrogate(ch) && i + 1 < size && chars.at(i + 1).isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(char16_t(ch), chars.at(i + 1).unicode());
            ++i;
        } else if (ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator) {
            ch = U'\n';
        }
        out.text.chars.push_back({ch, style});
        out.positions.push_back(at);
    }
}

} // namespace

CharStyle CharStyleOfFormat(const QTextCharFormat& format, const QFont& defaultFont) {
    CharStyle style;
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        style.fontName = families.first();
    else if (format.hasProperty(QTextFormat::FontFamily))
        style.fontName = format.stringProperty(QTextFormat::FontFamily);
    else
        style.fontName = defaultFont.family();
    if (format.hasProperty(QTextFormat::FontPointSize))
        style.points = format.fontPointSize();
    else if (defaultFont.pointSizeF() > 0)
        style.points = defaultFont.pointSizeF();
    const QBrush foreground = format.foreground();
    style.color = foreground.style() == Qt::NoBrush ? 0 : FromQColor(foreground.color());
    style.bold = IsBoldWeight(format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight()
                                                                          : defaultFont.weight());
    style.italic =
        format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : defaultFont.italic();
    style.underline = format.hasProperty(QTextFormat::TextUnderlineStyle) ||
                              format.hasProperty(QTextFormat::FontUnderline)
                          ? format.fontUnderline()
                          : defaultFont.underline();
    return style;
}

DocumentText StyledTextFromDocument(const QTextDocument& document) {
    DocumentText out;
    const QFont defaultFont = document.defaultFont();
    out.text.chars.reserve(size_t(std::max(0, document.characterCount() - 1)));
    out.positions.reserve(out.text.chars.capacity());
    // Few distinct formats make up a document; read each once.
    QHash<int, CharStyle> styles;
    auto styleOf = [&](int index, const QTextCharFormat& format) -> const CharStyle& {
        auto known = styles.constFind(index);
        if (known == styles.constEnd())
            known = styles.insert(index, CharStyleOfFormat(format, defaultFont));
        return *known;
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                AppendChars(out, fragment.text(), fragment.position(),
                            styleOf(fragment.charFormatIndex(), fragment.charFormat()));
        }
        const QTextBlock next = block.next();
        // The paragraph end carries the format that the next block starts
        // with.
        if (next.isValid()) {
            out.text.chars.push_back({U'\n', styleOf(next.charFormatIndex(), next.charFormat())});
            out.positions.push_back(block.position() + block.length() - 1);
        }
    }
    return out;
}

PositionRange DocumentSelectionToPositions(const DocumentText& text, int from, int to) {
    if (from > to)
        std::swap(from, to);
    const auto begin = text.positions.begin();
    const size_t first = size_t(std::lower_bound(begin, text.positions.end(), from) - begin);
    const size_t end = size_t(std::lower_bound(begin, text.positions.end(), to) - begin);
    PositionRange range;
    for (size_t k = 0; k < end; ++k) {
        const int width = CharPositions(text.text.chars[k].ch);
        if (k < first)
            range.start += width;
        else
            range.length += width;
    }
    return range;
}

void ApplyCharColors(QTextDocument& document, const DocumentText& text, qsizetype first,
                     qsizetype end) {
    const auto& chars = text.text.chars;
    first = std::max<qsizetype>(first, 0);
    end = std::min<qsizetype>(end, qsizetype(chars.size()));
    if (first >= end)
        return;
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    qsizetype k = first;
    while (k < end) {
        const TColor color = chars[size_t(k)].style.color;
        const int runStart = text.positions[size_t(k)];
        int runEnd = runStart + Utf16Length(chars[size_t(k)].ch);
        ++k;
        while (k < end && chars[size_t(k)].style.color == color &&
               text.positions[size_t(k)] == runEnd) {
            runEnd += Utf16Length(chars[size_t(k)].ch);
            ++k;
        }
        QTextCharFormat format;
        format.setForeground(ToQColor(color));
        cursor.setPosition(runStart);
        cursor.setPosition(runEnd, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
    cursor.endEditBlock();
}

TextGradientResult ApplyTextGradient(QTextDocument& document, const GradientTable* table, int from,
                                     int to, const TextProgress& progress,
                                     GradientInterpolation interpolation) {
    DocumentText text = StyledTextFromDocument(document);
    const TextGradientResult result = ApplyTextGradient(
        text.text, table, DocumentSelectionToPositions(text, from, to), progress, interpolation);
    if (result.status == TextGradientStatus::Applied)
        ApplyCharColors(document, text, result.firstChar, result.endChar);
    return result;
}
