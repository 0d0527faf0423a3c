#include "colorspace/CssColorWriter.h"
#include "colorspace/GamutMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::optional<Rgb8> Names(std::string_view name) {
    if (name == "rebeccapurple")
        return Rgb8{0x66, 0x33, 0x99};
    return std::nullopt;
}

struct Case {
    const char* text;
    Rgb8 expected;
    bool mapped = false;
};

// Texts and colours after the examples of the CSS colour documents.
const Case kCases[] = {
    {"#0f0", {0, 255, 0}},
    {"#0F08", {0, 255, 0}},
    {"  #00ff00  ", {0, 255, 0}},
    {"#00FF0080", {0, 255, 0}},
    {"RebeccaPurple", {0x66, 0x33, 0x99}},
    {"rgb(0 255 0)", {0, 255, 0}},
    {"rgb(0% 100% 0%)", {0, 255, 0}},
    {"rgba(0, 255, 0, 0.5)", {0, 255, 0}},
    {"rgb(29 164 192 / 95%)", {29, 164, 192}},
    {"rgb(300 -20 127.5)", {255, 0, 128}},
    {"rgb(none 10% 1e2)", {0, 26, 100}},
    {"hsl(120deg 100% 50%)", {0, 255, 0}},
    {"hsl(120 100% 25%)", {0, 128, 0}},
    {"hsla(0.5turn, 100%, 50%, 0.1)", {0, 255, 255}},
    {"hsl(200grad 100 50)", {0, 255, 255}},
    {"HSL(3.14159rad 100% 50%)", {0, 255, 255}},
    {"hwb(0 0% 0%)", {255, 0, 0}},
    {"hwb(90 70% 60%)", {137, 137, 137}},
    {"lab(29.2345% 39.3825 20.0664)", {125, 35, 41}},
    {"lch(29.2345% 44.2 27)", {125, 35, 41}},
    {"oklab(40.101% 0.1147 0.0453)", {125, 35, 41}},
    {"oklch(40.101% 0.12332 21.555)", {125, 35, 41}},
    {"oklch(62.8% 0.2577 29.23)", {255, 0, 0}},
    {"color(srgb 1 0.5 0)", {255, 128, 0}},
    {"color(srgb-linear 0.21586 0 100%)", {128, 0, 255}},
    {"color(xyz-d65 0.9505 1 1.089)", {255, 255, 255}},
    {"color(xyz-d50 0.9642 1 0.8251)", {255, 255, 255}},
    {"lab(100 0 0)", {255, 255, 255}},
    {"oklch(1 0.3 120)", {255, 255, 255}, true},
    {"oklch(0 0.3 120)", {0, 0, 0}, true},
    {"color(display-p3 1 0 0)", {255, 11, 12}, true},
    {"color(rec2020 0 1 0)", {0, 242, 114}, true},
};

TEST(CssColor, TextsReadAsTheColourABrowserPaints) {
    for (const Case& c : kCases) {
        const CssColorReading reading = ParseCssColor(c.text, Names);
        ASSERT_TRUE(reading) << c.text << ": " << CssColorErrorText(reading.error);
        EXPECT_EQ(reading.color, c.expected) << c.text << " read as " << reading.color.red << ","
                                             << reading.color.green << "," << reading.color.blue;
        EXPECT_EQ(reading.mapped, c.mapped) << c.text;
    }
}

