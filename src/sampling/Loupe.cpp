#include "sampling/Loupe.h"

#include "core/QtColor.h"
#include <array>

namespace {

// First and one-past-last loupe pixel of every sample.
struct Span {
    int begin;
    int end;
};
constexpr std::array<Span, kSampleSide> MakeSpans() {
    std::array<Span, kSampleSide> spans{};
    for (auto& s : spans)
        s = {kLoupeSide, 0};
    for (int pixel = 0; pixel < kLoupeSide; ++pixel) {
        Span& s = spans[std::size_t(LoupeSampleIndex(pixel))];
        s.begin = pixel < s.begin ? pixel : s.begin;
        s.end = pixel + 1 > s.end ? pixel + 1 : s.end;
    }
    return spans;
}
constexpr auto kSpans = MakeSpans();

} // namespace

QRect LoupeBlock(int x, int y) {
    const Span& sx = kSpans.at(std::size_t(x));
    const Span& sy = kSpans.at(std::size_t(y));
    return QRect(sx.begin, sy.begin, sx.end - sx.begin, sy.end - sy.begin);
}

QRect LoupeMarkerRect() {
    return LoupeBlock(kSampleCentre, kSampleCentre);
}

QImage LoupeImage(const SampleGrid& grid) {
    QImage loupe(kLoupeSide, kLoupeSide, QImage::Format_RGB32);
    std::array<int, kLoupeSide> source{};
    for (int pixel = 0; pixel < kLoupeSide; ++pixel)
        source[std::size_t(pixel)] = LoupeSampleIndex(pixel);
    for (int py = 0; py < kLoupeSide; ++py) {
        auto* line = reinterpret_cast<QRgb*>(loupe.scanLine(py));
        const int y = source[std::size_t(py)];
        for (int px = 0; px < kLoupeSide; ++px) {
            const Sample& s = grid.at(source[std::size_t(px)], y);
            line[px] = qRgb(s.red, s.green, s.blue);
        }
    }
    return loupe;
}

void DrawLoupeMarker(QImage& loupe) {
    const QRect r = LoupeMarkerRect() & loupe.rect();
    if (r.isEmpty())
        return;
    if (loupe.format() != QImage::Format_RGB32 && loupe.format() != QImage::Format_ARGB32)
        loupe.convertTo(QImage::Format_RGB32);
    auto invert = [&loupe](int x, int y) {
        QRgb* p = reinterpret_cast<QRgb*>(loupe.scanLine(y)) + x;
        *p = (*p & 0xFF000000u) | (~*p & 0x00FFFFFFu);
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        invert(x, r.top());
        if (r.bottom() != r.top())
            invert(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        invert(r.left(), y);
        if (r.right() != r.left())
            invert(r.right(), y);
    }
}

QRect LevelBand(int level, int width) {
    return QRect(0, level * kLevelBandHeight, width, kLevelBandHeight);
}

QImage LevelStripImage(const LevelColors& levels, int width) {
    QImage strip(width > 0 ? width : 1, kLevelStripHeight, QImage::Format_RGB32);
    for (int level = 0; level < kLevelCount; ++level) {
        const QRgb rgb = ToQRgb(levels[std::size_t(level)]);
        for (int y = level * kLevelBandHeight; y < (level + 1) * kLevelBandHeight; ++y) {
            auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
            std::fill(line, line + strip.width(), rgb);
        }
    }
    return strip;
}

EyedropperMove ComputeEyedropperMove(const SampleGrid& grid) {
    EyedropperMove move;
    move.levels = ComputeLevelColors(grid);
    move.loupe = LoupeImage(grid);
    DrawLoupeMarker(move.loupe);
    move.levelStrip = LevelStripImage(move.levels);
    return move;
}
