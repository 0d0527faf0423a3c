#pragma once

#include "colorspace/CssColorParser.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The notations a colour is written in. The first nine are CSS texts that a
// browser paints as exactly the colour given; the last three serve other
// programs.
enum class CssFormat { Hex, Rgb, Hsl, Hwb, Lab, Lch, Oklab, Oklch, DisplayP3, Cmyk, Vec4, Decimal };

// Whether `format` is a CSS colour text (the first nine).
constexpr bool IsCssText(CssFormat format) {
    return format != CssFormat::Cmyk && format != CssFormat::Vec4 && format != CssFormat::Decimal;
}

// The names the command line and the settings use: "hex", "display-p3", ...
std::span<const std::pair<const char*, CssFormat>> CssFormatNames();
std::optional<CssFormat> CssFormatNamed(std::string_view name);

// `color` in `format`, each number with as few decimals as keep every channel
// within a tenth of a step of the colour (and, for the spaces converted
// through linear light, clear of a browser's rounding error), so that any
// reader rounds back to it. Where no precision is clear of that error, the
// text has the most decimals tried.
std::string WriteCssColor(const Rgb8& color, CssFormat format);

// The numbers a notation is made of, from the exact colour: for templates.
// CMYK and the percentages 0..100, hues in degrees, vec4 and display-p3 0..1.
Triple CssFormatChannels(const Rgb8& color, CssFormat format);