TEST(CssColor, TextsThatAreNoColourAreRefused) {
    const std::pair<const char*, CssColorError> refused[] = {
        {"", CssColorError::Empty},
        {"   ", CssColorError::Empty},
        {"#12", CssColorError::BadHex},
        {"#12345g", CssColorError::BadHex},
        {"transparent", CssColorError::NoColorOfItsOwn},
        {"currentColor", CssColorError::NoColorOfItsOwn},
        {"notacolour", CssColorError::UnknownName},
        {"rgb(1, 2 3)", CssColorError::BadSyntax},
        {"rgb(1 2 3", CssColorError::BadSyntax},
        {"rgb(1 2 3 4)", CssColorError::BadSyntax},
        {"rgb(1 2 3 / 4 / 5)", CssColorError::BadSyntax},
        {"rgb(1, 2%, 3)", CssColorError::BadComponent},
        {"rgb(none, 2, 3)", CssColorError::BadSyntax},
        {"hsl(120, 100, 50)", CssColorError::BadComponent},
        {"hwb(0, 0%, 0%)", CssColorError::BadSyntax},
        {"rgb(1px 2 3)", CssColorError::BadComponent},
        {"hsl(1foo 2% 3%)", CssColorError::BadComponent},
        {"color(cmyk 1 0 0)", CssColorError::UnknownFunction},
        {"device-cmyk(0 0 0 1)", CssColorError::UnknownFunction},
        {"rgb(calc(1) 2 3)", CssColorError::BadSyntax},
        {"rgb(from red r g b)", CssColorError::BadSyntax},
        {"rgb(1e999 0 0)", CssColorError::BadSyntax},
        {"lab(50 1e300 0)", CssColorError::BadComponent},
        {"color(srgb 1e300 0 0)", CssColorError::BadComponent},
        {"oklch(0.5 1e300 1e300)", CssColorError::BadComponent},
        {"oklch(0.5 0.1 \xe3\x81\x82)", CssColorError::BadSyntax},
    };
    for (const auto& [text, error] : refused)
        EXPECT_EQ(ParseCssColor(text, Names).error, error) << text;
}

TEST(CssColor, GamutMappingKeepsLightnessAndHue) {
    // Vivid display-p3 and rec2020 colours: mapped into sRGB, inside it, with
    // their OKLCH lightness and hue (within what 8 bits hold).
    const Triple origins[] = {{1, 0, 0}, {0, 1, 0}, {0.2, 0.3, 1}, {1, 1, 0}};
    for (const RgbSpace space : {RgbSpace::DisplayP3, RgbSpace::Rec2020}) {
        for (const Triple& origin : origins) {
            const Triple xyz = RgbToXyz(space, origin);
            const SrgbInGamut result = MapToSrgbGamut(xyz);
            EXPECT_TRUE(result.mapped);
            const Triple before = ToPolar(XyzToOklab(xyz));
            const Triple after = ToPolar(XyzToOklab(RgbToXyz(RgbSpace::Srgb, result.rgb)));
            EXPECT_NEAR(after[0], before[0], 0.02) << origin[0] << origin[1] << origin[2];
            EXPECT_NEAR(std::remainder(after[2] - before[2], 360.0), 0, 5.0);
            EXPECT_LT(after[1], before[1]);
        }
    }
    // The CSS document's anchors of OKLab.
    const Triple red = OklabOf(255, 0, 0);
    EXPECT_NEAR(red[0], 0.627955, 1e-5);
    EXPECT_NEAR(red[1], 0.224863, 1e-5);
    EXPECT_NEAR(red[2], 0.125846, 1e-5);
    const Triple white = OklabOf(255, 255, 255);
    EXPECT_NEAR(white[0], 1.0, 1e-6);
    EXPECT_NEAR(std::hypot(white[1], white[2]), 0.0, 1e-6);
}

TEST(CssColor, EveryNotationReadsBackAsTheSameColour) {
    size_t longest = 0;
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 17)
                for (const auto& [name, format] : CssFormatNames()) {
                    if (!IsCssText(format))
                        continue;
                    const Rgb8 color{r, g, b};
                    const std::string text = WriteCssColor(color, format);
                    longest = std::max(longest, text.size());
                    const CssColorReading back = ParseCssColor(text);
                    ASSERT_TRUE(back) << text;
                    ASSERT_EQ(back.color, color) << text;
                }
    // As few decimals as it takes: no text grows past a few per number.
    EXPECT_LE(longest, 48u);
    const Rgb8 tomato{255, 99, 71};
    EXPECT_EQ(WriteCssColor(tomato, CssFormat::Hex), "#FF6347");
    EXPECT_EQ(WriteCssColor(tomato, CssFormat::Rgb), "rgb(255 99 71)");
    EXPECT_EQ(WriteCssColor(tomato, CssFormat::Decimal), "16737095");
    EXPECT_EQ(WriteCssColor(tomato, CssFormat::Vec4), "vec4(1.0, 0.388, 0.278, 1.0)");
    EXPECT_EQ(WriteCssColor(tomato, CssFormat::Cmyk), "cmyk(0%, 61.18%, 72.16%, 0%)");
    EXPECT_EQ(WriteCssColor({0, 0, 0}, CssFormat::Cmyk), "cmyk(0%, 0%, 0%, 100%)");
}

} // namespace
