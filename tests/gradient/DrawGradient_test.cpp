#include "gradient/DrawGradient.h"
#include "gradient/GradientTableList.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
constexpr TColor kGreen = 0x00FF00;

std::vector<TColor> Draw(std::vector<GradientStop> stops, int width = 300,
                         TColor background = kWhite) {
    std::vector<TColor> columns(size_t(width), background);
    DrawGradient(stops, columns);
    return columns;
}

QString Hex(TColor color) {
    return ColorToHtml(color).mid(1);
}

} // namespace

TEST(DrawGradient, BlackToWhiteAddsTheSinglePrecisionStep) {
    // 0.85 added x times and truncated: 0.85 -> 0, 1.7 -> 1, and after 299
    // additions the float sum stays just below 255.
    auto columns = Draw({{0, kBlack}, {300, kWhite}});
    EXPECT_EQ(Hex(columns[0]), "000000");
    EXPECT_EQ(Hex(columns[1]), "000000");
    EXPECT_EQ(Hex(columns[2]), "010101");
    EXPECT_EQ(Hex(columns[299]), "FEFEFE");
    // Column 300 is clipped from a 300-column bar but painted in a wider one.
    columns = Draw({{0, kBlack}, {300, kWhite}}, 302, kGreen);
    EXPECT_EQ(columns[300], kWhite);
    EXPECT_EQ(columns[301], kGreen);
}

TEST(DrawGradient, DefaultTablesMatchAnIndependentModel) {
    // Columns computed by a separate script that rounds every sum and step
    // to binary32 (struct pack/unpack in Python) and follows the segments
    // stop by stop.
    const std::map<int, const char*> spectrum = {
        {0, "FF0000"},   {1, "FF0005"},   {2, "FF000A"},   {47, "FF00F9"},  {48, "FF00FF"},
        {49, "FA00FF"},  {102, "0400FF"}, {103, "0000FF"}, {147, "00E9FF"}, {148, "00EFFF"},
        {150, "00F9FF"}, {151, "00FFFF"}, {154, "00FFF0"}, {155, "00FFEB"}, {195, "00FF27"},
        {196, "00FF22"}, {252, "F9FF00"}, {253, "FFFF00"}, {299, "FB6403"}};
    const auto spectrumColumns = Draw(DefaultGradientTables()[0].stops());
    for (const auto& [x, hex] : spectrum)
        EXPECT_EQ(Hex(spectrumColumns[size_t(x)]), hex) << "spectrum column " << x;
}

TEST(DrawGradient, StopsInAnyOrderDrawAsSorted) {
    const std::vector<GradientStop> sorted = {
        {0, kRed}, {100, kGreen}, {180, kBlue}, {250, kBlack}, {300, kWhite}};
    const std::vector<GradientStop> shuffled = {
        {250, kBlack}, {0, kRed}, {300, kWhite}, {180, kBlue}, {100, kGreen}};
    EXPECT_EQ(Draw(shuffled), Draw(sorted));
}

TEST(DrawGradient, EqualPositionsFollowTheCombSortOrder) {
    // Two stops at 100: the later one in sorted order starts the segment
    // that paints column 100 last.
    auto columns = Draw({{0, kBlack}, {100, kRed}, {100, kBlue}, {300, kWhite}});
    EXPECT_EQ(columns[100], kBlue);
    EXPECT_EQ(columns[101], Draw({{100, kBlue}, {300, kWhite}})[101]);

    // Given as (200, 100a, 100b), the first pass (gap 2) exchanges the outer
    // pair, so 100b comes before 100a and 100a's segment paints column 100.
    // A stable sort would leave 100b there instead.
    columns = Draw({{200, kWhite}, {100, kRed}, {100, kBlue}});
    EXPECT_EQ(columns[100], kRed);
    std::vector<GradientStop> stops = {{200, kWhite}, {100, kRed}, {100, kBlue}};
    SortGradientStops(stops);
    EXPECT_EQ(stops, (std::vector<GradientStop>{{100, kBlue}, {100, kRed}, {200, kWhite}}));
}

TEST(DrawGradient, InnerStopColumnShowsThatStop) {
    const auto columns = Draw({{0, kBlack}, {150, kRed}, {300, kBlack}});
    EXPECT_EQ(columns[150], kRed);
    EXPECT_NE(columns[149], kRed);
}

TEST(DrawGradient, ColumnsOutsideTheStopsKeepTheirContent) {
    const auto columns = Draw({{50, kBlack}, {120, kWhite}}, 300, kGreen);
    for (int x = 0; x < 50; ++x)
        ASSERT_EQ(columns[size_t(x)], kGreen) << x;
    EXPECT_EQ(columns[50], kBlack);
    EXPECT_NE(columns[120], kGreen) << "the last stop's own column is painted";
    for (int x = 121; x < 300; ++x)
        ASSERT_EQ(columns[size_t(x)], kGreen) << x;
}

TEST(DrawGradient, FewerThanTwoStopsPaintNothing) {
    EXPECT_EQ(Draw({}, 300, kGreen), std::vector<TColor>(300, kGreen));
    EXPECT_EQ(Draw({{10, kRed}}, 300, kGreen), std::vector<TColor>(300, kGreen));
}

TEST(DrawGradient, StopsFarOutsideTheBarStayCheapAndExact) {
    // From -600 the segment is counted through 600 hidden columns first;
    // values from the same independent model as above.
    const auto columns = Draw({{-600, kBlack}, {300, kWhite}});
    EXPECT_EQ(Hex(columns[0]), "AAAAAA");
    EXPECT_EQ(Hex(columns[150]), "D4D4D4");
    EXPECT_EQ(Hex(columns[299]), "FEFEFE");
    // Extreme positions from a damaged store must neither hang nor overflow.
    // The step 255 / (2^32 - 1) stops changing the sum once it reaches 1.0,
    // where it is below half a unit in the last place.
    const auto extreme = Draw({{INT_MIN, kBlack}, {INT_MAX, kWhite}, {INT_MAX, kRed}});
    EXPECT_EQ(Hex(extreme[0]), "010101");
    EXPECT_EQ(Hex(extreme[299]), "010101");
}
