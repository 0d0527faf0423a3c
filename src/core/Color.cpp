#include "core/Color.h"

#include "core/InvalidNumberError.h"

#include <algorithm>

namespace {

QString Triple(int a, int b, int c) {
    return QString::asprintf("%3d,%3d,%3d", a, b, c);
}

int HexDigit(QChar ch) {
    const char16_t u = ch.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// The pair at [first, first + 2), cut short by the end of the text.
int HexPair(const QString& text, qsizetype first) {
    const QString pair = text.mid(first, 2);
    if (pair.isEmpty())
        throw InvalidNumberError(
            QStringLiteral("'%1' is not a valid #RRGGBB colour: it is too short").arg(text));
    int value = 0;
    for (QChar ch : pair) {
        const int digit = HexDigit(ch);
        if (digit < 0)
            throw InvalidNumberError(
                QStringLiteral("'%1' is not a valid #RRGGBB colour: '%2' is not a hex number")
                    .arg(text, pair));
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

QString ColorToHtml(TColor color) {
    return QString::asprintf("#%02X%02X%02X", ColorRed(color), ColorGreen(color), ColorBlue(color));
}

TColor HtmlToColor(const QString& text) {
    if (text.isEmpty())
        return 0;
    const int red = HexPair(text, 1);
    const int green = HexPair(text, 3);
    const int blue = HexPair(text, 5);
    return RgbToColor(red, green, blue);
}

Hsv ColorToHsv(int red, int green, int blue) {
    const int max = std::max({red, green, blue});
    const int min = std::min({red, green, blue});
    Hsv hsv;
    hsv.value = max * 100 / 255;
    if (max == min)
        return hsv;
    const int d = max - min;
    hsv.saturation = d * 100 / max;
    // C++ division truncates toward zero, so a slightly negative raw hue is 0.
    if (red == max)
        hsv.hue = (green - blue) * 60 / d;
    else if (green == max)
        hsv.hue = (blue - red) * 60 / d + 120;
    else
        hsv.hue = (red - green) * 60 / d + 240;
    if (hsv.hue < 0)
        hsv.hue += 360;
    return hsv;
}

QString ColorToRgbText(TColor color) {
    return Triple(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

QString ColorToHsvText(TColor color) {
    const Hsv hsv = ColorToHsv(ColorRed(color), ColorGreen(color), ColorBlue(color));
    return Triple(hsv.hue, hsv.saturation, hsv.value);
}
