// RLE8 encoding and decoding of a 4096 x 4096 8-bit picture made of runs.
#include "dib/DibConversions.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

const DibContent& Picture() {
    static const DibContent picture = [] {
        DibContent c = MakeDibContent(4096, 4096, 8, 256);
        std::mt19937 random(42);
        for (int y = 0; y < 4096; ++y) {
            uint8_t* row = c.row(y);
            int x = 0;
            while (x < 4096) {
                // Mostly runs, now and then a short stretch of differing pixels.
                int length = 1 + int(random() % 48);
                const bool stretch = random() % 4 == 0;
                for (int k = 0; k < length && x < 4096; ++k, ++x)
                    row[x] = uint8_t(stretch ? random() : (y / 8 + x / 64) * 7);
            }
        }
        return c;
    }();
    return picture;
}

void BM_Rle8Encode(benchmark::State& state) {
    const DibContent& picture = Picture();
    int64_t compressed = 0;
    for (auto _ : state) {
        DibContent out = Convert8BitRGBTo8BitRLE(picture);
        compressed = out.bits.size();
        benchmark::DoNotOptimize(out.bits.data());
    }
    state.SetBytesProcessed(state.iterations() * picture.bits.size());
    state.counters["ratio"] = double(compressed) / double(picture.bits.size());
}

void BM_Rle8Decode(benchmark::State& state) {
    const DibContent encoded = Convert8BitRGBTo8BitRLE(Picture());
    for (auto _ : state) {
        DibContent out = Convert8BitRLETo8BitRGB(encoded);
        benchmark::DoNotOptimize(out.bits.data());
    }
    // Measured on the pixels produced, as for the encoder.
    state.SetBytesProcessed(state.iterations() * Picture().bits.size());
}

} // namespace

BENCHMARK(BM_Rle8Encode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Rle8Decode)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
