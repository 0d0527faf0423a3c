// Palettes computed for true-colour pictures: the Low histogram split and the
// High palettes (exact colours, distinct entries, quality, determinism).
#include "DibTestUtil.h"

#include <climits>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using namespace dibtest;

namespace {

std::set<QRgb> PaletteOf(const TVmDIB& dib) {
    std::set<QRgb> colours;
    const quint32 n = dib.InternalDIB().header().biClrUsed;
    for (quint32 i = 0; i < n; ++i) {
        const RgbQuad& c = dib.InternalDIB().colors()[i];
        colours.insert(qRgb(c.rgbRed, c.rgbGreen, c.rgbBlue));
    }
    return colours;
}

void ExpectSamePixels(const TVmDIB& a, const TVmDIB& b) {
    const Pixels pa(a), pb(b);
    for (int y = 0; y < pa.height(); ++y)
        for (int x = 0; x < pa.width(); ++x)
            ASSERT_EQ(pa.at(x, y), pb.at(x, y)) << "at " << x << "," << y;
}

std::unique_ptr<TVmDIB> Converted(const TVmDIB& original, int quality, int format) {
    auto dib = std::make_unique<TVmDIB>();
    dib->Assign(&original);
    dib->ConvertQuality = quality;
    dib->SetPixelFormat(format);
    return dib;
}

// Smooth lighting over a few hard-edged objects, with grain: many colours,
// unevenly spread, as in a photograph.
QRgb PhotoLike(int x, int y) {
    const double light = 0.5 + 0.25 * std::sin(x * 0.05) + 0.2 * std::cos(y * 0.07 + x * 0.01);
    double r = 220 * light, g = 180 * light + 20, b = 120 * light + 60;
    const double dx = x - 60, dy = y - 50;
    if (dx * dx + dy * dy < 900) {
        r = 200 * light + 50;
        g = 40 * light;
        b = 30;
    }
    if (x > 110 && y > 70) {
        r = 40;
        g = 90 * light + 40;
        b = 200 * light + 30;
    }
    const quint32 noise = quint32(x) * 73856093u ^ quint32(y) * 19349663u;
    const int grain = int(noise % 9) - 4;
    auto clamp = [&](double v) { return qBound(0, int(std::lround(v)) + grain, 255); };
    return qRgb(clamp(r), clamp(g), clamp(b));
}

} // namespace

TEST(DibPaletteLow, OneHistogramCellGivesOneWeightedMeanEntry) {
    // Three pixels of (8, 4, 8) and one of (15, 7, 15) share a cell; the mean
    // (9.75, 4.75, 9.75) rounds to (10, 5, 10). A far colour keeps its own entry.
    auto source = [](int x, int) {
        return x < 3 ? qRgb(8, 4, 8) : x == 3 ? qRgb(15, 7, 15) : qRgb(200, 100, 50);
    };
    const QRgb merged = qRgb(10, 5, 10);
    TVmDIB original;
    MakePicture(original, 8, 1, source);

    TVmDIB palette;
    palette.Assign(&original);
    palette.CreateTrueColorPalette();
    ASSERT_EQ(palette.InternalDIB().header().biClrUsed, 2u);
    EXPECT_EQ(palette.InternalDIB().colors()[0], (RgbQuad{10, 5, 10, 0}));
    EXPECT_EQ(palette.InternalDIB().colors()[1], (RgbQuad{50, 100, 200, 0}));

    for (int format : {DibFormat8Bit, DibFormat4Bit}) {
        SCOPED_TRACE(format);
        const auto low = Converted(original, ConvertQualityLow, format);
        EXPECT_EQ(PaletteOf(*low), (std::set<QRgb>{merged, qRgb(200, 100, 50)}));
        const Pixels px(*low);
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(px.at(x, 0), x < 4 ? merged : qRgb(200, 100, 50)) << x;
    }

    // High keeps every colour of so small a picture, ordered by value.
    palette.Assign(&original);
    palette.ConvertQuality = ConvertQualityHigh;
    palette.CreateTrueColorPalette();
    ASSERT_EQ(palette.InternalDIB().header().biClrUsed, 3u);
    EXPECT_EQ(palette.InternalDIB().colors()[0], (RgbQuad{8, 4, 8, 0}));
    EXPECT_EQ(palette.InternalDIB().colors()[1], (RgbQuad{15, 7, 15, 0}));
    EXPECT_EQ(palette.InternalDIB().colors()[2], (RgbQuad{50, 100, 200, 0}));
}

TEST(DibPaletteHigh, PicturesOfFewColoursKeepThemExactly) {
    // Colours close enough to share histogram cells, and far ones.
    std::vector<QRgb> colours;
    for (int i = 0; i < 256; ++i)
        colours.push_back(i % 2 ? qRgb(i, i / 2, 255 - i) : qRgb(i, 3, 3 + i % 5));
    auto pick = [&](int count) {
        return [&, count](int x, int y) { return colours[size_t((x * 7 + y * 3) % count)]; };
    };
    for (const auto& [format, count] : {std::pair{DibFormat8Bit, 256}, {DibFormat4Bit, 16}}) {
        SCOPED_TRACE(format);
        TVmDIB original;
        MakePicture(original, 64, 32, pick(count));
        const std::set<QRgb> expected(colours.begin(), colours.begin() + count);
        ASSERT_EQ(int(expected.size()), count);
        const auto high = Converted(original, ConvertQualityHigh, format);
        EXPECT_EQ(PaletteOf(*high), expected);
        ExpectSamePixels(*high, original);
    }
    TVmDIB single;
    MakePicture(single, 5, 5, [](int, int) { return qRgb(1, 2, 3); });
    const auto one = Converted(single, ConvertQualityHigh, DibFormat8Bit);
    EXPECT_EQ(PaletteOf(*one), (std::set<QRgb>{qRgb(1, 2, 3)}));
}

