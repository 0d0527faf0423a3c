#include "colorspace/ColorSpaces.h"
#include "core/CssColorText.h"
#include "gradient/DrawGradient.h"
#include "gradient/GradientTableList.h"
#include "gradient/GradientWalk.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace {

GradientTable Table(std::vector<GradientStop> stops) {
    GradientTable table;
    table.setStops(stops);
    return table;
}

QString Walk(const GradientTable& table, int n, int first = 0, int count = -1,
             GradientInterpolation space = GradientInterpolation::Srgb) {
    QStringList out;
    for (TColor color : GradientWalkColors(table, n, first, count < 0 ? n : count, space))
        out << ColorToHtml(color).mid(1);
    return out.join(QLatin1Char(' '));
}

const GradientTable kRedBlue = Table({{0, 0x0000FF}, {300, 0xFF0000}});

} // namespace

TEST(GradientWalk, RedToBlueOverFourItems) {
    // Steps -63.75 and +63.75; the walk stops short of blue.
    EXPECT_EQ(Walk(kRedBlue, 4), "FF0000 BF003F 7F007F 3F00BF");
    // From item 1 the first segment starts one item later.
    EXPECT_EQ(Walk(kRedBlue, 4, 1, 3), "FF0000 BF003F 7F007F");
}

TEST(GradientWalk, SingleItemGetsTheFirstStop) {
    for (const GradientTable& table : DefaultGradientTables())
        EXPECT_EQ(Walk(table, 1), ColorToHtml(table.colors[0]).mid(1)) << table.name.toStdString();
}

TEST(GradientWalk, ItemsBeforeTheFirstBreakpointAreBlack) {
    // b = (2, 4): items 0 and 1 come before the first stop.
    const GradientTable table = Table({{150, 0x0000FF}, {300, 0xFF0000}});
    EXPECT_EQ(Walk(table, 4), "000000 000000 FF0000 7F007F");
}

TEST(GradientWalk, CoincidingBreakpointsStartOneSegmentPerItem) {
    // The spectrum over 3 items has breakpoints 0,0,1,1,2,2,3: each item
    // starts only the next segment, so the walk lags behind the axis.
    EXPECT_EQ(Walk(DefaultGradientTables()[0], 3), "FF0000 FF00FF 0000FF");
    // Stops at 0, 0 and 300 over 2 items: item 0 starts the zero-length
    // segment, item 1 the real one.
    const GradientTable doubled = Table({{0, 0x000000}, {0, 0x0000FF}, {300, 0xFFFFFF}});
    EXPECT_EQ(Walk(doubled, 2), "000000 FF0000");
}

TEST(GradientWalk, MalformedTablesStayInsideTheirStops) {
    EXPECT_EQ(Walk(GradientTable{}, 3), "000000 000000 000000");
    EXPECT_EQ(Walk(Table({{0, 0x00FF00}}), 3), "00FF00 00FF00 00FF00");
    // The last stop short of 300: past it the walk keeps its colour.
    const GradientTable shortTable = Table({{0, 0x000000}, {150, 0xFFFFFF}});
    EXPECT_EQ(Walk(shortTable, 4), "000000 7F7F7F FFFFFF FFFFFF");
    // Items past N on a well-formed table hold the last stop's colour.
    EXPECT_EQ(Walk(kRedBlue, 2, 0, 4), "FF0000 7F007F 0000FF 0000FF");
    // A count above ten reads only the ten slots.
    GradientTable damaged = Table({{0, 0}, {300, 0xFFFFFF}});
    damaged.count = 1000;
    EXPECT_EQ(GradientWalkColors(damaged, 5, 0, 5).size(), 5u);
}

