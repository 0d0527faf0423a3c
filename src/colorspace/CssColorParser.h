#pragma once

#include "colorspace/ColorSpaces.h"

#include <functional>
#include <optional>
#include <string_view>

struct Rgb8 {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb8&) const = default;
};

enum class CssColorError {
    None,
    Empty,
    UnknownName,
    NoColorOfItsOwn, // transparent, currentcolor: nothing to pick
    BadHex,
    UnknownFunction,
    BadSyntax,
    BadComponent,
};

// One CSS Color 4 colour text read as the 8-bit sRGB colour a browser paints.
struct CssColorReading {
    CssColorError error = CssColorError::None;
    Rgb8 color;
    Triple srgb{};       // the colour before rounding, 0..1
    bool mapped = false; // it lay outside sRGB and was gamut-mapped
    explicit operator bool() const { return error == CssColorError::None; }
};

// Named colours are the caller's: `lookup` gets the name in ASCII lower case.
using CssNameLookup = std::function<std::optional<Rgb8>(std::string_view)>;

// Reads hex forms, names, rgb()/rgba(), hsl()/hsla(), hwb(), lab(), lch(),
// oklab(), oklch() and color() with the predefined spaces. Alpha is read and
// ignored. Anything else is an error, never a guess.
CssColorReading ParseCssColor(std::string_view text, const CssNameLookup& lookup = {});

// A short English reason, for the command line.
const char* CssColorErrorText(CssColorError error);
