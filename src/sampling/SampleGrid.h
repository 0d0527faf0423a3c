#pragma once

#include "core/Color.h"

#include <QImage>
#include <QPoint>
#include <array>

// The square the eyedropper reads around the pointer: 9 x 9 samples, the
// one at (4, 4) under the hot spot.
constexpr int kSampleSide = 9;
constexpr int kSampleCentre = 4;
constexpr int kLevelCount = 5;

struct Sample {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Sample&) const = default;
};

struct SampleGrid {
    // Row by row: index y * 9 + x.
    std::array<Sample, kSampleSide * kSampleSide> samples{};

    const Sample& at(int x, int y) const { return samples[std::size_t(y * kSampleSide + x)]; }
    Sample& at(int x, int y) { return samples[std::size_t(y * kSampleSide + x)]; }
    bool operator==(const SampleGrid&) const = default;
};

// Level 0 is the pixel under the hot spot; levels 1 to 4 average the centred
// 3 x 3, 5 x 5, 7 x 7 and 9 x 9 squares.
using LevelColors = std::array<TColor, kLevelCount>;

// The 9 x 9 pixels of `image` centred on `centre` (image pixels, not
// logical ones). Pixels outside the image read as black.
SampleGrid SampleGridFromImage(const QImage& image, QPoint centre);

// The mean colour of the samples with first <= x, y <= last, each channel
// sum divided by n and truncated. Bounds are kept within the grid and a
// non-positive n gives black, so no call can read outside it or divide by 0.
TColor AverageSquare(const SampleGrid& grid, int first, int last, int n);

LevelColors ComputeLevelColors(const SampleGrid& grid);
