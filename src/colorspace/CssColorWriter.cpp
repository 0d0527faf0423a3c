#include "colorspace/CssColorWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr std::pair<const char*, CssFormat> kNames[] = {
    {"hex", CssFormat::Hex},     {"rgb", CssFormat::Rgb},     {"hsl", CssFormat::Hsl},
    {"hwb", CssFormat::Hwb},     {"lab", CssFormat::Lab},     {"lch", CssFormat::Lch},
    {"oklab", CssFormat::Oklab}, {"oklch", CssFormat::Oklch}, {"display-p3", CssFormat::DisplayP3},
    {"cmyk", CssFormat::Cmyk},   {"vec4", CssFormat::Vec4},   {"decimal", CssFormat::Decimal},
};

// Fixed decimals with the trailing zeros dropped; never "-0".
std::string Number(double v, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, v);
    std::string s = buffer;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    if (s == "-0")
        s = "0";
    return s;
}

Triple Srgb(const Rgb8& c) {
    return {c.red / 255.0, c.green / 255.0, c.blue / 255.0};
}

// C, M, Y and K of the simple device-free formula.
std::array<double, 4> Cmyk(const Triple& rgb) {
    const double k = 1 - std::max({rgb[0], rgb[1], rgb[2]});
    if (k >= 1)
        return {0, 0, 0, 1};
    return {(1 - rgb[0] - k) / (1 - k), (1 - rgb[1] - k) / (1 - k), (1 - rgb[2] - k) / (1 - k), k};
}

std::string Format(CssFormat format, const Triple& v, double k, int d) {
    const std::string a = Number(v[0], d);
    const std::string b = Number(v[1], d);
    // A grey has no hue: write none of the noise its chroma leaves.
    const bool polar = format == CssFormat::Lch || format == CssFormat::Oklch;
    const std::string c = polar && b == "0" ? "0" : Number(v[2], d);
    switch (format) {
    case CssFormat::Hsl:
        return "hsl(" + a + " " + b + "% " + c + "%)";
    case CssFormat::Hwb:
        return "hwb(" + a + " " + b + "% " + c + "%)";
    case CssFormat::Lab:
        return "lab(" + a + " " + b + " " + c + ")";
    case CssFormat::Lch:
        return "lch(" + a + " " + b + " " + c + ")";
    case CssFormat::Oklab:
        return "oklab(" + a + " " + b + " " + c + ")";
    case CssFormat::Oklch:
        return "oklch(" + a + " " + b + " " + c + ")";
    case CssFormat::DisplayP3:
        return "color(display-p3 " + a + " " + b + " " + c + ")";
    case CssFormat::Cmyk:
        return "cmyk(" + a + "%, " + b + "%, " + c + "%, " + Number(k, d) + "%)";
    default:
        break;
    }
    return {};
}

// What a written CMYK text means, as sRGB, for the decimals check.
Triple FromCmyk(const std::string& text) {
    double c = 0, m = 0, y = 0, k = 0;
    std::sscanf(text.c_str(), "cmyk(%lf%%, %lf%%, %lf%%, %lf%%)", &c, &m, &y, &k);
    return {(1 - c / 100) * (1 - k / 100), (1 - m / 100) * (1 - k / 100),
            (1 - y / 100) * (1 - k / 100)};
}

// Browsers convert in single precision through their own constants: beside
// a bright channel, a dark one moves by up to about 2e-4 of the bright one's
// linear light, which is half a step at 17 beside 255. A text from the linear-light
// spaces must round to the colour under such an error, not only under ours.
constexpr double kBrowserError = 2e-4;

int Byte(double v) {
    return int(std::floor(std::clamp(v, 0.0, 1.0) * 255 + 0.5));
}

bool ReadsAs(const Triple& srgb, const Rgb8& color, double margin, bool viaLinearLight) {
    const int target[3] = {color.red, color.green, color.blue};
    double brightest = 0;
    for (const double v : srgb)
        brightest = std::max(brightest, SrgbToLinear(v));
    for (size_t i = 0; i < 3; ++i) {
        if (std::abs(srgb[i] * 255 - target[i]) > margin)
            return false;
        if (!viaLinearLight)
            continue;
        const double linear = SrgbToLinear(srgb[i]);
        const double slack = kBrowserError * brightest;
        if (Byte(LinearToSrgb(linear - slack)) != target[i] ||
            Byte(LinearToSrgb(linear + slack)) != target[i])
            return false;
    }
    return true;
}

