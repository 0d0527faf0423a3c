#include "sampling/ScreenSampler.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

// A picture whose pixel (x, y) is (x, y, x + y), so every sample names its place.
QImage Coordinates(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, (x + y) & 0xFF));
    return image;
}

SampleGrid Uniform(int red, int green, int blue) {
    SampleGrid grid;
    grid.samples.fill({red, green, blue});
    return grid;
}

} // namespace

TEST(EyedropperLevels, EightWhiteAndOneBlackTruncateTo226) {
    QImage image(9, 9, QImage::Format_RGB32);
    image.fill(kBlack);
    for (int y = 3; y <= 5; ++y)
        for (int x = 3; x <= 5; ++x)
            image.setPixel(x, y, kWhite);
    image.setPixel(4, 4, kBlack);
    const LevelColors levels = ComputeLevelColors(SampleGridFromImage(image, {4, 4}));
    EXPECT_EQ(levels[0], 0x000000u);
    EXPECT_EQ(levels[1], RgbToColor(226, 226, 226)); // 2040 / 9 = 226.67
    EXPECT_EQ(levels[2], RgbToColor(81, 81, 81));    // 2040 / 25 = 81.6
    EXPECT_EQ(levels[3], RgbToColor(41, 41, 41));    // 2040 / 49 = 41.6
    EXPECT_EQ(levels[4], RgbToColor(25, 25, 25));    // 2040 / 81 = 25.2
}

TEST(EyedropperLevels, EachRingCountsOnlyFromItsOwnLevelOn) {
    // Rings of distinct colours: ring k (distance k from the centre) only
    // enters levels k and above, and every channel stays in its own byte.
    SampleGrid grid;
    const Sample ring[5] = {{250, 1, 2}, {10, 200, 3}, {20, 30, 100}, {0, 90, 255}, {255, 255, 0}};
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
            grid.at(x, y) = ring[std::max(std::abs(x - 4), std::abs(y - 4))];
    const LevelColors levels = ComputeLevelColors(grid);
    EXPECT_EQ(levels[0], RgbToColor(250, 1, 2));
    EXPECT_EQ(levels[1], RgbToColor((250 + 8 * 10) / 9, (1 + 8 * 200) / 9, (2 + 8 * 3) / 9));
    EXPECT_EQ(levels[2], RgbToColor((250 + 80 + 16 * 20) / 25, (1 + 1600 + 16 * 30) / 25,
                                    (2 + 24 + 16 * 100) / 25));
    EXPECT_EQ(levels[3], RgbToColor((250 + 80 + 320) / 49, (1 + 1600 + 480 + 24 * 90) / 49,
                                    (2 + 24 + 1600 + 24 * 255) / 49));
    EXPECT_EQ(levels[4],
              RgbToColor((650 + 32 * 255) / 81, (4241 + 32 * 255) / 81, (7746 + 0) / 81));
    // A uniform square gives its colour at every level.
    const LevelColors flat = ComputeLevelColors(Uniform(255, 165, 16));
    for (TColor level : flat)
        EXPECT_EQ(level, RgbToColor(255, 165, 16));
}

TEST(EyedropperLevels, AverageSquareStaysInsideTheGrid) {
    const SampleGrid grid = Uniform(200, 100, 50);
    EXPECT_EQ(AverageSquare(grid, 3, 5, 0), 0u);
    EXPECT_EQ(AverageSquare(grid, 3, 5, -9), 0u);
    // Bounds beyond the grid are cut to it, and a too small n saturates
    // instead of spilling into the next channel.
    EXPECT_EQ(AverageSquare(grid, -5, 20, 81), RgbToColor(200, 100, 50));
    EXPECT_EQ(AverageSquare(grid, 0, 8, 1), RgbToColor(255, 255, 255));
}

TEST(FrozenImageSampler, ReadsTheSquareAroundTheDevicePixel) {
    FrozenImageSampler sampler(Coordinates(40, 30), QPoint(-100, 50));
    const auto grid = sampler.sample(QPointF(-100 + 10.7, 50 + 20.2));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->at(0, 0), (Sample{6, 16, 22}));
    EXPECT_EQ(grid->at(4, 4), (Sample{10, 20, 30}));
    EXPECT_EQ(grid->at(8, 8), (Sample{14, 24, 38}));
    // A nudge moves by whole pixels.
    EXPECT_EQ(sampler.sample(QPointF(-90, 70), QPoint(1, -2))->at(4, 4), (Sample{11, 18, 29}));
}

TEST(FrozenImageSampler, PixelsOffThePictureReadBlack) {
    FrozenImageSampler sampler(Coordinates(40, 30));
    // Top-left corner: four columns and rows lie off the picture.
    auto grid = sampler.sample(QPointF(0, 0));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->at(3, 4), (Sample{}));
    EXPECT_EQ(grid->at(4, 3), (Sample{}));
    EXPECT_EQ(grid->at(4, 4), (Sample{0, 0, 0}));
    EXPECT_EQ(grid->at(8, 8), (Sample{4, 4, 8}));
    // Bottom-right corner.
    grid = sampler.sample(QPointF(39.9, 29.9));
    EXPECT_EQ(grid->at(4, 4), (Sample{39, 29, 68}));
    EXPECT_EQ(grid->at(5, 4), (Sample{}));
    EXPECT_EQ(grid->at(4, 5), (Sample{}));
    EXPECT_EQ(grid->at(0, 0), (Sample{35, 25, 60}));
    // Wholly off: all black, not a failure.
    grid = sampler.sample(QPointF(-50, 500));
    ASSERT_TRUE(grid);
    EXPECT_EQ(*grid, SampleGrid{});
    // No picture at all reads nothing.
    EXPECT_FALSE(FrozenImageSampler(QImage()).sample(QPointF(0, 0)));
}

TEST(FrozenImageSampler, HighDensityPicturesAreReadInDevicePixels) {
    QImage picture = Coordinates(80, 60);
    picture.setDevicePixelRatio(2.0);
    FrozenImageSampler sampler(picture, QPoint(10, 10));
    // Logical (30.5, 20) is device pixel (41, 20); its neighbours are the
    // next device pixels, not the next logical ones.
    const auto grid = sampler.sample(QPointF(30.5, 20));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->at(4, 4), (Sample{41, 20, 61}));
    EXPECT_EQ(grid->at(5, 4), (Sample{42, 20, 62}));
    EXPECT_EQ(grid->at(0, 8), (Sample{37, 24, 61}));
    // A position made by dividing a device position by the ratio maps back.
    EXPECT_EQ(DevicePixelAt(QPointF(7.0 / 3.0, 1.0 / 3.0 * 5.0), 3.0), QPoint(7, 5));
    EXPECT_EQ(DevicePixelAt(QPointF(-0.25, -1.0), 2.0), QPoint(-1, -2));
}
