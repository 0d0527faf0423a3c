#include "gradient/GradientTableList.h"
#include "html/RuleMarkup.h"
#include "settings/ProgramOptions.h"

#include <gtest/gtest.h>

namespace {

std::string Rule(const RulePageModel& page, const GradientTable* gradient = nullptr,
                 int htmlcase = 0, bool crlf = true) {
    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    options.htmlcase = HtmlCase(htmlcase);
    options.htmlcr = crlf;
    options.colorconst = true;
    return WriteRuleHtml(page, gradient, options).toStdString();
}

const GradientTable& BlackWhite() {
    return DefaultGradientTables()[size_t(2)];
}

} // namespace

TEST(RuleMarkup, SingleRule) {
    RulePageModel page;
    EXPECT_EQ(Rule(page), "<hr>\r\n");
    page.width = 80;
    EXPECT_EQ(Rule(page), "<hr width=80%>\r\n");
    page.width = 100;
    page.setPixels(true);
    EXPECT_EQ(Rule(page), "<hr width=100>\r\n");
    page.width = 50;
    page.height = 5;
    page.align = RuleAlign::Left;
    page.noshade = true;
    page.colorOn = true;
    page.color = RgbToColor(255, 0, 0);
    // Fixed lower case and no colour names whatever the options say.
    for (int htmlcase : {0, 1, 2})
        EXPECT_EQ(Rule(page, nullptr, htmlcase),
                  "<hr width=50 size=5 align=left noshade color=#FF0000>\r\n");
    EXPECT_EQ(Rule(page, nullptr, 1, false),
              "<hr width=50 size=5 align=left noshade color=#FF0000>");

    page = RulePageModel();
    page.align = RuleAlign::Right;
    page.height = 1;
    EXPECT_EQ(Rule(page), "<hr size=1 align=right>\r\n");
    page.height = 3;
    page.repeat = 7; // counts only for a gradient
    EXPECT_EQ(Rule(page), "<hr size=3 align=right>\r\n");
}

TEST(RuleMarkup, ValuesOutsideTheirRangesAreBroughtIn) {
    RulePageModel page;
    page.setPixels(true);
    page.width = 640;
    EXPECT_EQ(Rule(page), "<hr width=640>\r\n");
    page.setPixels(false);
    EXPECT_EQ(page.width, 100);
    EXPECT_EQ(Rule(page), "<hr>\r\n");
    page.pixels = true;
    page.width = 5000;
    page.height = 0;
    EXPECT_EQ(Rule(page), "<hr width=3000 size=1>\r\n");
    page.width = -4;
    page.height = 101;
    EXPECT_EQ(Rule(page), "<hr width=1 size=100>\r\n");
}

TEST(RuleMarkup, GradientRulesEndWithTheLastStop) {
    RulePageModel page;
    page.gradient = true;
    page.repeat = 3;
    page.colorOn = true; // no effect on gradient rules
    page.color = RgbToColor(255, 0, 0);
    page.width = 50;
    ASSERT_EQ(BlackWhite().name, QStringLiteral("黒、白"));
    EXPECT_EQ(Rule(page, &BlackWhite()), "<hr width=50% color=#000000>\r\n"
                                         "<hr width=50% color=#555555>\r\n"
                                         "<hr width=50% color=#FFFFFF>\r\n");
    EXPECT_EQ(Rule(page, &BlackWhite(), 1, false),
              "<hr width=50% color=#000000><hr width=50% color=#555555>"
              "<hr width=50% color=#FFFFFF>");
    page.repeat = 1;
    EXPECT_EQ(Rule(page, &BlackWhite()), "<hr width=50% color=#FFFFFF>\r\n");
    page.repeat = 1000;
    EXPECT_EQ(QString::fromStdString(Rule(page, &BlackWhite())).count(QStringLiteral("<hr")), 100);

    // No table, or one that cannot be walked: nothing to write.
    EXPECT_EQ(Rule(page), "");
    GradientTable oneStop;
    const GradientStop stop[] = {{0, 0}};
    oneStop.setStops(stop);
    EXPECT_EQ(Rule(page, &oneStop), "");
}
