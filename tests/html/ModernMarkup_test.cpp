// The modern writers: a gradient run of the text is found from its colours
// and painted by one linear-gradient that gives each character its colour.
#include "gradient/GradientTable.h"
#include "html/GradientTextCss.h"
#include "html/GradientTextModern.h"
#include "html/RuleCss.h"
#include "html/RuleMarkup.h"
#include "html/RuleModern.h"
#include "html/TextGradientRuns.h"
#include "settings/ProgramOptions.h"

#include "StyledTextSamples.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

GradientTable Table(std::vector<GradientStop> stops) {
    GradientTable table;
    return table.setStops(stops), table;
}

int Channel(TColor color, int c) {
    return c == 0 ? ColorRed(color) : c == 1 ? ColorGreen(color) : ColorBlue(color);
}

// Channel `c` of the stops at `percent`, as a browser mixes sRGB.
double Paint(const std::vector<CssGradientStop>& stops, double percent, int c) {
    size_t i = 0;
    while (i < stops.size() && stops[i].percent < percent)
        ++i;
    if (i == 0 || i == stops.size())
        return Channel(stops[i ? i - 1 : 0].color, c);
    const double t = (percent - stops[i - 1].percent) / (stops[i].percent - stops[i - 1].percent);
    return Channel(stops[i - 1].color, c) * (1 - t) + Channel(stops[i].color, c) * t;
}

TEST(TextGradientRuns, OneRunWithTheTablesStopsPaintsEveryCharacterInItsColour) {
    const std::vector<GradientTable> tables{
        Table({{0, kRed}, {300, kBlue}}),
        Table({{0, kRed}, {100, 0x00FFFF}, {150, RgbToColor(0, 128, 0)}, {300, kBlue}}),
        Table(
            {{0, 0}, {40, RgbToColor(9, 200, 30)}, {44, 0xFFFFFF}, {260, kRed}, {300, 0x404040}})};
    for (const GradientTable& table : tables)
        for (const QString& sample : {QStringLiteral("x"), QStringLiteral("Wあi")})
            for (const int repeat : {30, 400, 2000}) {
                StyledText text = MakeStyledText(sample.repeated(repeat), Style());
                ApplyTextGradient(text, &table, {});
                const auto runs = FindTextGradientRuns(text, GradientInterpolation::Srgb);
                SCOPED_TRACE(testing::Message() << table.count << " stops, " << repeat);
                ASSERT_FALSE(runs.empty());
                // A short text may turn two near stops into a jump, which splits the run.
                if (repeat >= 400) {
                    ASSERT_EQ(runs.size(), 1u);
                    EXPECT_EQ(runs[0].end - runs[0].first, text.chars.size());
                    EXPECT_LE(runs[0].stops.size(), size_t(table.count) + 2);
                    EXPECT_EQ(runs[0].stops.back().color, table.colors[size_t(table.count) - 1]);
                }
                // Each character's centre shows its colour, within one step of the walk.
                for (const TextGradientRun& run : runs) {
                    qsizetype done = 0, length = 0;
                    for (size_t k = run.first; k < run.end; ++k)
                        length += CharPositions(text.chars[k].ch);
                    for (size_t k = run.first; k < run.end;
                         done += CharPositions(text.chars[k++].ch)) {
                        const double centre =
                            100.0 * (done + CharPositions(text.chars[k].ch) / 2.0) / length;
                        const TColor have = text.chars[k].style.color;
                        const TColor next = text.chars[std::min(k + 1, run.end - 1)].style.color;
                        const TColor last = text.chars[k ? k - 1 : k].style.color;
                        for (int c = 0; c < 3; ++c)
                            ASSERT_LE(std::abs(Paint(run.stops, centre, c) - Channel(have, c)),
                                      2.5 + std::max(std::abs(Channel(next, c) - Channel(have, c)),
                                                     std::abs(Channel(have, c) - Channel(last, c))))
                                << "character " << k << " channel " << c;
                    }
                }
            }
}

TEST(GradientTextModern, ATextWithoutGradientIsTheCssWritersAndAGradientDoesNotGrowPerCharacter) {
    ProgramOptions options;
    LoadDefaultFontTable(options.fonttable);
    options.htmlcr = false;
    const TColor purple = RgbToColor(128, 0, 128);
    for (const StyledText& text :
         {Text({{"plain", Style(kRed)}}), Text({{"aaaa ", Style(kRed)}, {"bbbb", Style(kBlue)}}),
          Text({{"a", Style(kRed)}, {"b", Style(purple)}, {"c", Style(kBlue)}})})
        EXPECT_EQ(WriteGradientTextModern(text, options), WriteGradientTextCss(text, options));

    const GradientTable table = Table({{0, kRed}, {300, kBlue}});
    const auto gradientText = [&](int count) {
        StyledText text = MakeStyledText(QString(count, QLatin1Char('M')), Style());
        text.chars[10].style.bold = true;
        ApplyTextGradient(text, &table, {});
        return text;
    };
    const QString modern = WriteGradientTextModern(gradientText(2000), options);
    for (const char* piece :
         {"{color:#7F007F}@supports (background-clip:text) or (-webkit-background-clip:text){.vg-",
          "{background-image:linear-gradient(to right, #FF0000 0.025%, #0000FF 99.975%)}.vg-",
          "{-webkit-background-clip:text;background-clip:text;color:transparent}}</style>",
          // The bold character is an inner span without a colour of its own.
          "MMMMMMMMMM<span style=\"font-weight:bold\">M</span>MM"})
        EXPECT_TRUE(modern.contains(QLatin1String(piece))) << piece;
    EXPECT_TRUE(modern.startsWith(QLatin1String("<style>.vg-")));
    EXPECT_LT(modern.size() * 4, WriteGradientTextCss(gradientText(2000), options).size());
    EXPECT_EQ(WriteGradientTextModern(gradientText(4000), options).size(), modern.size() + 2000);
}

TEST(RuleModern, AGradientRuleIsOneRuleWithTheTablesGradientInTheChosenSpace) {
    ProgramOptions options;
    options.interpolation = GradientInterpolation::Oklab;
    const GradientTable table = Table({{0, kRed}, {100, 0x00FF00}, {300, kBlue}});
    RulePageModel page;
    EXPECT_EQ(WriteRuleModern(page, &table, options), WriteRuleCss(page, &table, options));
    page.gradient = true;
    EXPECT_EQ(WriteRuleModern(page, &table, options),
              QStringLiteral("<hr style=\"height:2px;border:0;background-image:linear-gradient(to "
                             "right in oklab, #FF0000 0%, #00FF00 33.333%, #0000FF 100%)\">\r\n"));
}

} // namespace
