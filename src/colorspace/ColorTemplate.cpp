#include "colorspace/ColorTemplate.h"

#include "colorspace/CssColorWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

struct Space {
    const char* name;
    CssFormat format;
    const char* channels;
    double ranges[4];
};

// The reference ranges are the ones CSS reads percentages against.
constexpr Space kSpaces[] = {
    {"rgb", CssFormat::Rgb, "rgb", {255, 255, 255}},
    {"hsl", CssFormat::Hsl, "hsl", {360, 100, 100}},
    {"hwb", CssFormat::Hwb, "hwb", {360, 100, 100}},
    {"lab", CssFormat::Lab, "lab", {100, 125, 125}},
    {"lch", CssFormat::Lch, "lch", {100, 150, 360}},
    {"oklab", CssFormat::Oklab, "lab", {1, 0.4, 0.4}},
    {"oklch", CssFormat::Oklch, "lch", {1, 0.4, 360}},
    {"display-p3", CssFormat::DisplayP3, "rgb", {1, 1, 1}},
    {"vec4", CssFormat::Vec4, "rgb", {1, 1, 1}},
    {"cmyk", CssFormat::Cmyk, "cmyk", {100, 100, 100, 100}},
};

constexpr int kMaxDecimals = 10;
constexpr int kMaxHexDigits = 8;
constexpr std::size_t kWhereLength = 40;

// The placeholder as written, cut short on a character boundary.
std::string Where(std::string_view placeholder) {
    if (placeholder.size() <= kWhereLength)
        return std::string(placeholder);
    std::size_t end = kWhereLength;
    while (end > 0 && (static_cast<unsigned char>(placeholder[end]) & 0xC0) == 0x80)
        --end;
    return std::string(placeholder.substr(0, end)) + "...";
}

// A run of decimal digits; more than three of them read as 1000.
std::optional<int> Digits(std::string_view s) {
    if (s.empty() || !std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    if (s.size() > 3)
        return 1000;
    return std::atoi(std::string(s).c_str());
}

std::string Fixed(double v, int decimals, bool dropZeros) {
    char buffer[64];
    // Channel values are small, so the text fits; clamp anyway.
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::clamp(v, -1e9, 1e9));
    std::string s = buffer;
    if (dropZeros && s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);
    return s;
}

std::string Hex(double v, int digits, bool upper) {
    const long long n = std::llround(std::clamp(v, -1e9, 1e9));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, upper ? "%0*llX" : "%0*llx", digits, std::llabs(n));
    std::string text(n < 0 ? 1 : 0, '-');
    text.append(buffer);
    return text;
}

// The channel values of `space`, with the hue of a grey 0 rather than the
// angle of its rounding noise.
std::array<double, 4> Values(const Rgb8& color, const Space& space) {
    const Triple t = CssFormatChannels(color, space.format);
    std::array<double, 4> v{t[0], t[1], t[2], 0};
    if (space.format == CssFormat::Cmyk)
        v[3] = 100 * (1 - std::max({color.red, color.green, color.blue}) / 255.0);
    if ((space.format == CssFormat::Lch || space.format == CssFormat::Oklch) &&
        v[1] < space.ranges[1] * 1e-6)
        v[2] = 0;
    for (double& x : v)
        if (!std::isfinite(x))
            x = 0;
    return v;
}

