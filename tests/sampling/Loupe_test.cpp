#include "sampling/Loupe.h"
#include "sampling/SpoitCursor.h"

#include <gtest/gtest.h>

namespace {

SampleGrid Numbered() {
    SampleGrid grid;
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            grid.at(x, y) = {x * 20, y * 20, 7};
    return grid;
}

} // namespace

TEST(Loupe, EverySampleIsABlockOfFiveOrSixPixels) {
    int covered = 0;
    int next = 0;
    for (int s = 0; s < 9; ++s) {
        const QRect block = LoupeBlock(s, s);
        EXPECT_EQ(block.left(), next) << s;
        EXPECT_TRUE(block.width() == 5 || block.width() == 6) << s;
        EXPECT_EQ(block.width(), block.height());
        // Mirror-symmetric: sample s and sample 8 - s have the same size.
        EXPECT_EQ(block.width(), LoupeBlock(8 - s, 0).width());
        next = block.left() + block.width();
        covered += block.width();
    }
    EXPECT_EQ(covered, 50);

    const SampleGrid grid = Numbered();
    const QImage loupe = LoupeImage(grid);
    ASSERT_EQ(loupe.size(), QSize(50, 50));
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            const QRect block = LoupeBlock(x, y);
            for (QPoint p : {block.topLeft(), block.bottomRight(), block.center()})
                EXPECT_EQ(loupe.pixel(p), qRgb(x * 20, y * 20, 7)) << x << "," << y;
        }
    }
}

TEST(Loupe, MarkerInvertsTheOutlineOfTheCentreBlock) {
    EXPECT_EQ(LoupeMarkerRect(), LoupeBlock(4, 4));
    EXPECT_EQ(LoupeMarkerRect(), QRect(22, 22, 6, 6)); // centred in the 50 x 50 loupe

    SampleGrid grid = Numbered();
    grid.at(4, 4) = {0x80, 0x10, 0xF0};
    const QImage plain = LoupeImage(grid);
    QImage marked = plain;
    DrawLoupeMarker(marked);
    const QRect r = LoupeMarkerRect();
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) {
            const bool onOutline = r.contains(x, y) && (x == r.left() || x == r.right() ||
                                                        y == r.top() || y == r.bottom());
            const QRgb expected = onOutline ? (plain.pixel(x, y) ^ 0x00FFFFFF) : plain.pixel(x, y);
            ASSERT_EQ(marked.pixel(x, y), expected) << x << "," << y;
        }
    }
    EXPECT_EQ(marked.pixel(22, 22), qRgb(0x7F, 0xEF, 0x0F));
}

TEST(EyedropperMove, OneSampleFeedsLevelsLoupeAndStrip) {
    SampleGrid grid;
    grid.samples.fill({255, 165, 16});
    grid.at(4, 4) = {1, 2, 3};
    const EyedropperMove move = ComputeEyedropperMove(grid);
    EXPECT_EQ(move.loupe.pixel(0, 0), qRgb(255, 165, 16));
    EXPECT_EQ(move.loupe.pixel(22, 22), qRgb(254, 253, 252)); // marker drawn
    // Five bands 10 pixels high across the strip's width, level 0 on top.
    ASSERT_EQ(move.levelStrip.size(), QSize(15, 50));
    EXPECT_EQ(move.levelStrip.pixel(14, 9), qRgb(1, 2, 3));
    EXPECT_EQ(
        move.levelStrip.pixel(0, 10),
        qRgb(ColorRed(move.levels[1]), ColorGreen(move.levels[1]), ColorBlue(move.levels[1])));
    EXPECT_EQ(
        move.levelStrip.pixel(7, 49),
        qRgb(ColorRed(move.levels[4]), ColorGreen(move.levels[4]), ColorBlue(move.levels[4])));
    EXPECT_NE(move.levels[1], move.levels[4]);
    EXPECT_EQ(LevelBand(3), QRect(0, 30, 15, 10));
}

TEST(SpoitCursor, TwoColoursWithTheTipOnTheHotSpot) {
    const QImage image = SpoitCursorImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixel(kSpoitHotSpot), qRgb(0, 0, 0));
    const QImage bitmap = SpoitCursorBitmap();
    const QImage mask = SpoitCursorMask();
    int drawn = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = image.pixel(x, y);
            // Only black, white or nothing; the bitmap marks black within the mask.
            ASSERT_TRUE(qAlpha(p) == 0 || p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255));
            EXPECT_EQ(mask.pixelIndex(x, y), qAlpha(p) != 0 ? 1 : 0);
            EXPECT_EQ(bitmap.pixelIndex(x, y), p == qRgb(0, 0, 0) ? 1 : 0);
            drawn += qAlpha(p) != 0;
            // Nothing below the tip: it points down-left.
            EXPECT_TRUE(y <= kSpoitHotSpot.y() || qAlpha(p) == 0) << x << "," << y;
        }
    }
    EXPECT_GT(drawn, 60);
}
