#include "html/TextGradient.h"

#include "gradient/GradientTable.h"
#include "gradient/GradientWalk.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

// How many positions go by between progress reports.
constexpr qsizetype kProgressStride = 4096;

} // namespace

PositionRange GradientRange(PositionRange selection, qsizetype textLength) {
    if (selection.length < 1)
        return {0, textLength};
    const qsizetype start = std::clamp<qsizetype>(selection.start, 0, textLength);
    return {start, std::min(selection.length, textLength - start)};
}

TextGradientResult ApplyTextGradient(StyledText& text, const GradientTable* table,
                                     PositionRange selection, const TextProgress& progress,
                                     GradientInterpolation interpolation) {
    TextGradientResult result;
    if (!table) {
        result.status = TextGradientStatus::NoTable;
        return result;
    }
    const std::vector<GradientStop> stops = table->stops();
    if (stops.size() < 2) {
        result.status = TextGradientStatus::TooFewStops;
        return result;
    }
    const PositionRange range = GradientRange(selection, PositionLength(text));
    // The walk counts items in 32 bits.
    if (range.length < 1 || range.length > std::numeric_limits<int>::max()) {
        result.status = TextGradientStatus::EmptyText;
        return result;
    }
    const qsizetype end = range.start + range.length;

    // First character that reaches into the range.
    qsizetype index = 0;
    qsizetype position = 0;
    const qsizetype count = qsizetype(text.chars.size());
    while (index < count && position + CharPositions(text.chars[size_t(index)].ch) <= range.start)
        position += CharPositions(text.chars[size_t(index++)].ch);
    result.firstChar = index;

    // New colours go here first so that a stop leaves the text as it was.
    std::vector<TColor> colors;
    colors.reserve(size_t(range.length));
    GradientWalk walk(*table, int(range.length), 0, interpolation);
    qsizetype charIndex = index;
    qsizetype charStart = position;
    for (qsizetype p = range.start; p < end; ++p) {
        if (progress && (p - range.start) % kProgressStride == 0 &&
            !progress(p - range.start, range.length)) {
            result = {TextGradientStatus::Stopped, 0, 0};
            return result;
        }
        const TColor color = walk.next();
        while (charIndex < count &&
               charStart + CharPositions(text.chars[size_t(charIndex)].ch) <= p)
            charStart += CharPositions(text.chars[size_t(charIndex++)].ch);
        // Only a character's first position colours it.
        if (charStart == p)
            colors.push_back(color);
    }
    // The character holding the last position of the range.
    while (charIndex < count && charStart + CharPositions(text.chars[size_t(charIndex)].ch) < end)
        charStart += CharPositions(text.chars[size_t(charIndex++)].ch);
    result.endChar = charIndex + 1;

    qsizetype k = result.firstChar;
    if (position < range.start)
        ++k; // begins before the range: not coloured by the walk
    for (const TColor color : colors)
        text.chars[size_t(k++)].style.color = color;
    text.chars[size_t(charIndex)].style.color = stops.back().color;
    result.status = TextGradientStatus::Applied;
    if (progress)
        progress(range.length, range.length);
    return result;
}

QString TextGradientStatusMessage(TextGradientStatus status) {
    switch (status) {
    case TextGradientStatus::Applied:
        return {};
    case TextGradientStatus::NoTable:
        return QCoreApplication::translate("TextGradient", "グラデーションテーブルがありません");
    case TextGradientStatus::TooFewStops:
        return QCoreApplication::translate("TextGradient",
                                           "グラデーションテーブルの色が2つ未満です");
    case TextGradientStatus::EmptyText:
        return QCoreApplication::translate("TextGradient", "テキストがありません");
    case TextGradientStatus::Stopped:
        return QCoreApplication::translate("TextGradient", "中止しました");
    }
    return {};
}
