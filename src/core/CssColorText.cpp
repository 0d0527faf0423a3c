#include "core/CssColorText.h"

#include "core/CssColorNames.h"

namespace {

Rgb8 ToRgb8(TColor color) {
    return {ColorRed(color), ColorGreen(color), ColorBlue(color)};
}

} // namespace

CssColorInput ReadCssColorText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const CssColorReading reading =
        ParseCssColor(std::string_view(utf8.constData(), size_t(utf8.size())),
                      [](std::string_view name) -> std::optional<Rgb8> {
                          const std::optional<TColor> color = CssNamedColor(
                              QString::fromLatin1(name.data(), qsizetype(name.size())));
                          if (!color)
                              return std::nullopt;
                          return ToRgb8(*color);
                      });
    CssColorInput input;
    input.error = reading.error;
    input.mapped = reading.mapped;
    input.color = RgbToColor(reading.color.red, reading.color.green, reading.color.blue);
    return input;
}

QString WriteCssColorText(TColor color, CssFormat format) {
    return QString::fromStdString(WriteCssColor(ToRgb8(color), format));
}

NearestCssName NearestCssColorName(TColor color) {
    const Triple target = OklabOf(ColorRed(color), ColorGreen(color), ColorBlue(color));
    NearestCssName nearest;
    double best = -1;
    for (const auto& [name, value] : CssColorNames()) {
        if (value == color)
            return {QString::fromLatin1(name), 0};
        const double d =
            DeltaEOk(target, OklabOf(ColorRed(value), ColorGreen(value), ColorBlue(value)));
        if (best < 0 || d < best) {
            best = d;
            nearest = {QString::fromLatin1(name), d};
        }
    }
    return nearest;
}
