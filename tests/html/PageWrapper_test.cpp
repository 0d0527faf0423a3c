#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "settings/ProgramOptions.h"

#include "HtmlTestOptions.h"

#include <gtest/gtest.h>

namespace {

const QString kTitle = QStringLiteral(
    "<html><head><meta charset=\"utf-8\"><title>Vellomar Preview</title></head>\r\n\r\n");
const QString kEnd = QStringLiteral("</body></html>\r\n");

TEST(PageWrapper, TablePageInUpperCaseKeepsTheWrapperLowerAndTheHexUpper) {
    const QString fragment = QStringLiteral("<TABLE>\r\n<TR><TD>★</TD></TR>\r\n</TABLE>");
    EXPECT_EQ(WrapPage(fragment, Pages::Table, 0xFFFFFF, HtmlOptions(1)),
              kTitle + QStringLiteral("<body bgcolor=\"#FFFFFF\">\r\n\r\n") + fragment +
                  QStringLiteral("\r\n") + kEnd);
    // Hex letters stay upper case in every mode.
    EXPECT_EQ(WrapPage(QString(), Pages::Rule, RgbToColor(0xAB, 0xCD, 0xEF), HtmlOptions(0)),
              kTitle + QStringLiteral("<body bgcolor=\"#ABCDEF\">\r\n\r\n\r\n") + kEnd);
}

TEST(PageWrapper, OnlyAColourNameFollowsTheCase) {
    const QString fragment = QStringLiteral("<hr>");
    for (const auto& [mode, name] : {std::pair{0, "white"}, {1, "WHITE"}, {2, "White"}}) {
        EXPECT_EQ(WrapPage(fragment, Pages::Rule, 0xFFFFFF, HtmlOptions(mode, false, true)),
                  kTitle + QStringLiteral("<body bgcolor=\"%1\">\r\n\r\n").arg(name) + fragment +
                      QStringLiteral("\r\n") + kEnd);
    }
    // A colour without a name is its hex text even with names preferred.
    EXPECT_TRUE(WrapPage(fragment, Pages::Table, RgbToColor(1, 2, 3), HtmlOptions(2, false, true))
                    .contains(QStringLiteral("<body bgcolor=\"#010203\">")));
}

TEST(PageWrapper, BodyPageHasNoBackgroundLineAndItsTagIsFollowedByAnEmptyLine) {
    const QString tag = QStringLiteral("<BODY BGCOLOR=\"#000000\" TEXT=\"#FFFFFF\" >\r\n");
    const QString expected = kTitle + tag + QStringLiteral("\r\n") + kEnd;
    EXPECT_EQ(WrapPage(tag, Pages::Body, 0xFFFFFF, HtmlOptions(1, false, true)), expected);

    ProgramOptions options = HtmlOptions(1);
    options.htmlsave = true;
    EXPECT_EQ(SavedFileText(tag, Pages::Body, 0, options), expected);
    options.htmlsave = false;
    EXPECT_EQ(SavedFileText(tag, Pages::Body, 0, options), tag + QStringLiteral("\r\n"));
}

TEST(PageWrapper, BackgroundByPage) {
    ProgramOptions options = HtmlOptions(0);
    options.viewback = RgbToColor(0x12, 0x34, 0x56);
    const TColor editor = RgbToColor(0xFE, 0xDC, 0xBA);
    EXPECT_EQ(PageBackground(Pages::Text, editor, options), editor);
    EXPECT_EQ(PageBackground(Pages::Table, editor, options), options.viewback);
    EXPECT_EQ(PageBackground(Pages::Rule, editor, options), options.viewback);

    const QString text = WrapPage(QStringLiteral("<font>a</font>"), Pages::Text,
                                  PageBackground(Pages::Text, editor, options), options);
    EXPECT_TRUE(text.contains(QStringLiteral("<body bgcolor=\"#FEDCBA\">\r\n\r\n<font>")));

    EXPECT_TRUE(Pages::Body.outputFile);
    EXPECT_FALSE(Pages::Color.outputFile);
    EXPECT_FALSE(PageHasBackgroundLine(Pages::Color));
}

} // namespace
