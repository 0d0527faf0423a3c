#include "sampling/SampleGrid.h"

#include <algorithm>

SampleGrid SampleGridFromImage(const QImage& image, QPoint centre) {
    SampleGrid grid;
    if (image.isNull())
        return grid;
    const QImage pixels =
        image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
            ? image
            : image.convertToFormat(QImage::Format_ARGB32);
    const int left = centre.x() - kSampleCentre;
    const int top = centre.y() - kSampleCentre;
    for (int y = 0; y < kSampleSide; ++y) {
        const int py = top + y;
        if (py < 0 || py >= pixels.height())
            continue;
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(py));
        for (int x = 0; x < kSampleSide; ++x) {
            const int px = left + x;
            if (px < 0 || px >= pixels.width())
                continue;
            const QRgb rgb = line[px];
            grid.at(x, y) = {qRed(rgb), qGreen(rgb), qBlue(rgb)};
        }
    }
    return grid;
}

TColor AverageSquare(const SampleGrid& grid, int first, int last, int n) {
    if (n <= 0)
        return 0;
    first = std::max(first, 0);
    last = std::min(last, kSampleSide - 1);
    int red = 0, green = 0, blue = 0;
    for (int y = first; y <= last; ++y) {
        for (int x = first; x <= last; ++x) {
            const Sample& s = grid.at(x, y);
            red += s.red;
            green += s.green;
            blue += s.blue;
        }
    }
    // A too small n must not wrap a channel round.
    return RgbToColor(std::min(red / n, 255), std::min(green / n, 255), std::min(blue / n, 255));
}

LevelColors ComputeLevelColors(const SampleGrid& grid) {
    const Sample& centre = grid.at(kSampleCentre, kSampleCentre);
    LevelColors levels{};
    levels[0] = RgbToColor(centre.red, centre.green, centre.blue);
    for (int level = 1; level < kLevelCount; ++level) {
        const int side = 2 * level + 1;
        levels[std::size_t(level)] =
            AverageSquare(grid, kSampleCentre - level, kSampleCentre + level, side * side);
    }
    return levels;
}