TEST(GradientWalk, DefaultTablesMatchAnIndependentModel) {
    // Computed by a separate Python script: breakpoints p * N // 300, and
    // every step and sum rounded to binary32 with struct pack/unpack (one
    // double operation on binary32 inputs, then one rounding, gives the
    // correctly rounded binary32 result), clamped, truncated.
    struct Row {
        int n;
        int table;
        const char* colors;
    };
    const Row rows[] = {
        {3, 0, "FF0000 FF00FF 0000FF"},
        {3, 1, "FF0000 FFFF00 008000"},
        {3, 2, "000000 555555 AAAAAA"},
        {3, 3, "FFFFFF AAAAAA 555555"},
        {3, 4, "800040 008000 7F8020"},
        {3, 5, "FFFF00 800080 FF8000"},
        {3, 6, "0080C0 FFFFFF 7E6801"},
        {3, 7, "B46969 FFE7CE 800000"},
        {3, 8, "FF8000 FFFF00 FFBF00"},
        {3, 9, "0000FF FFFF00 7F7F50"},
        {3, 10, "0000A0 FF0000 FF7F00"},
        {3, 11, "400080 7F2A55 BF552A"},
        {3, 12, "FF0000 BF2A2A 7F5555"},
        {7, 0, "FF0000 FF00FF 0000FF 00FFFF 00FF00 FFFF00 FDB002"},
        {7, 1, "FF0000 FFFF00 008000 00BF7F 00FFFF 0000A0 7F00CF"},
        {7, 2, "000000 242424 484848 6D6D6D 919191 B6B6B6 DADADA"},
        {7, 3, "FFFFFF DADADA B6B6B6 919191 6D6D6D 484848 242424"},
        {7, 4, "800040 552A2A 2A5515 008000 3F8010 7F8020 BF8030"},
        {7, 5, "FFFF00 BF7F40 800080 BF4040 FF8000 AA5535 552A6A"},
        {7, 6, "0080C0 55AAD5 AAD4EA FFFFFF 7E6801 D7A304 E4C157"},
        {7, 7, "B46969 D9A89B FFE7CE D49A89 AA4D44 800000 BF7F7F"},
        {7, 8, "FF8000 FFAA00 FFD400 FFFF00 FFDF00 FFBF00 FF9F00"},
        {7, 9, "0000FF 5555AA AAAA55 FFFF00 BFBF28 7F7F50 3F3F78"},
        {7, 10, "0000A0 55006A AA0035 FF0000 FF3F00 FF7F00 FFBF00"},
        {7, 11, "400080 5B126D 76245B 913649 AD4936 C85B24 E36D12"},
        {7, 12, "FF0000 E31212 C82424 AD3636 914949 765B5B 5B6D6D"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Walk(DefaultGradientTables()[size_t(row.table)], row.n), row.colors)
            << "table " << row.table << " N " << row.n;
}

TEST(GradientWalk, PerceptualSpacesKeepTheStopsAndBendTheMiddle) {
    using enum GradientInterpolation;
    // From a separate Python script: OKLab through the CSS matrices, the
    // shorter hue arc (a grey taking the other end's hue), clipped, rounded.
    struct Row {
        GradientInterpolation space;
        GradientTable table;
        const char* colors;
    };
    const GradientTable whiteBlue = Table({{0, 0xFFFFFF}, {300, 0xFF0000}});
    const Row rows[] = {
        {Srgb, kRedBlue, "FF0000 BF003F 7F007F 3F00BF"},
        {Oklab, kRedBlue, "FF0000 C6496D 8C53A2 5147D2"},
        {Oklch, kRedBlue, "FF0000 E8007B BA00C2 7A00F4"},
        {Oklch, whiteBlue, "FFFFFF B8D2FF 74A3FF 306DFF"},
        {Oklab, DefaultGradientTables()[2], "000000 222222 636363 AEAEAE"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Walk(row.table, 4, 0, -1, row.space), row.colors) << int(row.space);

    // The middle as the colour parser reads the OKLab midpoint written out.
    const Triple red = OklabOf(255, 0, 0);
    const Triple blue = OklabOf(0, 0, 255);
    const QString middle = QStringLiteral("oklab(%1 %2 %3)")
                               .arg((red[0] + blue[0]) / 2, 0, 'f', 9)
                               .arg((red[1] + blue[1]) / 2, 0, 'f', 9)
                               .arg((red[2] + blue[2]) / 2, 0, 'f', 9);
    EXPECT_EQ(GradientWalkColors(kRedBlue, 2, 0, 2, Oklab)[1], ReadCssColorText(middle).color);

    // Every stop starts its segment on its exact colour, in the walk and in
    // the bar, whose last column is the last stop.
    for (GradientInterpolation space : {Oklab, Oklch}) {
        for (const GradientTable& table : DefaultGradientTables()) {
            const std::vector<TColor> walked = GradientWalkColors(table, 300, 0, 300, space);
            std::vector<TColor> bar(301);
            DrawGradient(table.stops(), bar, space);
            for (const GradientStop& stop : table.stops()) {
                if (stop.position < 300) {
                    EXPECT_EQ(walked[size_t(stop.position)], stop.color);
                }
                EXPECT_EQ(bar[size_t(stop.position)], stop.color) << table.name.toStdString();
            }
        }
    }
}
