// The modern writers: a gradient run of the text is found from its colours
// and painted by one linear-gradient that gives each character its colour.
#include "gradient/GradientTable.h"
#include "html/GradientTextCss.h"
#include "html/GradientTextModern.h"
#include "html/PageTraits.h"
#include "html/PageWrapperCss.h"
#include "html/RuleCss.h"
#include "html/RuleMarkup.h"
#include "html/RuleModern.h"
#include "html/TextGradient.h"
#include "html/TextGradientRuns.h"
#include "settings/ProgramOptions.h"

#include "StyledTextSamples.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

GradientTable Table(std::vector<GradientStop> stops) {
    GradientTable table;
    table.setStops(stops);
    return table;
}

// The sRGB colour channel `c` of the stops at `percent`, as a browser mixes it.
double Paint(const std::vector<CssGradientStop>& stops, double percent, int c) {
    const auto channel = [c](TColor color) {
        return double(c == 0 ? ColorRed(color) : c == 1 ? ColorGreen(color) : ColorBlue(color));
    };
    if (percent <= stops.front().percent)
        return channel(stops.front().color);
    for (size_t i = 1; i < stops.size(); ++i)
        if (percent <= stops[i].percent) {
            const double t = (percent - stops[i - 1].percent) /
                             std::max(1e-9, stops[i].percent - stops[i - 1].percent);
            return channel(stops[i - 1].color) +
                   (channel(stops[i].color) - channel(stops[i - 1].color)) * t;
        }
    return channel(stops.back().color);
}

TEST(TextGradientRuns, OneRunWithTheTablesStopsPaintsEveryCharacterInItsColour) {
    const TColor yellow = RgbToColor(255, 255, 0);
    const std::vector<GradientTable> tables{
        Table({{0, kRed}, {300, kBlue}}),
        Table({{0, kRed}, {100, yellow}, {150, RgbToColor(0, 128, 0)}, {300, kBlue}}),
        Table({{0, 0}, {40, RgbToColor(9, 200, 30)}, {44, 0xFFFFFF}, {260, kRed}, {300, 0x404040}}),
    };
    for (const GradientTable& table : tables)
        for (const QString& sample : {QStringLiteral("x"), QStringLiteral("Wあi")})
            for (const int repeat : {30, 400, 2000}) {
                StyledText text = MakeStyledText(sample.repeated(repeat), Style());
                ApplyTextGradient(text, &table, {});
                const std::vector<TextGradientRun> runs =
                    FindTextGradientRuns(text, GradientInterpolation::Srgb);
                SCOPED_TRACE(testing::Message() << table.count << " stops, " << repeat);
                ASSERT_FALSE(runs.empty());
                // A short text may turn two near stops into a jump, which splits the run.
                if (repeat >= 400) {
                    ASSERT_EQ(runs.size(), 1u);
                    EXPECT_EQ(runs[0].first, 0u);
                    EXPECT_EQ(runs[0].end, text.chars.size());
                    EXPECT_LE(runs[0].stops.size(), size_t(table.count) + 2);
                    EXPECT_EQ(runs[0].stops.front().color, table.colors[0]);
                    EXPECT_EQ(runs[0].stops.back().color, table.colors[size_t(table.count) - 1]);
                }
                // Each character's centre shows its colour, within one step of the walk.
                for (const TextGradientRun& run : runs) {
                    std::vector<qsizetype> positions{0};
                    for (size_t k = run.first; k < run.end; ++k)
                        positions.push_back(positions.back() + CharPositions(text.chars[k].ch));
                    for (size_t k = run.first; k < run.end; ++k) {
                        const size_t i = k - run.first;
                        const double centre =
                            50.0 * (positions[i] + positions[i + 1]) / double(positions.back());
                        const TColor have = text.chars[k].style.color;
                        const TColor before = text.chars[k ? k - 1 : k].style.color;
                        const TColor after =
                            text.chars[std::min(k + 1, text.chars.size() - 1)].style.color;
                        for (int c = 0; c < 3; ++c) {
                            const auto ch = [c](TColor x) {
                                return c == 0 ? ColorRed(x) : c == 1 ? ColorGreen(x) : ColorBlue(x);
                            };
                            const double step = std::max(std::abs(ch(have) - ch(before)),
                                                         std::abs(ch(after) - ch(have)));
                            ASSERT_LE(std::abs(Paint(run.stops, centre, c) - ch(have)), 2.5 + step)
                                << "character " << k << " channel " << c;
                        }
                    }
                }
            }
}

