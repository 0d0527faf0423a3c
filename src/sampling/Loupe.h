#pragma once

#include "sampling/SampleGrid.h"

#include <QImage>
#include <QRect>

// The loupe shows the 9 x 9 samples as 50 x 50 pixels, each sample a block
// of 5 or 6 pixels by plain replication; the level strip shows the five
// levels as bands 10 pixels high, level 0 at the top.
constexpr int kLoupeSide = 50;
constexpr int kLevelBandHeight = 10;
constexpr int kLevelStripWidth = 15;
constexpr int kLevelStripHeight = kLevelCount * kLevelBandHeight;

// The sample shown at loupe pixel `pixel` (0..49) of a row or column: the
// one whose block contains the pixel's centre, so the blocks are symmetric
// and the centre block sits in the middle of the loupe.
constexpr int LoupeSampleIndex(int pixel) {
    return (2 * pixel + 1) * kSampleSide / (2 * kLoupeSide);
}

// The loupe pixels of sample (x, y), both 0..8.
QRect LoupeBlock(int x, int y);

// The marker outlines the centre sample's block.
QRect LoupeMarkerRect();

QImage LoupeImage(const SampleGrid& grid);

// Draws the marker's one-pixel outline by inverting every pixel it covers,
// so it shows over any colour. The image must be 50 x 50 (or larger).
void DrawLoupeMarker(QImage& loupe);

// The strip's band of level k (0..4).
QRect LevelBand(int level, int width = kLevelStripWidth);
QImage LevelStripImage(const LevelColors& levels, int width = kLevelStripWidth);

// Everything one pointer move shows, computed from one read of the square.
struct EyedropperMove {
    LevelColors levels{};
    QImage loupe; // with the marker drawn
    QImage levelStrip;
};
EyedropperMove ComputeEyedropperMove(const SampleGrid& grid);
