// Pages read by a browser as the user meant them: colour names, nesting,
// escaping, forbidden characters and the CSS notations, one case a row.
#include "html/ColorNotation.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "html/PageWrapper.h"

#include "HtmlTestOptions.h"
#include "StyledTextSamples.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

ProgramOptions Css(ProgramOptions options) {
    options.markupstyle = MarkupStyle::Css;
    return options;
}

TEST(BrowserReading, EveryWriterCase) {
    const TColor odd = RgbToColor(0xA0, 0xCE, 0x00);
    ProgramOptions hostile = HtmlOptions(0, false, true);
    hostile.colors.at(140).name = QStringLiteral("white\" onload=\"alert(1)");
    hostile.fonttable = {QStringLiteral("A\"B&C")};
    ProgramOptions raw = HtmlOptions(1);
    raw.rawtext = true;
    CharStyle bold = Style(), italicRed = Style(kRed);
    bold.bold = italicRed.italic = true;
    const auto text = [](const StyledText& t, const ProgramOptions& o) {
        return WriteGradientTextMarkup(t, o);
    };
    const QString controls = QString::fromUtf16(u"a\x01\x7f\x9f\xfeff"
                                                u"b");
    const QString head = QStringLiteral("<FONT FACE=\"ＭＳ Ｐゴシック\" SIZE=3 COLOR=#000000>");
    // clang-format off
    const std::pair<std::function<QString()>, QString> cases[] = {
        {[&] { return WriteColorMarkup(odd, 5, HtmlOptions(0, false, true)); }, "#A0CE00"},
        {[&] { return WriteColorMarkup(odd, 8, HtmlOptions(1, false, true)); }, "<FONT COLOR=\"#A0CE00\">"},
        {[&] { return WrapPage({}, Pages::Text, 0xFFFFFF, hostile).section("\r\n", 2, 2); }, "<body bgcolor=\"#FFFFFF\">"},
        {[&] { return text(Text({{"x", Style()}}), hostile); }, "<font face=\"A&quot;B&amp;C\" size=3 color=#000000>x</font>"},
        {[&] { return WriteColorMarkup(kRed, 2, Css(HtmlOptions(1))); }, "color:#FF0000"},
        {[&] { return WriteColorMarkup(kRed, 9, Css(HtmlOptions(1, false, true))); }, "<SPAN STYLE=\"color:RED\">"},
        {[&] { return text(Text({{"a", bold}, {"b", italicRed}, {"c", bold}}), HtmlOptions(1)); },
         head + "<FONT COLOR=#000000><B>a</B></FONT><FONT COLOR=#FF0000><I>b</I></FONT><FONT COLOR=#000000><B>c</B></FONT></FONT>"},
        {[&] { return text(Text({{"a\r", Style()}, {"\nb", Style(kRed)}}), HtmlOptions(1)); },
         head + "<FONT COLOR=#000000>a</FONT><FONT COLOR=#000000>\r\n</FONT><FONT COLOR=#FF0000>b</FONT></FONT>"},
        {[&] { return text(Text({{"a<img src=x>&", Style()}}), Css(HtmlOptions(0))); },
         "<span style=\"font-family:'ＭＳ Ｐゴシック';font-size:medium;color:#000000\">a&lt;img src=x&gt;&amp;</span>"},
        {[&] { return text(Text({{"<b>", Style()}}), raw); }, head + "<b></FONT>"},
        {[&] { return text(Text({{controls, Style()}}), HtmlOptions(1)); }, head + QChar(u'a') + QChar(0xFEFF) + "b</FONT>"},
    };
    // clang-format on
    for (const auto& [write, expected] : cases)
        EXPECT_EQ(write(), expected);
}

} // namespace
