// Loading a 4096 x 4096 24-bit BMP file from memory, beside Qt's reader and memcpy.
#include "pictures/TVmDIB.h"

#include <QBuffer>
#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>

namespace {

const QByteArray& BmpBytes() {
    static const QByteArray bytes = [] {
        QImage image(4096, 4096, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                line[x] = qRgb(x & 255, y & 255, (x ^ y) & 255);
        }
        TVmDIB dib;
        dib.Assign(image);
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        dib.SaveToStream(buffer);
        return out;
    }();
    return bytes;
}

void BM_TVmDIBLoad(benchmark::State& state) {
    QByteArray bytes = BmpBytes();
    for (auto _ : state) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        TVmDIB dib;
        dib.LoadFromStream(buffer);
        benchmark::DoNotOptimize(dib.InternalDIB().bits().data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_QImageLoad(benchmark::State& state) {
    const QByteArray& bytes = BmpBytes();
    for (auto _ : state) {
        QImage image;
        image.loadFromData(bytes, "BMP");
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Into a buffer allocated once and already touched.
void BM_MemcpyWarm(benchmark::State& state) {
    const QByteArray& bytes = BmpBytes();
    std::vector<char> target(size_t(bytes.size()), 1);
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.constData(), size_t(bytes.size()));
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

// Into fresh memory each time, as any loader has to.
void BM_MemcpyFresh(benchmark::State& state) {
    const QByteArray& bytes = BmpBytes();
    for (auto _ : state) {
        char* target = static_cast<char*>(std::malloc(size_t(bytes.size())));
        std::memcpy(target, bytes.constData(), size_t(bytes.size()));
        benchmark::DoNotOptimize(target);
        benchmark::ClobberMemory();
        std::free(target);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

BENCHMARK(BM_TVmDIBLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QImageLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyWarm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemcpyFresh)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
