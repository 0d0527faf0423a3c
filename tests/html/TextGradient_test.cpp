#include "gradient/GradientTableList.h"
#include "html/TextGradient.h"

#include "StyledTextSamples.h"

#include <gtest/gtest.h>

namespace {

const TColor kGrey = RgbToColor(9, 9, 9);

GradientTable RedBlue() {
    GradientTable table;
    table.setStops(
        std::vector<GradientStop>{{0, RgbToColor(255, 0, 0)}, {300, RgbToColor(0, 0, 255)}});
    return table;
}

TEST(TextGradient, WholeTextWhenNothingIsSelected) {
    CharStyle style;
    StyledText text = MakeStyledText(QStringLiteral("ABC"), style);
    const TextGradientResult result =
        ApplyTextGradient(text, &DefaultGradientTables()[0], PositionRange{});
    EXPECT_EQ(result.status, TextGradientStatus::Applied);
    EXPECT_EQ(result.firstChar, 0);
    EXPECT_EQ(result.endChar, 3);
    // The last character takes the last stop exactly.
    EXPECT_EQ(Colors(text), (Hex{"#FF0000", "#FF00FF", "#FB6104"}));
}

TEST(TextGradient, ARangeInTheMiddleColoursOnlyItsCharacters) {
    CharStyle style;
    style.color = kGrey;
    StyledText text = MakeStyledText(QStringLiteral("abcdefgh"), style);
    const GradientTable table = RedBlue();
    const TextGradientResult result = ApplyTextGradient(text, &table, {2, 3});
    EXPECT_EQ(result.firstChar, 2);
    EXPECT_EQ(result.endChar, 5);
    EXPECT_EQ(Colors(text), (Hex{"#090909", "#090909", "#FF0000", "#AA0055", "#0000FF", "#090909",
                                 "#090909", "#090909"}));
    // A range reaching past the text is cut to it.
    EXPECT_EQ(GradientRange({6, 10}, 8), (PositionRange{6, 2}));
    EXPECT_EQ(GradientRange({3, 0}, 8), (PositionRange{0, 8}));
}

TEST(TextGradient, DoubleByteCharactersTakeTwoWalkItems) {
    const GradientTable table = RedBlue();
    // Positions: あ 0-1, ｱ 2, a 3, 😀 4-5 (not in the code page), b 6.
    StyledText text = MakeStyledText(QStringLiteral("あｱa\U0001F600b"), CharStyle{});
    EXPECT_EQ(PositionLength(text), 7);
    ApplyTextGradient(text, &table, {0, 4});
    // Walk over 4 items: #FF0000 #BF003F #7F007F #3F00BF; the second
    // position of あ uses item 1 up, and "a" holds the last position.
    EXPECT_EQ(Colors(text), (Hex{"#FF0000", "#7F007F", "#0000FF", "#000000", "#000000"}));

    // A range that ends inside a character gives that character the last stop.
    text = MakeStyledText(QStringLiteral("aあb"), CharStyle{});
    ApplyTextGradient(text, &table, {0, 2});
    EXPECT_EQ(Colors(text), (Hex{"#FF0000", "#0000FF", "#000000"}));
    // One that starts inside one colours it only by the closing step.
    text = MakeStyledText(QStringLiteral("aあbc"), CharStyle{});
    const TextGradientResult result = ApplyTextGradient(text, &table, {2, 3});
    EXPECT_EQ(result.firstChar, 1);
    EXPECT_EQ(result.endChar, 4);
    EXPECT_EQ(Colors(text), (Hex{"#000000", "#000000", "#AA0055", "#0000FF"}));
}

TEST(TextGradient, WithoutAUsableTableNothingChanges) {
    CharStyle style;
    style.color = kGrey;
    StyledText text = MakeStyledText(QStringLiteral("ab"), style);
    GradientTable one;
    one.setStops(std::vector<GradientStop>{{0, RgbToColor(255, 0, 0)}});
    GradientTable damaged = RedBlue();
    damaged.count = 40; // read as at most the ten slots
    EXPECT_EQ(ApplyTextGradient(text, nullptr, {}).status, TextGradientStatus::NoTable);
    EXPECT_EQ(ApplyTextGradient(text, &one, {}).status, TextGradientStatus::TooFewStops);
    EXPECT_EQ(Colors(text), (Hex{"#090909", "#090909"}));
    EXPECT_FALSE(TextGradientStatusMessage(TextGradientStatus::TooFewStops).isEmpty());
    EXPECT_TRUE(TextGradientStatusMessage(TextGradientStatus::Applied).isEmpty());
    EXPECT_EQ(ApplyTextGradient(text, &damaged, {}).status, TextGradientStatus::Applied);

    StyledText empty;
    const GradientTable table = RedBlue();
    EXPECT_EQ(ApplyTextGradient(empty, &table, {}).status, TextGradientStatus::EmptyText);
    StyledText stopped = MakeStyledText(QStringLiteral("xy"), style);
    EXPECT_EQ(ApplyTextGradient(stopped, &table, {}, [](qint64, qint64) { return false; }).status,
              TextGradientStatus::Stopped);
    EXPECT_EQ(Colors(stopped), (Hex{"#090909", "#090909"}));
}

} // namespace
