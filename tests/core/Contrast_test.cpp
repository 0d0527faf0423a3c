#include "core/Contrast.h"

#include <gtest/gtest.h>

namespace {

TEST(Contrast, PublishedFiguresAndNoRoundingUpToAMissedLevel) {
    const TColor white = 0xFFFFFF;
    EXPECT_DOUBLE_EQ(ContrastRatio(0, white), 21.0);
    EXPECT_EQ(ContrastLine(0, white), "21.00 AA AAA");
    EXPECT_EQ(ContrastLine(RgbToColor(0x77, 0x77, 0x77), white), "4.48 AA-large fail");
    EXPECT_EQ(ContrastLine(white, RgbToColor(0x76, 0x76, 0x76)), "4.54 AA fail");
    EXPECT_EQ(ContrastLine(white, white), "1.00 fail fail");
    // Channel weights: pure green on black.
    EXPECT_EQ(ContrastRatioText(ContrastRatio(RgbToColor(0, 255, 0), 0)), "15.30");
    EXPECT_EQ(ContrastLevelsOf(4.497), (ContrastLevels{true, false, false}));
    EXPECT_EQ(ContrastRatioText(4.497), "4.49");
    EXPECT_EQ(ContrastRatioText(4.486), "4.49");
    EXPECT_EQ(ContrastRatioText(6.996), "6.99");
}

} // namespace
