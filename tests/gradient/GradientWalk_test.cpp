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

QString Walk(const GradientTable& table, int n, int first = 0, int count = -1) {
    QStringList out;
    for (TColor color : GradientWalkColors(table, n, first, count < 0 ? n : count))
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
        {20, 0,
         "FF0000 FF0055 FF00AA FF00FF AA00FF 5500FF 0000FF 003FFF 007FFF 00BFFF 00FFFF 00FFAA "
         "00FF55 00FF00 55FF00 AAFF00 FFFF00 FED701 FDB002 FC8803"},
        {20, 1,
         "FF0000 FF3F00 FF7F00 FFBF00 FFFF00 BFDF00 7FBF00 3F9F00 008000 00AA55 00D4AA 00FFFF "
         "00AADF 0055BF 0000A0 2A00AF 5500BF 7F00CF AA00DF D400EF"},
        {20, 2,
         "000000 0C0C0C 191919 262626 333333 3F3F3F 4C4C4C 595959 666666 727272 7F7F7F 8C8C8C "
         "999999 A5A5A5 B2B2B2 BFBFBF CCCCCC D8D8D8 E5E5E5 F2F2F2"},
        {20, 3,
         "FFFFFF F2F2F2 E5E5E5 D8D8D8 CCCCCC BFBFBF B2B2B2 A5A5A5 999999 8C8C8C 7F7F7F 727272 "
         "666666 595959 4C4C4C 3F3F3F 333333 262626 191919 0C0C0C"},
        {20, 4,
         "800040 730C39 661933 59262C 4C3326 3F401F 334C19 265913 19660C 0C7306 008000 198006 "
         "33800C 4C8013 668019 7F8020 998026 B2802C CC8033 E58039"},
        {20, 5,
         "FFFF00 ECDA12 DAB624 C89136 B66D49 A4485B 92246D 800080 95156A AA2A55 BF403F D4552A "
         "E96A15 FF8000 DA6D16 B65B2D 914944 6D365B 482472 241289"},
        {20, 6,
         "0080C0 1C8EC7 389CCE 55AAD5 71B8DC 8DC6E3 AAD4EA C6E2F1 E2F0F8 FFFFFF 7E6801 9B7B02 "
         "B98F03 D7A304 DCB027 E2BD4B E8CA6F EDD793 F3E4B7 F9F1DB"},
        {20, 7,
         "B46969 C07E79 CD938A D9A89B E6BDAC F2D2BD FFE7CE F0CDB7 E2B3A0 D49989 C68072 B8665B "
         "AA4C44 9C332D 8E1916 800000 993333 B26666 CC9999 E5CCCC"},
        {20, 8,
         "FF8000 FF8C00 FF9900 FFA600 FFB200 FFBF00 FFCC00 FFD800 FFE500 FFF200 FFFF00 FFF200 "
         "FFE500 FFD800 FFCC00 FFBF00 FFB200 FFA600 FF9900 FF8C00"},
        {20, 9,
         "0000FF 1919E5 3333CC 4C4CB2 666699 7F7F7F 999966 B2B24C CCCC33 E5E519 FFFF00 E5E510 "
         "CCCC20 B2B230 999940 7F7F50 666660 4C4C70 333380 191990"},
        {20, 10,
         "0000A0 190090 330080 4C0070 660060 7F0050 990040 B20030 CC0020 E50010 FF0000 FF1900 "
         "FF3300 FF4C00 FF6600 FF7F00 FF9900 FFB200 FFCC00 FFE500"},
        {20, 11,
         "400080 490679 530C73 5C136C 661966 6F205F 792659 822C53 8C334C 953946 9F403F A94639 "
         "B24C33 BC532C C55926 CF601F D86619 E26C13 EB730C F57906"},
        {20, 12,
         "FF0000 F50606 EB0C0C E21313 D81919 CF2020 C52626 BC2C2C B23333 A93939 9F4040 954646 "
         "8C4C4C 825353 795959 6F6060 666666 5C6C6C 537373 497979"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Walk(DefaultGradientTables()[size_t(row.table)], row.n), row.colors)
            << "table " << row.table << " N " << row.n;
}
