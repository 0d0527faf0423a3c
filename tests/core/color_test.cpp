#include "core/Color.h"
#include "core/InvalidNumberError.h"

#include <gtest/gtest.h>

TEST(ColorNotation, HexTextOfComposedColours) {
    EXPECT_EQ(ColorToHtml(0), "#000000");
    EXPECT_EQ(ColorToHtml(0xFFFFFF), "#FFFFFF");
    EXPECT_EQ(RgbToColor(255, 165, 0), 0x0000A5FFu);
    EXPECT_EQ(ColorToHtml(0x0000A5FF), "#FFA500");
    // Only the low 24 bits count, and components are masked before composing.
    EXPECT_EQ(ColorToHtml(0xFF0000A5), "#A50000");
    EXPECT_EQ(RgbToColor(0x1FF, 0, 0), 0xFFu);
}

TEST(ColorNotation, HexTextReadBack) {
    EXPECT_EQ(HtmlToColor("#FFA500"), 0x0000A5FFu);
    EXPECT_EQ(HtmlToColor("#ffa500"), 0x0000A5FFu);
    EXPECT_EQ(HtmlToColor(""), 0u);
    // The first character is skipped whatever it is.
    EXPECT_EQ(HtmlToColor("FFA500"), RgbToColor(0xFA, 0x50, 0x0));
    // A pair cut short is one digit; characters past the seventh are ignored.
    EXPECT_EQ(HtmlToColor("#FFA50A"), RgbToColor(0xFF, 0xA5, 0x0A));
    EXPECT_EQ(HtmlToColor("#12345F"), RgbToColor(0x12, 0x34, 0x5F));
    EXPECT_EQ(HtmlToColor("#12345"), RgbToColor(0x12, 0x34, 0x5));
    EXPECT_EQ(HtmlToColor("#123456789"), RgbToColor(0x12, 0x34, 0x56));
}

TEST(ColorNotation, MalformedHexTextIsAnInvalidNumber) {
    for (const char* text : {"#", "#1", "#1234", "#GG0000", "#12 456", "#1234-6"})
        EXPECT_THROW(HtmlToColor(QString::fromLatin1(text)), InvalidNumberError) << text;
    try {
        HtmlToColor("#12XY56");
        FAIL();
    } catch (const InvalidNumberError& e) {
        EXPECT_TRUE(e.message().contains("#12XY56"));
    }
}

TEST(ColorNotation, Hsv) {
    struct Case {
        int r, g, b;
        Hsv hsv;
    };
    const Case cases[] = {
        {255, 128, 0, {30, 100, 100}},
        {0, 0, 255, {240, 100, 100}},
        {255, 0, 128, {330, 100, 100}},
        {0, 255, 255, {180, 100, 100}},
        {255, 255, 0, {60, 100, 100}},
        {255, 0, 255, {300, 100, 100}},
        {0, 128, 0, {120, 100, 50}},
        {200, 100, 100, {0, 50, 78}},
        {128, 128, 128, {0, 0, 50}},
        {0, 0, 0, {0, 0, 0}},
        {255, 255, 255, {0, 0, 100}},
        // A slightly negative raw hue truncates to 0 rather than wrapping to 359.
        {255, 0, 1, {0, 100, 100}},
        {1, 0, 0, {0, 100, 0}},
        // Red wins a tie with blue; green wins a tie with blue.
        {255, 0, 255, {300, 100, 100}},
        {0, 200, 200, {180, 100, 78}},
        {255, 165, 0, {38, 100, 100}},
        {10, 0, 20, {270, 100, 7}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ColorToHsv(c.r, c.g, c.b), c.hsv) << c.r << "," << c.g << "," << c.b;
}

TEST(ColorNotation, DecimalTriplesArePadded) {
    EXPECT_EQ(ColorToRgbText(RgbToColor(0, 128, 255)), "  0,128,255");
    EXPECT_EQ(ColorToRgbText(RgbToColor(255, 165, 0)), "255,165,  0");
    EXPECT_EQ(ColorToHsvText(RgbToColor(255, 128, 0)), " 30,100,100");
    EXPECT_EQ(ColorToHsvText(RgbToColor(255, 165, 0)), " 38,100,100");
    EXPECT_EQ(ColorToHsvText(0), "  0,  0,  0");
}