// The text of one placeholder's inside (between the braces).
ColorTemplateError Placeholder(const Rgb8& color, std::string_view inside, std::string& out) {
    const std::size_t colon = inside.find(':');
    const std::string_view key = inside.substr(0, colon);
    const std::size_t dot = key.find('.');
    if (dot == std::string_view::npos) {
        const std::optional<CssFormat> format = CssFormatNamed(key);
        if (!format)
            return ColorTemplateError::UnknownSpace;
        if (colon != std::string_view::npos)
            return ColorTemplateError::BadStyle;
        out += WriteCssColor(color, *format);
        return ColorTemplateError::None;
    }
    const std::string_view spaceName = key.substr(0, dot);
    const std::string_view channelName = key.substr(dot + 1);
    const Space* space = nullptr;
    for (const Space& s : kSpaces)
        if (spaceName == s.name)
            space = &s;
    if (!space)
        return ColorTemplateError::UnknownSpace;
    const char* found =
        channelName.size() == 1 ? std::strchr(space->channels, channelName[0]) : nullptr;
    if (!found || channelName[0] == '\0')
        return ColorTemplateError::UnknownChannel;
    const std::size_t channel = std::size_t(found - space->channels);
    const double value = Values(color, *space)[channel];

    if (colon == std::string_view::npos) {
        out += Fixed(value, 3, true);
        return ColorTemplateError::None;
    }
    std::string_view style = inside.substr(colon + 1);
    if (style == "d") {
        out += Fixed(value, 0, false);
        return ColorTemplateError::None;
    }
    if (style.size() >= 1 && (style[0] == 'x' || style[0] == 'X')) {
        int digits = 1;
        if (style.size() > 1) {
            const std::optional<int> n = Digits(style.substr(1));
            if (!n || *n == 0)
                return ColorTemplateError::BadStyle;
            if (*n > kMaxHexDigits)
                return ColorTemplateError::TooPrecise;
            digits = *n;
        }
        out += Hex(value, digits, style[0] == 'X');
        return ColorTemplateError::None;
    }
    double shown = value;
    if (!style.empty() && style[0] == '%') {
        shown = value / space->ranges[channel] * 100;
        style.remove_prefix(1);
        if (style.empty()) {
            out += Fixed(shown, 3, true);
            return ColorTemplateError::None;
        }
    }
    if (style.size() < 2 || style[0] != '.')
        return ColorTemplateError::BadStyle;
    const std::optional<int> decimals = Digits(style.substr(1));
    if (!decimals)
        return ColorTemplateError::BadStyle;
    if (*decimals > kMaxDecimals)
        return ColorTemplateError::TooPrecise;
    out += Fixed(shown, *decimals, false);
    return ColorTemplateError::None;
}

} // namespace

ColorTemplateText FormatColorTemplate(const Rgb8& color, std::string_view format) {
    ColorTemplateText result;
    if (format.size() > kColorTemplateMaxLength) {
        result.error = ColorTemplateError::TooLong;
        return result;
    }
    std::string out;
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        if (c == '}') {
            if (i + 1 < format.size() && format[i + 1] == '}') {
                out += '}';
                i += 2;
                continue;
            }
            result.error = ColorTemplateError::StrayBrace;
            result.where = Where(format.substr(i, 1));
            return result;
        }
        if (c != '{') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '{') {
            out += '{';
            i += 2;
            continue;
        }
        const std::size_t close = format.find('}', i + 1);
        if (close == std::string_view::npos) {
            result.error = ColorTemplateError::Unclosed;
            result.where = Where(format.substr(i));
            return result;
        }
        const ColorTemplateError error =
            Placeholder(color, format.substr(i + 1, close - i - 1), out);
        if (error != ColorTemplateError::None) {
            result.error = error;
            result.where = Where(format.substr(i, close - i + 1));
            return result;
        }
        i = close + 1;
    }
    result.text = std::move(out);
    return result;
}

const char* ColorTemplateErrorText(ColorTemplateError error) {
    switch (error) {
    case ColorTemplateError::None:
        return "no error";
    case ColorTemplateError::TooLong:
        return "the template is too long";
    case ColorTemplateError::Unclosed:
        return "a '{' without its '}'";
    case ColorTemplateError::StrayBrace:
        return "a '}' that closes nothing (write '}}')";
    case ColorTemplateError::UnknownSpace:
        return "unknown notation or space";
    case ColorTemplateError::UnknownChannel:
        return "unknown channel";
    case ColorTemplateError::BadStyle:
        return "unknown number form after ':'";
    case ColorTemplateError::TooPrecise:
        return "more than 10 decimals or 8 hexadecimal digits";
    }
    return "unknown error";
}
