#include "gradient/GradientTableList.h"
#include "html/BodyCss.h"
#include "html/BodyModel.h"
#include "html/CellColors.h"
#include "html/GradientTextCss.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "html/PageWrapperCss.h"
#include "html/RuleCss.h"
#include "html/RuleMarkup.h"
#include "html/TableCss.h"
#include "html/TableMarkup.h"
#include "settings/ProgramOptions.h"

#include "StyledTextSamples.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

ProgramOptions Options(int htmlcase = 0, bool htmlcr = false, bool colorconst = false) {
    ProgramOptions options;
    LoadDefaultFontTable(options.fonttable);
    LoadDefaultNamedColors(options.colors);
    options.htmlcase = HtmlCase(htmlcase);
    options.htmlcr = htmlcr;
    options.colorconst = colorconst;
    options.markupstyle = MarkupStyle::Css;
    return options;
}

std::string TextCss(const StyledText& text, int htmlcase = 0, bool htmlcr = false) {
    return WriteGradientTextCss(text, Options(htmlcase, htmlcr)).toStdString();
}

const char* const kOuter =
    "<span style=\"font-family:'ＭＳ Ｐゴシック','Osaka';font-size:medium;color:";

TEST(GradientTextCss, OneSpanWhenNothingVariesAndOneInnerSpanPerRunOfWhatVaries) {
    EXPECT_EQ(TextCss(Text({{"ab", Style(kRed)}})), std::string(kOuter) + "#FF0000\">ab</span>");
    // Runs of one colour share a span; a blank goes with the run before it.
    EXPECT_EQ(TextCss(Text({{"ab ", Style(kRed)}, {"c", Style(kBlue)}})),
              std::string(kOuter) + "#FF0000\"><span style=\"color:#FF0000\">ab </span>"
                                    "<span style=\"color:#0000FF\">c</span></span>");
    // Leading blanks go with the first run that shows.
    EXPECT_EQ(TextCss(Text({{" ", Style(kBlue)}, {"x", Style(kRed)}})),
              std::string(kOuter) + "#0000FF\"><span style=\"color:#FF0000\"> x</span></span>");
    EXPECT_EQ(TextCss(StyledText{}), "");

    // Upper case names the tag and attribute, never the CSS; the line break
    // follows the tag name as it does after FONT.
    CharStyle big = Style(kRed);
    big.points = 40;
    big.fontName = QStringLiteral("Arial");
    EXPECT_EQ(TextCss(Text({{"a", Style(kRed)}, {"b", big}}), 1, true),
              "<SPAN\r\n STYLE=\"font-family:'ＭＳ Ｐゴシック','Osaka';font-size:medium;"
              "color:#FF0000\"><SPAN\r\n STYLE=\"font-family:'ＭＳ Ｐゴシック','Osaka';"
              "font-size:medium\">a</SPAN><SPAN\r\n STYLE=\"font-family:'Arial','Helvetica';"
              "font-size:xxx-large\">b</SPAN></SPAN>");
}

TEST(GradientTextCss, StylesThatDoNotVaryAreSetOnceStylesThatVaryPerRun) {
    CharStyle all = Style();
    all.bold = all.italic = all.underline = true;
    EXPECT_EQ(TextCss(Text({{"ab", all}})),
              std::string(kOuter) +
                  "#000000;font-weight:bold;font-style:italic;text-decoration:underline\">ab"
                  "</span>");
    CharStyle bold = Style();
    bold.bold = true;
    CharStyle boldItalic = bold;
    boldItalic.italic = true;
    // Plain characters between styled runs stay bare.
    EXPECT_EQ(TextCss(Text({{"a", Style()}, {"bc", bold}, {"d", boldItalic}, {"e", Style()}})),
              std::string(kOuter) +
                  "#000000\">a<span style=\"font-weight:bold\">bc</span>"
                  "<span style=\"font-weight:bold;font-style:italic\">d</span>e</span>");
    // An underlined blank keeps its own colour: its underline shows it.
    CharStyle under = Style(kBlue);
    under.underline = true;
    EXPECT_EQ(TextCss(Text({{"a", Style(kRed)}, {" ", under}})),
              std::string(kOuter) +
                  "#FF0000\"><span style=\"color:#FF0000\">a</span>"
                  "<span style=\"color:#0000FF;text-decoration:underline\"> </span></span>");
}