TEST(DibPaletteHigh, ManyColoursFillThePaletteWithDistinctEntries) {
    TVmDIB gradient;
    MakePicture(gradient, 256, 64, [](int x, int y) { return qRgb(x, y * 4, 255 - x / 2); });
    // Three hundred colours inside a handful of histogram cells.
    TVmDIB crowded;
    MakePicture(crowded, 300, 2, [](int x, int) { return qRgb(x % 4, (x / 4) % 4, x / 16); });
    for (TVmDIB* original : {&gradient, &crowded}) {
        int running = 0;
        TVmDIB eight;
        eight.Assign(original);
        eight.ConvertQuality = ConvertQualityHigh;
        eight.OnProgress = [&](TVmGraphic&, TProgressStage stage, int, const QRect&,
                               const QString&) { running += stage == TProgressStage::Running; };
        eight.SetPixelFormat(DibFormat8Bit);
        EXPECT_EQ(running, 255);
        ASSERT_EQ(eight.InternalDIB().header().biClrUsed, 256u);
        EXPECT_EQ(PaletteOf(eight).size(), 256u);
        const auto four = Converted(*original, ConvertQualityHigh, DibFormat4Bit);
        ASSERT_EQ(four->InternalDIB().header().biClrUsed, 16u);
        EXPECT_EQ(PaletteOf(*four).size(), 16u);
    }
    TVmDIB palette;
    palette.Assign(&gradient);
    palette.ConvertQuality = ConvertQualityHigh;
    palette.CreateTrueColorPalette();
    EXPECT_EQ(PaletteOf(palette).size(), 256u);
}

TEST(DibPaletteHigh, BeatsLowOnAPhotographLikePictureAndMapsToTheNearestEntry) {
    TVmDIB original;
    MakePicture(original, 161, 120, PhotoLike);
    const Pixels source(original);
    auto distance = [](QRgb a, QRgb b) {
        const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
        return dr * dr + dg * dg + db * db;
    };
    for (int format : {DibFormat8Bit, DibFormat4Bit}) {
        SCOPED_TRACE(format);
        const auto high = Converted(original, ConvertQualityHigh, format);
        const double low = Psnr(original, *Converted(original, ConvertQualityLow, format));
        EXPECT_GT(Psnr(original, *high), low);
        // No entry of the palette is nearer to a pixel than the one it got.
        const std::set<QRgb> palette = PaletteOf(*high);
        const Pixels mapped(*high);
        for (int y = 0; y < source.height(); ++y)
            for (int x = 0; x < source.width(); ++x) {
                int nearest = INT_MAX;
                for (QRgb entry : palette)
                    nearest = std::min(nearest, distance(entry, source.at(x, y)));
                ASSERT_EQ(distance(mapped.at(x, y), source.at(x, y)), nearest)
                    << "at " << x << "," << y;
            }
    }
}

TEST(DibPaletteHigh, PicturesOfFewColoursAreRefinedOnTheColoursThemselves) {
    // Wood grain in smooth gradients, and inks blended into a background:
    // several colours share each histogram cell.
    auto wood = [](int x, int y) {
        const double v = 0.5 + 0.5 * std::sin(x / 5.0 + 3 * std::sin(y / 23.0)),
                     u = 0.5 + 0.5 * std::sin(y / 31.0 + x / 41.0);
        auto level = [](double c) { return qBound(0, int(std::lround(c)), 255); };
        return qRgb(level(74 + 142 * v * (0.88 + 0.12 * u)),
                    level(42 + 126 * v * (0.88 + 0.12 * u)), level(20 + 100 * v * (0.9 + 0.1 * u)));
    };
    auto inks = [](int x, int y) {
        const QRgb ink[4] = {qRgb(32, 32, 32), qRgb(176, 48, 48), qRgb(32, 96, 160),
                             qRgb(48, 128, 48)};
        const QRgb c = ink[(y / 16) % 4];
        const double t = (x / 8 + y / 8) % 3 == 0 ? 0 : ((x * 7 + y * 3) % 64) / 63.0;
        auto mix = [&](int to) { return int(std::lround(243 + (to - 243) * t)); };
        return qRgb(mix(qRed(c)), mix(qGreen(c)), mix(qBlue(c)));
    };
    struct Case {
        std::function<QRgb(int, int)> picture;
        int side, format;
        double psnr; // the cells' means gave 58.0 and 29.4 dB
    };
    for (const Case& c :
         {Case{wood, 64, DibFormat8Bit, 61.0}, Case{inks, 96, DibFormat4Bit, 29.55}}) {
        SCOPED_TRACE(c.format);
        TVmDIB original;
        MakePicture(original, c.side, c.side, c.picture);
        EXPECT_GT(Psnr(original, *Converted(original, ConvertQualityHigh, c.format)), c.psnr);
    }
}

TEST(DibPaletteHigh, SameInputGivesTheSameBytes) {
    TVmDIB original;
    MakePicture(original, 160, 120, PhotoLike);
    for (int format : {DibFormat8Bit, DibFormat4Bit}) {
        SCOPED_TRACE(format);
        const auto a = Converted(original, ConvertQualityHigh, format);
        const auto b = Converted(original, ConvertQualityHigh, format);
        EXPECT_EQ(SaveBytes(*a), SaveBytes(*b));
    }
}
