#pragma once

#include "core/Color.h"
#include "html/StyledText.h"

#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

// Small styled texts and their colours for the gradient-text tests.
namespace {

const TColor kRed = RgbToColor(255, 0, 0);
const TColor kBlue = RgbToColor(0, 0, 255);

inline CharStyle Style(TColor color = 0) {
    CharStyle style;
    style.color = color;
    return style;
}

inline StyledText Text(std::initializer_list<std::pair<QString, CharStyle>> runs) {
    StyledText text;
    for (const auto& [chars, style] : runs) {
        const StyledText run = MakeStyledText(chars, style);
        text.chars.insert(text.chars.end(), run.chars.begin(), run.chars.end());
    }
    return text;
}

using Hex = std::vector<QString>;

inline Hex Colors(const StyledText& text) {
    Hex colors;
    for (const StyledChar& c : text.chars)
        colors.push_back(ColorToHtml(c.style.color));
    return colors;
}

} // namespace