TEST(GradientTextCss, FontFamiliesAreQuotedAndEscapedGenericFamiliesStayBare) {
    ProgramOptions options = Options();
    options.fonttable = {QStringLiteral("O'Neil \"Sans\", ,a\\b<c&d,sans-serif")};
    CharStyle style = Style();
    style.fontName = QStringLiteral("O'Neil \"Sans\"");
    EXPECT_EQ(
        WriteGradientTextCss(MakeStyledText(QStringLiteral("x"), style), options).toStdString(),
        "<span style=\"font-family:'O\\'Neil &quot;Sans&quot;','a\\\\b&lt;c&amp;d',"
        "sans-serif;font-size:medium;color:#000000\">x</span>");
}

TEST(TableCss, CellColoursInStylesAndTheBorderOfABorderedTable) {
    auto cells = std::make_unique<CellColors>();
    cells->setColor(CellTarget::Background, {0, 0}, kRed);
    cells->setColor(CellTarget::Text, {0, 0}, kBlue);
    cells->setColor(CellTarget::Text, {1, 0}, 0);
    TablePageModel page;
    page.rows = 1;
    page.columns = 3;
    EXPECT_EQ(WriteGradientTableCss(page, *cells, Options(1)).toStdString(),
              "<TABLE><TR><TD STYLE=\"background-color:#FF0000;color:#0000FF\">★</TD>"
              "<TD STYLE=\"color:#000000\">★</TD><TD>★</TD></TR></TABLE>");

    page.columns = 1;
    page.background = {true, 0xFFFFFF};
    page.border = {true, 0};
    EXPECT_EQ(WriteGradientTableCss(page, *cells, Options(0, true)).toStdString(),
              "<table style=\"background-color:#FFFFFF;border:1px solid;border-color:#000000;"
              "border-spacing:3px\">\r\n<tr>\r\n<td style=\"background-color:#FF0000;"
              "color:#0000FF;border:1px solid;border-color:#000000;padding:3px\">★</td>"
              "</tr>\r\n</table>\r\n");

    // Light and dark sides; a side without a colour is gray.
    page.background.on = false;
    page.border.on = false;
    page.borderLight = {true, kRed};
    cells->clear();
    EXPECT_EQ(WriteGradientTableCss(page, *cells, Options(2)).toStdString(),
              "<Table Style=\"border:1px outset;border-color:#FF0000 gray gray #FF0000;"
              "border-spacing:3px\"><Tr><Td Style=\"border:1px inset;"
              "border-color:gray #FF0000 #FF0000 gray;padding:3px\">★</Td></Tr></Table>");
}

BodyModel Preset0() {
    BodyModel page;
    page.colors = {0xFFFFFF, 0, RgbToColor(0, 0, 255), RgbToColor(255, 0, 0),
                   RgbToColor(0, 0, 0x88)};
    return page;
}

TEST(BodyCss, StyleBlockAndBareBodyTagInTheCaseAndNamesOfTheBodyTag) {
    const BodyModel page = Preset0();
    EXPECT_EQ(WriteBodyCss(page, Options(1)).toStdString(),
              "<STYLE>\r\n"
              "body { color:#000000; background-color:#FFFFFF }\r\n"
              "a:link { color:#0000FF }\r\n"
              "a:visited { color:#FF0000 }\r\n"
              "a:active { color:#000088 }\r\n"
              "</STYLE>\r\n<BODY>\r\n");

    BodyModel named = page;
    named.preferNames = true;
    // The odd built-in row names #A0CE00 "aliceblue", which browsers draw
    // as #F0F8FF: the colour keeps its hex text.
    named.setColor(BodyRole::VLink, RgbToColor(0xA0, 0xCE, 0x00));
    named.backgroundPicturePath = QStringLiteral("C:\\Web\\img\\a\"b<c>.gif");
    EXPECT_EQ(WriteBodyCss(named, Options(2)).toStdString(),
              "<Style>\r\n"
              "body { color:Black; background-color:White; "
              "background-image:url(\"file:///C:/Web/img/a%22b%3Cc%3E.gif\") }\r\n"
              "a:link { color:Blue }\r\n"
              "a:visited { color:#a0ce00 }\r\n"
              "a:active { color:#000088 }\r\n"
              "</Style>\r\n<Body>\r\n");
}

std::string RuleCss(const RulePageModel& page, const GradientTable* gradient = nullptr) {
    return WriteRuleCss(page, gradient, Options(1, true, true)).toStdString();
}

