// 24 -> 8 and 24 -> 4 bits, Low and High quality, on a 2048 x 2048
// photograph-like picture and High on it posterised: time and PSNR, beside ImageMagick's
// "convert -colors 256 +dither" as a whole process. scripts/bench-palettes
// compares whole processes on real photographs.
#include "dib/DibConversions.h"
#include "pictures/TVmDIB.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

constexpr int kSide = 2048;

// Smooth multi-octave noise: a grid of random values, interpolated, summed.
std::vector<float> Noise(std::mt19937& random, int octaves) {
    std::vector<float> field(size_t(kSide) * kSide, 0.0f);
    float amplitude = 1.0f;
    for (int o = 0; o < octaves; ++o) {
        const int cells = 4 << o;
        const float cell = float(kSide) / float(cells);
        std::vector<float> grid(size_t(cells + 1) * (cells + 1));
        for (float& v : grid)
            v = float(random() % 1000) / 1000.0f;
        for (int y = 0; y < kSide; ++y) {
            const float gy = float(y) / cell;
            const int y0 = int(gy);
            const float fy = gy - float(y0);
            for (int x = 0; x < kSide; ++x) {
                const float gx = float(x) / cell;
                const int x0 = int(gx);
                const float fx = gx - float(x0);
                auto at = [&](int i, int j) { return grid[size_t(j) * (cells + 1) + i]; };
                const float top = at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx;
                const float bottom = at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx;
                field[size_t(y) * kSide + x] += amplitude * (top * (1 - fy) + bottom * fy);
            }
        }
        amplitude *= 0.5f;
    }
    return field;
}

const DibContent& Photo() {
    static const DibContent picture = [] {
        std::mt19937 random(2026);
        const std::vector<float> light = Noise(random, 6), hue = Noise(random, 4),
                                 tint = Noise(random, 5);
        std::normal_distribution<float> grain(0.0f, 2.0f);
        // Hard-edged objects of their own colour, lit by the same noise.
        struct Blob {
            float cx, cy, rx, ry, r, g, b;
        };
        std::vector<Blob> blobs;
        for (int k = 0; k < 30; ++k)
            blobs.push_back({float(random() % kSide), float(random() % kSide),
                             float(30 + random() % 220), float(30 + random() % 220),
                             float(random() % 256), float(random() % 256), float(random() % 256)});
        DibContent c = MakeDibContent(kSide, kSide, 24, 0);
        for (int y = 0; y < kSide; ++y) {
            uchar* row = c.row(y);
            for (int x = 0; x < kSide; ++x) {
                const size_t i = size_t(y) * kSide + x;
                const float l = light[i] / 1.97f, h = hue[i] / 1.94f * 6.2832f, t = tint[i] / 1.97f;
                float r = 255 * l * (0.6f + 0.4f * std::cos(h)) + 40 * t;
                float g = 255 * l * (0.6f + 0.4f * std::cos(h - 2.1f)) + 20 * t;
                float b = 255 * l * (0.6f + 0.4f * std::cos(h + 2.1f)) + 10 * t;
                for (const Blob& o : blobs) {
                    const float dx = (float(x) - o.cx) / o.rx, dy = (float(y) - o.cy) / o.ry;
                    const float d = dx * dx + dy * dy;
                    if (d < 1) {
                        const float shade = 0.55f + 0.45f * (1 - d) + 0.3f * (l - 0.5f);
                        r = o.r * shade;
                        g = o.g * shade;
                        b = o.b * shade;
                    }
                }
                auto clamp = [&](float v) {
                    return uchar(
                        std::lround(std::fmin(255.0f, std::fmax(0.0f, v + grain(random)))));
                };
                row[3 * x] = clamp(b);
                row[3 * x + 1] = clamp(g);
                row[3 * x + 2] = clamp(r);
            }
        }
        return c;
    }();
    return picture;
}

// The photograph-like picture posterised to 32 levels a channel: some
// 20 000 distinct colours, as in renders, screenshots and graded pictures.
const DibContent& Posterised() {
    static const DibContent picture = [] {
        DibContent c = Photo().clone();
        for (int y = 0; y < kSide; ++y) {
            uchar* row = c.row(y);
            for (int k = 0; k < 3 * kSide; ++k)
                row[k] = uchar((row[k] >> 3) * 255 / 31);
        }
        return c;
    }();
    return picture;
}