TEST(GradientTextModern, ATextWithoutGradientIsTheCssWritersAndAGradientDoesNotGrowPerCharacter) {
    ProgramOptions options;
    LoadDefaultFontTable(options.fonttable);
    options.markupstyle = MarkupStyle::Modern;
    options.htmlcr = false;
    CharStyle bold = Style(kRed);
    bold.bold = true;
    for (const StyledText& text :
         {Text({{"plain", Style(kRed)}}), Text({{"aaaa ", Style(kRed)}, {"bbbb", Style(kBlue)}}),
          Text({{"a", Style(kRed)}, {"b", Style(RgbToColor(128, 0, 128))}, {"c", Style(kBlue)}}),
          Text({{"ab", Style(kRed)}, {"cd", bold}})})
        EXPECT_EQ(WriteGradientTextModern(text, options), WriteGradientTextCss(text, options));

    const GradientTable table = Table({{0, kRed}, {300, kBlue}});
    const auto gradientText = [&](int count) {
        StyledText text = MakeStyledText(QString(count, QLatin1Char('M')), Style());
        text.chars[10].style.bold = true;
        ApplyTextGradient(text, &table, {});
        return text;
    };
    const QString modern = WriteGradientTextModern(gradientText(2000), options);
    EXPECT_TRUE(modern.startsWith(QLatin1String("<style>.vg-"))) << modern.left(900).toStdString();
    EXPECT_TRUE(modern.contains(QLatin1String(
        "{color:#7F007F}@supports (background-clip:text) or (-webkit-background-clip:text){.vg-")));
    EXPECT_TRUE(modern.contains(QLatin1String(
        "{background-image:linear-gradient(to right, #FF0000 0.025%, #0000FF 99.975%)}.vg-")));
    EXPECT_TRUE(modern.contains(
        QLatin1String("{-webkit-background-clip:text;background-clip:text;color:transparent}}")));
    // The bold character is an inner span without a colour of its own.
    EXPECT_TRUE(
        modern.contains(QLatin1String("MMMMMMMMMM<span style=\"font-weight:bold\">M</span>MM")));
    EXPECT_LT(modern.size() * 4, WriteGradientTextCss(gradientText(2000), options).size());
    EXPECT_EQ(WriteGradientTextModern(gradientText(4000), options).size(), modern.size() + 2000);
    // The wrapper takes the style block into the head.
    EXPECT_TRUE(WrapPageCss(modern, Pages::Text, 0xFFFFFF, options)
                    .contains(QLatin1String("}}</style>\r\n</head>")));
}

TEST(RuleModern, AGradientRuleIsOneRuleWithTheTablesGradient) {
    ProgramOptions options;
    options.interpolation = GradientInterpolation::Oklab;
    const GradientTable table = Table({{0, kRed}, {100, 0x00FF00}, {300, kBlue}});
    RulePageModel page;
    page.gradient = true;
    page.pixels = true;
    page.width = 300;
    page.height = 20;
    page.align = RuleAlign::Left;
    EXPECT_EQ(WriteRuleModern(page, &table, options),
              QStringLiteral("<hr style=\"width:300px;height:20px;border:0;margin-left:0;"
                             "margin-right:auto;background-image:linear-gradient(to right in "
                             "oklab, #FF0000 0%, #00FF00 33.333%, #0000FF 100%)\">\r\n"));
    EXPECT_EQ(WriteRuleModern(page, nullptr, options), QString());
    page.gradient = false;
    EXPECT_EQ(WriteRuleModern(page, &table, options), WriteRuleCss(page, &table, options));
}

} // namespace