TEST(RuleCss, StylesDrawWhatTheAttributesDraw) {
    RulePageModel page;
    EXPECT_EQ(RuleCss(page), "<hr>\r\n");
    page.width = 80;
    EXPECT_EQ(RuleCss(page), "<hr style=\"width:80%\">\r\n");
    page.width = 50;
    page.pixels = true;
    page.height = 5;
    page.align = RuleAlign::Left;
    page.noshade = true;
    page.colorOn = true;
    page.color = kRed;
    EXPECT_EQ(RuleCss(page), "<hr style=\"width:50px;height:3px;border:1px solid #FF0000;"
                             "background-color:#FF0000;margin-left:0;margin-right:auto\">\r\n");
    page = {};
    page.noshade = true;
    page.height = 1;
    page.align = RuleAlign::Right;
    EXPECT_EQ(RuleCss(page), "<hr style=\"border:1px solid gray;border-bottom-width:0;"
                             "background-color:gray;margin-left:auto;margin-right:0\">\r\n");

    // The stack takes the attribute writer's colours: black, 555555, white.
    page = {};
    page.gradient = true;
    page.repeat = 3;
    const GradientTable& blackWhite = DefaultGradientTables()[size_t(2)];
    EXPECT_EQ(RuleCss(page, &blackWhite),
              "<hr style=\"border:1px solid #000000;background-color:#000000\">\r\n"
              "<hr style=\"border:1px solid #555555;background-color:#555555\">\r\n"
              "<hr style=\"border:1px solid #FFFFFF;background-color:#FFFFFF\">\r\n");
    EXPECT_EQ(RuleCss(page, nullptr), "");
}

TEST(PageWrapperCss, Html5PageWithTheBackgroundInTheBodyStyleAndTheBodyStyleBlockInTheHead) {
    const std::string head = "<!DOCTYPE html>\r\n<html lang=\"ja\">\r\n<head>\r\n"
                             "<meta charset=\"utf-8\">\r\n<title>Vellomar Preview</title>\r\n";
    EXPECT_EQ(WrapPageCss(QStringLiteral("<hr>\r\n"), Pages::Rule, RgbToColor(0, 128, 0),
                          Options(1, true, true))
                  .toStdString(),
              head + "</head>\r\n\r\n<body style=\"background-color:GREEN\">\r\n\r\n"
                     "<hr>\r\n\r\n</body>\r\n</html>\r\n");
    const QString body = WriteBodyCss(Preset0(), Options());
    EXPECT_EQ(WrapPageCss(body, Pages::Body, 0, Options()).toStdString(),
              head + "<style>\r\nbody { color:#000000; background-color:#ffffff }\r\n"
                     "a:link { color:#0000ff }\r\na:visited { color:#ff0000 }\r\n"
                     "a:active { color:#000088 }\r\n</style>\r\n</head>\r\n\r\n"
                     "<body>\r\n\r\n</body>\r\n</html>\r\n");
}

TEST(PageMarkup, TheMarkupStyleOptionPicksTheWriter) {
    ProgramOptions options = Options(0, false);
    const StyledText text = Text({{"a", Style()}});
    auto cells = std::make_unique<CellColors>();
    TablePageModel table;
    table.rows = table.columns = 1;
    cells->setColor(CellTarget::Background, {0, 0}, kRed);
    EXPECT_TRUE(WriteGradientTextMarkup(text, options).startsWith(QLatin1String("<span")));
    EXPECT_EQ(
        WriteTableMarkup(table, *cells, options),
        QStringLiteral("<table><tr><td style=\"background-color:#FF0000\">★</td></tr></table>"));
    EXPECT_TRUE(WriteBodyMarkup(Preset0(), options).startsWith(QLatin1String("<style>")));
    EXPECT_TRUE(SavedFileText(QString(), Pages::Rule, 0, options)
                    .startsWith(QLatin1String("<!DOCTYPE html>")));
    options.markupstyle = MarkupStyle::Classic;
    EXPECT_TRUE(WriteGradientTextMarkup(text, options).startsWith(QLatin1String("<font")));
    EXPECT_EQ(WriteTableMarkup(table, *cells, options),
              QStringLiteral("<table><tr><td bgcolor=\"#FF0000\">★</td></tr></table>"));
    EXPECT_TRUE(WriteBodyMarkup(Preset0(), options).startsWith(QLatin1String("<body ")));
    EXPECT_TRUE(SavedFileText(QString(), Pages::Rule, 0, options)
                    .startsWith(QLatin1String("<html><head>")));
    // The colour page writes the notation the user picked in either style.
    EXPECT_EQ(WriteColorMarkup(kRed, 3, options), QStringLiteral("<font color=\"#FF0000\">"));
    options.markupstyle = MarkupStyle::Css;
    EXPECT_EQ(WriteColorMarkup(kRed, 3, options), QStringLiteral("<span style=\"color:#FF0000\">"));
}

} // namespace
