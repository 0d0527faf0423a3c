#include "html/BodyContrast.h"
#include "html/BodyHtml.h"
#include "settings/ProgramOptions.h"

#include <gtest/gtest.h>

namespace {

struct BodyHtmlTest : ::testing::Test {
    void SetUp() override {
        LoadDefaultNamedColors(options.colors);
        LoadDefaultBodyPresets(options.bodyPresets);
        ApplyBodyPreset(page, options.bodyPresets.at(0));
    }
    QString tag(int htmlcase) {
        options.htmlcase = HtmlCase(htmlcase);
        return WriteBodyHtml(page, options);
    }
    ProgramOptions options;
    BodyModel page;
};

TEST_F(BodyHtmlTest, EachCaseWithNamesOffAndOn) {
    EXPECT_EQ(tag(1), "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\" LINK=\"#0000FF\" "
                      "VLINK=\"#FF0000\" ALINK=\"#000088\" >\r\n");
    EXPECT_EQ(tag(0), "<body bgcolor=\"#ffffff\" text=\"#000000\" link=\"#0000ff\" "
                      "vlink=\"#ff0000\" alink=\"#000088\" >\r\n");
    EXPECT_EQ(BodyLabelTexts(page, options)[4], "alink=#000088 読み込み中リンク色");
    options.colorconst = true; // the page's own toggle decides, not this option
    EXPECT_EQ(BodyLabelTexts(page, options)[0], "bgcolor=#ffffff 背景色");
    page.preferNames = true;
    EXPECT_EQ(BodyLabelTexts(page, options)[0], "bgcolor=white 背景色");
    page.setColor(BodyRole::Text, RgbToColor(255, 0, 0));
    EXPECT_EQ(tag(2), "<Body Bgcolor=\"White\" Text=\"Red\" Link=\"Blue\" Vlink=\"Red\" "
                      "Alink=\"#000088\" >\r\n");
    EXPECT_EQ(BodyLabelTexts(page, options)[1], "Text=Red テキスト色");
}

TEST_F(BodyHtmlTest, EachRoleReachesItsAttributeAndLabel) {
    page.colors = {RgbToColor(1, 2, 3), RgbToColor(0x10, 0x20, 0x30), RgbToColor(0xAA, 0xBB, 0xCC),
                   RgbToColor(0x0A, 0x0B, 0x0C), RgbToColor(0xFE, 0xDC, 0xBA)};
    EXPECT_EQ(tag(1), "<BODY BGCOLOR=\"#010203\" TEXT=\"#102030\" LINK=\"#AABBCC\" "
                      "VLINK=\"#0A0B0C\" ALINK=\"#FEDCBA\" >\r\n");
    EXPECT_EQ(BodyLabelTexts(page, options)[3], "VLINK=#0A0B0C キャッシュ済みリンク色");
    // Presets store ALINK before VLINK; a round trip keeps them apart.
    BodyModel applied;
    ApplyBodyPreset(applied, BodyPresetFromModel("p", page));
    EXPECT_EQ(applied.colors, page.colors);
    EXPECT_FALSE(BodyRoleFromIndex(-1) || BodyRoleFromIndex(5));
}

TEST_F(BodyHtmlTest, BackgroundPiece) {
    page.backgroundPicturePath = "C:\\Web\\img\\back.gif";
    EXPECT_TRUE(
        tag(1).endsWith("ALINK=\"#000088\" background=\"file:///C:/Web/img/back.gif\">\r\n"));
    EXPECT_TRUE(tag(0).contains("background=\"file:///C:/Web/img/back.gif\">"));
    EXPECT_EQ(BodyBackgroundUrl("/home/u/壁紙\\back.png"), "file:///home/u/壁紙%5Cback.png");
    EXPECT_EQ(BodyBackgroundUrl("\\\\server\\share\\a.gif"), "file://///server/share/a.gif");
    EXPECT_EQ(BodyBackgroundUrl("/p/a\"b#c%d&e?f\ng.gif"),
              "file:///p/a%22b%23c%25d%26e%3Ff%0Ag.gif");
}

TEST(BodyContrast, SummaryMarksEachTextRole) {
    BodyModel page;
    page.colors = {0xFFFFFF, 0, RgbToColor(0x77, 0x77, 0x77), RgbToColor(0x99, 0x99, 0x99),
                   0xFFFFFF};
    EXPECT_EQ(BodyContrastSummary(page),
              "TEXT 21.00 AAA  LINK 4.48 AA(大きな文字)  VLINK 2.85 基準未満  ALINK 1.00 基準未満");
}

} // namespace
