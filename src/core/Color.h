#pragma once

#include <QString>
#include <cstdint>

// A colour laid out 0x00BBGGRR: red in the low byte.
using TColor = std::uint32_t;

constexpr TColor RgbToColor(int red, int green, int blue) {
    return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}
constexpr int ColorRed(TColor c) {
    return int(c & 0xFF);
}
constexpr int ColorGreen(TColor c) {
    return int((c >> 8) & 0xFF);
}
constexpr int ColorBlue(TColor c) {
    return int((c >> 16) & 0xFF);
}

struct Hsv {
    int hue = 0;        // 0..359
    int saturation = 0; // 0..100
    int value = 0;      // 0..100
    bool operator==(const Hsv&) const = default;
};

// "#RRGGBB", upper-case hex, low 24 bits only.
QString ColorToHtml(TColor color);
// Skips the first character, reads three hex pairs; a pair cut to one
// character is one digit. Throws InvalidNumberError on a missing or bad pair.
TColor HtmlToColor(const QString& text);
Hsv ColorToHsv(int red, int green, int blue);
// "%3d,%3d,%3d" of red, green, blue.
QString ColorToRgbText(TColor color);
// "%3d,%3d,%3d" of hue, saturation, value.
QString ColorToHsvText(TColor color);
