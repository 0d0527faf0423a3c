#pragma once

#include "colorspace/CssColorParser.h"

#include <cstddef>
#include <string>
#include <string_view>

// User templates: a text in which placeholders stand for the colour.
//
//   {{  }}             a literal brace
//   {NOTATION}         the whole notation as --css writes it: {hex}, {oklch},
//                      {display-p3}, {cmyk}, {vec4}, {decimal}, ...
//   {SPACE.CH}         one channel, with up to 3 decimals (trailing zeros dropped)
//   {SPACE.CH:STYLE}   STYLE is one of
//                        .N      exactly N decimals, N 0..10
//                        d       a whole number (rounded)
//                        %  %.N  percent of the channel's reference range
//                                (the number only), up to 3 or exactly N decimals
//                        x  X    the rounded number in lower / upper case
//                        xN XN   hexadecimal, zero-padded to N digits (1..8)
//
// Spaces and channels (reference range in brackets, for %):
//   rgb.r .g .b         0..255 [255]
//   hsl.h .s .l         degrees [360], 0..100 [100]
//   hwb.h .w .b         degrees [360], 0..100 [100]
//   lab.l .a .b         0..100 [100], a and b [125]
//   lch.l .c .h         0..100 [100], chroma [150], degrees [360]
//   oklab.l .a .b       0..1 [1], a and b [0.4]
//   oklch.l .c .h       0..1 [1], chroma [0.4], degrees [360]
//   display-p3.r .g .b  0..1 [1]
//   vec4.r .g .b        0..1 [1] (sRGB)
//   cmyk.c .m .y .k     0..100 [100]
//
// Examples for #FF6633: "{rgb.r:X2}{rgb.g:X2}{rgb.b:X2}" gives FF6633,
// "{oklch.l:%.1}% {oklch.c:.3} {oklch.h:d}" gives 68.6% 0.190 38.

enum class ColorTemplateError {
    None,
    TooLong,        // the template is longer than kColorTemplateMaxLength
    Unclosed,       // a '{' without its '}'
    StrayBrace,     // a '}' that closes nothing (write "}}")
    UnknownSpace,   // the part before the dot, or a whole notation, is not known
    UnknownChannel, // the part after the dot is no channel of its space
    BadStyle,       // the part after ':' is none of the forms above
    TooPrecise,     // more than 10 decimals or 8 hexadecimal digits
};

// Templates longer than this, in UTF-8 bytes, are refused as a whole.
inline constexpr std::size_t kColorTemplateMaxLength = 4096;

struct ColorTemplateText {
    std::string text; // empty on an error
    ColorTemplateError error = ColorTemplateError::None;
    // The placeholder at fault as written (at most 40 bytes of it).
    std::string where;
    explicit operator bool() const { return error == ColorTemplateError::None; }
};

// `format` with every placeholder replaced by `color`'s value. An error
// anywhere gives no text: a half-written colour is worse than none.
ColorTemplateText FormatColorTemplate(const Rgb8& color, std::string_view format);

// A short English reason, for the command line.
const char* ColorTemplateErrorText(ColorTemplateError error);
