#include "colorspace/ColorTemplate.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* format;
    const char* text; // for #FF6633; empty with an error
    ColorTemplateError error = ColorTemplateError::None;
    const char* where = "";
};

const Case kCases[] = {
    {"{rgb.r:X2}{rgb.g:X2}{rgb.b:X2}", "FF6633"},
    {"0x{rgb.b:x4}, {lab.a:x}", "0x0033, 3a"},
    {"{oklch.l:%.1}% {oklch.c:.3} {oklch.h:d}", "69.8% 0.197 38"},
    {"{lch.c} {hsl.h} {hsl.s:%} {rgb.g:%.2} {vec4.b:.4}", "81.732 15 100 40.00 0.2000"},
    {"cmyk {cmyk.c} {cmyk.m} {cmyk.y} {cmyk.k}", "cmyk 0 60 80 0"},
    {"{{ {hex} }} {display-p3}", "{ #FF6633 } color(display-p3 0.929 0.4387 0.2644)"},
    {"plain, ünïcode ✓", "plain, ünïcode ✓"},
    {"{rgb.q}", "", ColorTemplateError::UnknownChannel, "{rgb.q}"},
    {"a {rgb.rr} b", "", ColorTemplateError::UnknownChannel, "{rgb.rr}"},
    {"{srgb.r}", "", ColorTemplateError::UnknownSpace, "{srgb.r}"},
    {"{RGB}", "", ColorTemplateError::UnknownSpace, "{RGB}"},
    {"{hex:x}", "", ColorTemplateError::BadStyle, "{hex:x}"},
    {"{rgb.r:}", "", ColorTemplateError::BadStyle, "{rgb.r:}"},
    {"{rgb.r:x0}{rgb.r:%x}", "", ColorTemplateError::BadStyle, "{rgb.r:x0}"},
    {"{rgb.r:.11}", "", ColorTemplateError::TooPrecise, "{rgb.r:.11}"},
    {"{rgb.r:X99999999999999999999}", "", ColorTemplateError::TooPrecise,
     "{rgb.r:X99999999999999999999}"},
    {"{rgb.r", "", ColorTemplateError::Unclosed, "{rgb.r"},
    {"ok} ", "", ColorTemplateError::StrayBrace, "}"},
};

TEST(ColorTemplate, PlaceholdersPrecisionAndFaults) {
    const Rgb8 color{0xFF, 0x66, 0x33};
    for (const Case& c : kCases) {
        const ColorTemplateText out = FormatColorTemplate(color, c.format);
        EXPECT_EQ(out.text, c.text) << c.format;
        EXPECT_EQ(out.error, c.error) << c.format;
        EXPECT_EQ(out.where, c.where) << c.format;
    }
    // Negative channels, hues of greys and the longest input.
    EXPECT_EQ(FormatColorTemplate({0x12, 0x34, 0x56}, "{lab.b:X4} {oklab.a:.4}").text,
              "-0019 -0.0234");
    EXPECT_EQ(FormatColorTemplate({128, 128, 128}, "{oklch.h} {lch.h:.2} {oklch.c:.2}").text,
              "0 0.00 0.00");
    const std::string longest(kColorTemplateMaxLength, '{');
    EXPECT_EQ(FormatColorTemplate(color, longest).text.size(), kColorTemplateMaxLength / 2);
    EXPECT_EQ(FormatColorTemplate(color, longest + "{{").error, ColorTemplateError::TooLong);
    std::string accents = "{";
    for (int i = 0; i < 100; ++i)
        accents += "é";
    // The fault names the placeholder cut short on a whole character.
    EXPECT_EQ(FormatColorTemplate(color, accents).where, accents.substr(0, 39) + "...");
}

} // namespace
