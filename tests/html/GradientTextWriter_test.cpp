#include "html/GradientTextFont.h"
#include "html/GradientTextWriter.h"
#include "settings/ProgramOptions.h"

#include "StyledTextSamples.h"

#include <gtest/gtest.h>

namespace {

std::string Write(const StyledText& text, HtmlCase mode = HtmlCase::Upper, bool htmlcr = false) {
    return WriteGradientTextHtml(text, DefaultFontTable(), mode, htmlcr).toStdString();
}

TEST(GradientTextWriter, OneElementWhenNothingVariesOneInnerPerCharacterWhenColourDoes) {
    EXPECT_EQ(Write(Text({{"a", Style(kRed)}, {"b", Style(kBlue)}})),
              "<FONT FACE=\"ＭＳ Ｐゴシック,Osaka\" SIZE=3 COLOR=#FF0000><FONT COLOR=#FF0000>a"
              "</FONT><FONT COLOR=#0000FF>b</FONT></FONT>");
    EXPECT_EQ(Write(Text({{"ab", Style(kRed)}})),
              "<FONT FACE=\"ＭＳ Ｐゴシック,Osaka\" SIZE=3 COLOR=#FF0000>ab</FONT>");
    // Markup characters are escaped, line breaks pass as they are.
    EXPECT_EQ(
        Write(Text({{"<a>&\r\nx\n", Style()}})),
        "<FONT FACE=\"ＭＳ Ｐゴシック,Osaka\" SIZE=3 COLOR=#000000>&lt;a&gt;&amp;\r\nx\n</FONT>");
    EXPECT_EQ(Write(StyledText{}), "");
}

TEST(GradientTextWriter, StylesThatDoNotVaryOpenOnceStylesThatVaryAroundEachCharacter) {
    CharStyle all = Style();
    all.bold = all.italic = all.underline = true;
    CharStyle blue = all;
    blue.color = kBlue;
    EXPECT_EQ(
        Write(Text({{"a", all}, {"b", blue}}), HtmlCase::Lower),
        "<font face=\"ＭＳ Ｐゴシック,Osaka\" size=3 color=#000000><font color=#000000>"
        "<b><i><u>a</u></i></b></font><font color=#0000FF><b><i><u>b</u></i></b></font></font>");

    CharStyle bold = Style();
    bold.bold = true;
    CharStyle boldUnderline = bold;
    boldUnderline.underline = true;
    EXPECT_EQ(Write(Text({{"a", Style()}, {"bc", bold}, {"d", boldUnderline}, {"e", Style()}})),
              "<FONT FACE=\"ＭＳ Ｐゴシック,Osaka\" SIZE=3 COLOR=#000000>a<B>b</B><B>c</B><B><U>d"
              "</U></B>e</FONT>");
}

TEST(GradientTextWriter, SizesFacesAndTheFontTable) {
    EXPECT_EQ(FontSizeToHtml(8), "1");
    EXPECT_EQ(FontSizeToHtml(9), "2");
    EXPECT_EQ(FontSizeToHtml(11), "3");
    EXPECT_EQ(FontSizeToHtml(40), "7");
    EXPECT_EQ(PointsOfFontSizeItem(0), 11);
    EXPECT_EQ(PointsOfFontSizeItem(7), 36);
    EXPECT_EQ(FontSizeItemOfPoints(14), 4);
    EXPECT_EQ(FontSizeItemOfPoints(11), 0);

    CharStyle nine = Style();
    nine.points = 9;
    CharStyle forty = Style();
    forty.points = 40;
    forty.fontName = QStringLiteral("Arial");
    CharStyle unknown = Style();
    unknown.fontName = QStringLiteral("Nowhere Sans");
    EXPECT_EQ(Write(Text({{"x", nine}, {"y", forty}, {"z", unknown}})),
              "<FONT FACE=\"ＭＳ Ｐゴシック,Osaka\" SIZE=2 COLOR=#000000>"
              "<FONT FACE=\"ＭＳ Ｐゴシック,Osaka\" SIZE=2>x</FONT>"
              "<FONT FACE=\"Arial,Helvetica\" SIZE=7>y</FONT>"
              "<FONT FACE=\"ＭＳ Ｐゴシック,Osaka\" SIZE=3>z</FONT></FONT>");
    // Without a font table a face is the font's own name.
    EXPECT_EQ(WriteGradientTextHtml(Text({{"x", forty}}), QStringList(), HtmlCase::Lower, false)
                  .toStdString(),
              "<font face=\"Arial\" size=7 color=#000000>x</font>");
}

TEST(GradientTextWriter, LineBreaksCaseAndNamesFollowTheOptions) {
    ProgramOptions options;
    LoadDefaultFontTable(options.fonttable);
    LoadDefaultNamedColors(options.colors);
    options.colorconst = true; // never names in this output
    const StyledText text = Text({{"日本", Style(kRed)}, {"ｶﾅ", Style(kBlue)}});
    options.htmlcase = HtmlCase::Capital;
    EXPECT_EQ(WriteGradientTextHtml(text, options).toStdString(),
              "<Font\r\n Face=\"ＭＳ Ｐゴシック,Osaka\" Size=3 Color=#FF0000>"
              "<Font\r\n Color=#FF0000>日</Font><Font\r\n Color=#FF0000>本</Font>"
              "<Font\r\n Color=#0000FF>ｶ</Font><Font\r\n Color=#0000FF>ﾅ</Font></Font>");
    options.htmlcr = false;
    options.htmlcase = HtmlCase::Lower;
    CharStyle bold = Style(kRed);
    bold.bold = true;
    EXPECT_EQ(WriteGradientTextHtml(Text({{"日ｶ", bold}}), options).toStdString(),
              "<font face=\"ＭＳ Ｐゴシック,Osaka\" size=3 color=#FF0000><b>日ｶ</b></font>");
    options.htmlcase = HtmlCase::Upper;
    EXPECT_EQ(WriteGradientTextHtml(Text({{"日ｶ", bold}}), options).toStdString(),
              "<FONT FACE=\"ＭＳ Ｐゴシック,Osaka\" SIZE=3 COLOR=#FF0000><B>日ｶ</B></FONT>");
}

TEST(GradientTextWriter, ProgressCanStopIt) {
    int calls = 0;
    const QString html =
        WriteGradientTextHtml(Text({{"abc", Style()}}), DefaultFontTable(), HtmlCase::Lower, true,
                              [&](qint64, qint64) { return ++calls < 2; });
    EXPECT_TRUE(html.isEmpty());
    EXPECT_EQ(calls, 2);
}

TEST(GradientTextFont, FindFontEntryPrefersTheEntryThatBeginsWithTheName) {
    const QStringList table = DefaultFontTable();
    EXPECT_EQ(FindFontEntry(table, QStringLiteral("ＭＳ Ｐ明朝")), 1);
    EXPECT_EQ(FindFontEntry(table, QStringLiteral("Arial")), 2);
    EXPECT_EQ(FindFontEntry(table, QStringLiteral("Helvetica")), 2);
    EXPECT_EQ(FindFontEntry(table, QStringLiteral("Times")), 3);
    EXPECT_EQ(FindFontEntry(table, QStringLiteral("arial")), 0);
    EXPECT_EQ(FindFontEntry(table, QStringLiteral("Wingdings")), 0);
    EXPECT_EQ(FindFontEntry({QStringLiteral("X,Arial"), QStringLiteral("Arial Black")},
                            QStringLiteral("Arial")),
              1);

    EXPECT_EQ(FontNameOfEntry(QStringLiteral("Arial,Helvetica")), "Arial");
    EXPECT_EQ(FontNameOfEntry(QStringLiteral("ＭＳ Ｐ明朝,平成明朝")), "ＭＳ Ｐ明朝");
    EXPECT_TRUE(FontNameOfEntry(QStringLiteral(",Osaka")).isEmpty());
    EXPECT_EQ(FontCharSet(QStringLiteral("Arial")), kDefaultCharSet);
    EXPECT_EQ(FontCharSet(QStringLiteral("ＭＳ Ｐ明朝")), kShiftJisCharSet);
    EXPECT_EQ(FontCharSet(QStringLiteral("ｱｲ")), kDefaultCharSet);
    EXPECT_EQ(FontCharSet(QStringLiteral("Font\U0001F600")), kShiftJisCharSet);
}

} // namespace