// PSNR over the three channels of a palette picture against the original.
double Psnr(const DibContent& original, const DibContent& reduced) {
    DibContent wide = reduced.header.biBitCount == 24  ? reduced.clone()
                      : reduced.header.biBitCount == 8 ? Convert8BitRGBToTrueColor(reduced)
                                                       : Convert4BitRGBToTrueColor(reduced);
    const bool flip = (original.header.biHeight > 0) != (wide.header.biHeight > 0);
    double sum = 0;
    for (int y = 0; y < kSide; ++y) {
        const uchar* a = original.row(y);
        const uchar* b = wide.row(flip ? kSide - 1 - y : y);
        for (int k = 0; k < 3 * kSide; ++k) {
            const double d = double(a[k]) - double(b[k]);
            sum += d * d;
        }
    }
    const double mse = sum / (3.0 * kSide * kSide);
    return 10 * std::log10(255.0 * 255.0 / mse);
}

void BM_TrueColorTo8BitLow(benchmark::State& state) {
    const DibContent& photo = Photo();
    DibContent out;
    for (auto _ : state) {
        out = ConvertTrueColorTo8BitRGBLow(photo, {});
        benchmark::DoNotOptimize(out.bits.data());
    }
    state.counters["psnr_db"] = Psnr(photo, out);
}

void BM_TrueColorTo8BitHigh(benchmark::State& state) {
    const DibContent& photo = Photo();
    DibContent out;
    for (auto _ : state) {
        out = ConvertTrueColorTo8BitRGBHigh(photo, {});
        benchmark::DoNotOptimize(out.bits.data());
    }
    state.counters["psnr_db"] = Psnr(photo, out);
}

void BM_TrueColorTo4BitLow(benchmark::State& state) {
    const DibContent& photo = Photo();
    DibContent out;
    for (auto _ : state) {
        out = ConvertTrueColorTo4BitRGBLow(photo, {});
        benchmark::DoNotOptimize(out.bits.data());
    }
    state.counters["psnr_db"] = Psnr(photo, out);
}

void BM_TrueColorTo4BitHigh(benchmark::State& state) {
    const DibContent& photo = Photo();
    DibContent out;
    for (auto _ : state) {
        out = ConvertTrueColorTo4BitRGBHigh(photo, {});
        benchmark::DoNotOptimize(out.bits.data());
    }
    state.counters["psnr_db"] = Psnr(photo, out);
}

void BM_PosterisedTo8BitHigh(benchmark::State& state) {
    const DibContent& picture = Posterised();
    DibContent out;
    for (auto _ : state) {
        out = ConvertTrueColorTo8BitRGBHigh(picture, {});
        benchmark::DoNotOptimize(out.bits.data());
    }
    state.counters["psnr_db"] = Psnr(picture, out);
}

void BM_PosterisedTo4BitHigh(benchmark::State& state) {
    const DibContent& picture = Posterised();
    DibContent out;
    for (auto _ : state) {
        out = ConvertTrueColorTo4BitRGBHigh(picture, {});
        benchmark::DoNotOptimize(out.bits.data());
    }
    state.counters["psnr_db"] = Psnr(picture, out);
}

// The whole ImageMagick process: reading, quantising, writing.
void BM_ImageMagickColors256(benchmark::State& state) {
    const QString program = QString::fromLocal8Bit(qgetenv("VELLOMAR_IM_CONVERT"));
    const QString convert = program.isEmpty() ? QStringLiteral("/usr/bin/convert") : program;
    if (!QFile::exists(convert)) {
        state.SkipWithError("ImageMagick's convert is not installed");
        return;
    }
    const QString in = QDir::temp().filePath(QStringLiteral("vellomar-bench-photo.bmp"));
    const QString out = QDir::temp().filePath(QStringLiteral("vellomar-bench-im.bmp"));
    {
        QFile file(in);
        file.open(QIODevice::WriteOnly);
        TVmDIB holder;
        holder.WritableDIB().ReplaceContent(Photo().clone());
        holder.SaveToStream(file);
    }
    const QByteArray command =
        (convert + " " + in + " -colors 256 +dither BMP3:" + out).toLocal8Bit();
    for (auto _ : state) {
        if (std::system(command.constData()) != 0) {
            state.SkipWithError("convert failed");
            return;
        }
    }
    TVmDIB result;
    result.LoadFromFile(out);
    result.SetPixelFormat(DibFormat24Bit);
    state.counters["psnr_db"] = Psnr(Photo(), result.InternalDIB().content());
    if (qgetenv("VELLOMAR_BENCH_KEEP").isEmpty()) {
        QFile::remove(in);
        QFile::remove(out);
    }
}

} // namespace

BENCHMARK(BM_TrueColorTo8BitLow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrueColorTo8BitHigh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrueColorTo4BitLow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrueColorTo4BitHigh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PosterisedTo8BitHigh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PosterisedTo4BitHigh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImageMagickColors256)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_MAIN();