std::string Vec4Component(double v, int decimals) {
    std::string s = Number(v, decimals);
    if (s.find('.') == std::string::npos)
        s += ".0";
    return s;
}

} // namespace

std::span<const std::pair<const char*, CssFormat>> CssFormatNames() {
    return kNames;
}

std::optional<CssFormat> CssFormatNamed(std::string_view name) {
    for (const auto& [n, format] : kNames)
        if (name == n)
            return format;
    return std::nullopt;
}

Triple CssFormatChannels(const Rgb8& color, CssFormat format) {
    const Triple rgb = Srgb(color);
    const Triple xyz = RgbToXyz(RgbSpace::Srgb, rgb);
    switch (format) {
    case CssFormat::Hex:
    case CssFormat::Rgb:
    case CssFormat::Decimal:
        return {double(color.red), double(color.green), double(color.blue)};
    case CssFormat::Hsl: {
        const Triple hsl = SrgbToHsl(rgb);
        return {hsl[0], hsl[1] * 100, hsl[2] * 100};
    }
    case CssFormat::Hwb: {
        const Triple hwb = SrgbToHwb(rgb);
        return {hwb[0], hwb[1] * 100, hwb[2] * 100};
    }
    case CssFormat::Lab:
        return XyzToLab(xyz);
    case CssFormat::Lch:
        return ToPolar(XyzToLab(xyz));
    case CssFormat::Oklab:
        return XyzToOklab(xyz);
    case CssFormat::Oklch:
        return ToPolar(XyzToOklab(xyz));
    case CssFormat::DisplayP3:
        return XyzToRgb(RgbSpace::DisplayP3, xyz);
    case CssFormat::Cmyk: {
        const auto cmyk = Cmyk(rgb);
        return {cmyk[0] * 100, cmyk[1] * 100, cmyk[2] * 100};
    }
    case CssFormat::Vec4:
        return rgb;
    }
    return rgb;
}

std::string WriteCssColor(const Rgb8& color, CssFormat format) {
    const Triple rgb = Srgb(color);
    switch (format) {
    case CssFormat::Hex: {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", color.red, color.green, color.blue);
        return buffer;
    }
    case CssFormat::Rgb:
        return "rgb(" + std::to_string(color.red) + " " + std::to_string(color.green) + " " +
               std::to_string(color.blue) + ")";
    case CssFormat::Decimal:
        return std::to_string((color.red << 16) | (color.green << 8) | color.blue);
    case CssFormat::Vec4:
        // Three decimals keep n/255 within a sixth of a step.
        return "vec4(" + Vec4Component(rgb[0], 3) + ", " + Vec4Component(rgb[1], 3) + ", " +
               Vec4Component(rgb[2], 3) + ", 1.0)";
    default:
        break;
    }
    const Triple channels = CssFormatChannels(color, format);
    const double k = Cmyk(rgb)[3] * 100;
    // The first precision clear of a browser's error; failing that, the first
    // within a fiftieth of a step of the colour.
    std::string fallback;
    std::string text;
    for (int decimals = 0; decimals <= 12; ++decimals) {
        text = Format(format, channels, k, decimals);
        if (format == CssFormat::Cmyk) {
            if (ReadsAs(FromCmyk(text), color, 0.1, false))
                return text;
            continue;
        }
        // A text outside sRGB would be mapped here but clipped by some
        // browsers: only a text inside it reads the same everywhere.
        const CssColorReading back = ParseCssColor(text);
        if (!back || back.mapped)
            continue;
        const bool viaLinearLight = format != CssFormat::Hsl && format != CssFormat::Hwb;
        if (ReadsAs(back.srgb, color, 0.1, viaLinearLight))
            return text;
        if (fallback.empty() && ReadsAs(back.srgb, color, 0.02, false))
            fallback = text;
    }
    if (!fallback.empty())
        return fallback;
    return text;
}
