#include "html/ColorAttribute.h"
#include "html/HtmlCase.h"
#include "settings/ProgramOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(HtmlCase, ChangesOnlyAsciiLetters) {
    EXPECT_EQ(ApplyHtmlCase(QStringLiteral("FONT"), HtmlCase::Capital), QStringLiteral("Font"));
    EXPECT_EQ(ApplyHtmlCase(QStringLiteral("BGCOLOR=\""), HtmlCase::Capital),
              QStringLiteral("Bgcolor=\""));
    EXPECT_EQ(ApplyHtmlCase(QStringLiteral("#FF00FF"), HtmlCase::Capital),
              QStringLiteral("#ff00ff"));
    EXPECT_EQ(ApplyHtmlCase(QStringLiteral(" border=\"1\" "), HtmlCase::Capital),
              QStringLiteral(" border=\"1\" "));
    EXPECT_EQ(ApplyHtmlCase(QStringLiteral(" border=\"1\" "), HtmlCase::Upper),
              QStringLiteral(" BORDER=\"1\" "));
    EXPECT_EQ(ApplyHtmlCase(QStringLiteral("TD Ä ａ"), HtmlCase::Lower), QStringLiteral("td Ä ａ"));
    EXPECT_EQ(ApplyHtmlCase(QStringLiteral("td ä ａ"), HtmlCase::Upper), QStringLiteral("TD ä ａ"));
    EXPECT_EQ(ApplyHtmlCase(QString(), HtmlCase::Capital), QString());
    EXPECT_EQ(ApplyHtmlCase(QByteArray("bOdY \x82\xA0"), HtmlCase::Capital),
              QByteArray("Body \x82\xA0"));
    EXPECT_EQ(HtmlLineBreak(true), QStringLiteral("\r\n"));
    EXPECT_EQ(HtmlLineBreak(false), QString());
}

TEST(ColorAttribute, NamesFollowTheCaseHexNeverDoes) {
    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    const TColor cyan = RgbToColor(0, 255, 255);
    EXPECT_EQ(ColorToAttributeText(cyan, true, options), QStringLiteral("aqua"));
    options.htmlcase = HtmlCase::Upper;
    EXPECT_EQ(ColorToAttributeText(cyan, true, options), QStringLiteral("AQUA"));
    options.htmlcase = HtmlCase::Capital;
    EXPECT_EQ(ColorToAttributeText(cyan, true, options), QStringLiteral("Aqua"));
    EXPECT_EQ(ColorToAttributeText(cyan, false, options), QStringLiteral("#00FFFF"));
    EXPECT_EQ(ColorToAttributeText(RgbToColor(1, 2, 3), true, options), QStringLiteral("#010203"));
    options.htmlcase = HtmlCase::Lower;
    EXPECT_EQ(ColorToAttributeText(RgbToColor(255, 0, 255), true, options),
              QStringLiteral("fuchsia"));
    EXPECT_EQ(ColorToAttributeText(RgbToColor(0xA0, 0xCE, 0), true, options),
              QStringLiteral("#A0CE00"));
    EXPECT_EQ(ColorToAttributeText(RgbToColor(0xF0, 0xF8, 0xFF), true, options),
              QStringLiteral("aliceblue"));
    EXPECT_EQ(ColorToAttributeText(RgbToColor(255, 0, 0), true, options), QStringLiteral("red"));
    // An empty table names nothing.
    EXPECT_EQ(ColorToAttributeText(RgbToColor(255, 0, 0), true, NamedColorTable(), HtmlCase::Lower),
              QStringLiteral("#FF0000"));
}

} // namespace
