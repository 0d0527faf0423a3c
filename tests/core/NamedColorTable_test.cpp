#include "core/NamedColorTable.h"

#include <gtest/gtest.h>

namespace {

TEST(NamedColorTable, BuiltInRowsAsStored) {
    NamedColorTable table;
    EXPECT_EQ(table.count(), 0);
    LoadDefaultNamedColors(table);
    ASSERT_EQ(table.count(), 141);
    EXPECT_EQ(table.at(0),
              (NamedColor{0x000000, QStringLiteral("#000000"), QStringLiteral("black")}));
    EXPECT_EQ(table.at(140).name, QStringLiteral("white"));
    EXPECT_EQ(table.at(140).value, 0xFFFFFFu);
    EXPECT_EQ(table.at(61).hex, QStringLiteral("#A0CE00"));
    EXPECT_EQ(table.at(61).value, RgbToColor(0xA0, 0xCE, 0x00));
    EXPECT_EQ(table.at(61).name, QStringLiteral("aliceblue"));
    EXPECT_EQ(table.at(96).name, QStringLiteral("aliceblue"));
    EXPECT_EQ(table.at(80).name, QStringLiteral("lightgrey"));
    for (int i = 0; i < table.count(); ++i) {
        EXPECT_EQ(table.at(i).hex, ColorToHtml(table.at(i).value)) << i;
        if (i > 0) {
            EXPECT_LE(table.at(i - 1).hex, table.at(i).hex) << i;
        }
    }
}

TEST(NamedColorTable, LookupsTakeTheFirstRowInUse) {
    NamedColorTable table;
    LoadDefaultNamedColors(table);
    EXPECT_EQ(table.indexOfColor(RgbToColor(0, 255, 255)), 14);  // aqua, not cyan
    EXPECT_EQ(table.indexOfColor(RgbToColor(255, 0, 255)), 111); // fuchsia, not magenta
    EXPECT_EQ(table.indexOfColor(RgbToColor(1, 2, 3)), std::nullopt);
    EXPECT_EQ(table.indexOfColor(0x01000000), std::nullopt); // all 32 bits count
    EXPECT_EQ(table.indexOfName(QStringLiteral("Cyan")), 15);
    EXPECT_EQ(table.indexOfName(QStringLiteral("aliceblue")), 61);
    table.setCount(14);
    EXPECT_EQ(table.indexOfName(QStringLiteral("cyan")), std::nullopt);
    table.setCount(100000);
    EXPECT_EQ(table.count(), NamedColorTable::Capacity);
    table.setCount(-5);
    EXPECT_EQ(table.count(), 0);
}

} // namespace
