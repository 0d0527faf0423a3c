#include "html/ColorNotation.h"
#include "settings/ProgramOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorPageNotation, NamedAndUnnamedInEachCase) {
    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    const TColor orange = RgbToColor(255, 0xA5, 0);
    const QStringList hex{"#FFA500", "color=\"#FFA500\"", "color:\"#FFA500\"",
                          "<font color=\"#FFA500\">", "<style color:\"#FFA500\">"};
    EXPECT_EQ(ColorNotationTexts(orange, options), hex + hex); // names off
    options.colorconst = true;
    EXPECT_EQ(ColorNotationTexts(orange, options),
              (hex + QStringList{"orange", "color=\"orange\"", "color:\"orange\"",
                                 "<font color=\"orange\">", "<style color:\"orange\">"}));
    options.htmlcase = HtmlCase::Upper;
    EXPECT_EQ(ColorNotationTexts(orange, options).mid(3, 4),
              (QStringList{"<FONT COLOR=\"#FFA500\">", "<STYLE COLOR:\"#FFA500\">", "ORANGE",
                           "COLOR=\"ORANGE\""}));
    EXPECT_EQ(WriteColorNotation(orange, 8, options), "<FONT COLOR=\"ORANGE\">");
    EXPECT_EQ(WriteColorNotation(RgbToColor(0, 255, 255), 5, options), "AQUA");
    options.htmlcase = HtmlCase::Capital;
    EXPECT_EQ(WriteColorNotation(orange, 7, options), "Color:\"Orange\"");
    EXPECT_EQ(WriteColorNotation(orange, 9, options), "<Style Color:\"Orange\">");
    // Without a name the hex text stays, its letters upper case in every mode.
    const TColor unnamed = RgbToColor(0xAB, 0xCD, 0xEF);
    const QStringList capital{"#ABCDEF", "Color=\"#ABCDEF\"", "Color:\"#ABCDEF\"",
                              "<Font Color=\"#ABCDEF\">", "<Style Color:\"#ABCDEF\">"};
    EXPECT_EQ(ColorNotationTexts(unnamed, options), capital + capital);
    options.htmlcase = HtmlCase::Lower;
    EXPECT_EQ(WriteColorNotation(unnamed, 6, options), "color=\"#ABCDEF\"");
    EXPECT_EQ(WriteColorNotation(orange, 10, options), "");
}

} // namespace
