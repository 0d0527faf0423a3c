// Pixel-format conversions, RLE, quantisers and the true-colour palette.
#include "DibTestUtil.h"

#include "dib/DibConversions.h"

#include <QRandomGenerator>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

#if defined(Q_OS_LINUX)
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>
#endif

using namespace dibtest;

namespace {

const QRgb kWhite = qRgb(255, 255, 255), kBlack = qRgb(0, 0, 0);
const QRgb kFour[4] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), kWhite};

// Runs of five so that every format, RLE included, can hold the picture.
QRgb FourColours(int x, int y) {
    return kFour[(x / 5 + y) % 4];
}
QRgb BlackAndWhite(int x, int y) {
    return ((x / 5 + y) % 2) ? kWhite : kBlack;
}

const int kSources[] = {DibFormat1Bit, DibFormat4Bit,    DibFormat4BitRLE,
                        DibFormat8Bit, DibFormat8BitRLE, DibFormat24Bit};

void ExpectPicture(const TVmDIB& dib, const std::function<QRgb(int, int)>& expected) {
    const Pixels px(dib);
    for (int y = 0; y < px.height(); ++y)
        for (int x = 0; x < px.width(); ++x)
            ASSERT_EQ(px.at(x, y), expected(x, y)) << "at " << x << "," << y;
}

// A packed 8 or 4-bit RLE picture with two colours around hand-made data.
void LoadRle(TVmDIB& dib, int bits, int width, int height, const QByteArray& data) {
    QByteArray block(40, '\0');
    auto put = [&](int at, quint32 v, int n) {
        for (int i = 0; i < n; ++i)
            block[at + i] = char((v >> (8 * i)) & 0xFF);
    };
    put(0, 40, 4);
    put(4, quint32(width), 4);
    put(8, quint32(height), 4);
    put(12, 1, 2);
    put(14, quint32(bits), 2);
    put(16, bits == 8 ? BI_RLE8 : BI_RLE4, 4);
    put(32, 2, 4);
    block.append("\x00\x00\x00\x00\xFF\xFF\xFF\x00", 8);
    dib.LoadFromClipboardFormat(CF_DIB, block + data, nullptr);
}

QString DecodeError(int bits, int width, int height, const QByteArray& data) {
    TVmDIB dib;
    LoadRle(dib, bits, width, height, data);
    return ErrorOf([&] { dib.SetPixelFormat(bits == 8 ? DibFormat8Bit : DibFormat4Bit); });
}

} // namespace

TEST(DibConvert, EveryPairOfFormatsKeepsThePixels) {
    for (int from : kSources) {
        for (int to : kSources) {
            SCOPED_TRACE(QStringLiteral("%1 -> %2").arg(from).arg(to).toStdString());
            // One bit holds only black and white; the others hold the four colours.
            const bool mono = from == DibFormat1Bit;
            auto source = mono ? BlackAndWhite : FourColours;
            TVmDIB dib;
            dib.MonoKeyColor = kWhite & 0xFFFFFF;
            MakePicture(dib, 40, 3, source);
            dib.SetPixelFormat(from);
            ASSERT_EQ(dib.GetPixelFormat(), from);
            dib.SetPixelFormat(to);
            ASSERT_EQ(dib.GetPixelFormat(), to);
            if (to == DibFormat1Bit)
                ExpectPicture(
                    dib, [&](int x, int y) { return source(x, y) == kWhite ? kWhite : kBlack; });
            else
                ExpectPicture(dib, source);
        }
    }
}

TEST(DibConvert, HalftoneTargetsFromEverySource) {
    for (int from : kSources) {
        SCOPED_TRACE(from);
        auto source = from == DibFormat1Bit ? BlackAndWhite : FourColours;
        TVmDIB dib;
        MakePicture(dib, 40, 3, source);
        dib.SetPixelFormat(from);
        TVmDIB colour;
        colour.Assign(&dib);
        colour.SetPixelFormat(DibFormatHalftone);
        EXPECT_EQ(colour.GetPixelFormat(), DibFormat8Bit);
        EXPECT_EQ(colour.InternalDIB().header().biClrUsed, 215u);
        // Pure red, green, blue, black and white are halftone colours: no error to spread.
        ExpectPicture(colour, source);

        TVmDIB bw;
        bw.Assign(&dib);
        bw.SetPixelFormat(DibFormatHalftoneBW);
        EXPECT_EQ(bw.GetPixelFormat(), DibFormat1Bit);
        if (from == DibFormat1Bit)
            ExpectPicture(bw, source);
    }
}

TEST(DibConvert, HalftoneDiffusesGreyIntoAnEvenMix) {
    TVmDIB dib;
    MakePicture(dib, 64, 64, [](int, int) { return qRgb(128, 128, 128); });
    dib.SetPixelFormat(DibFormatHalftoneBW);
    const Pixels px(dib);
    int white = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            white += px.at(x, y) == kWhite;
    EXPECT_NEAR(white, 64 * 64 / 2, 64);
}

TEST(DibConvert, OneBitKeepsWhiteExactly) {
    auto source = [](int x, int) {
        const QRgb colours[] = {kWhite, qRgb(254, 255, 255), kBlack, qRgb(255, 0, 0)};
        return colours[x % 4];
    };
    for (int from : {DibFormat24Bit, DibFormat8Bit, DibFormat4Bit}) {
        TVmDIB dib;
        // High keeps the two near-whites apart; Low puts them into one cell.
        dib.ConvertQuality = ConvertQualityHigh;
        MakePicture(dib, 8, 2, source);
        dib.SetPixelFormat(from);
        dib.SetPixelFormat(DibFormat1Bit);
        EXPECT_EQ(dib.InternalDIB().colors()[0], (RgbQuad{0, 0, 0, 0}));
        EXPECT_EQ(dib.InternalDIB().colors()[1], (RgbQuad{255, 255, 255, 0}));
        ExpectPicture(dib, [](int x, int) { return x % 4 == 0 ? kWhite : kBlack; });
    }
    TVmDIB red;
    red.MonoKeyColor = RgbToColor(255, 0, 0);
    MakePicture(red, 8, 2, source);
    red.SetPixelFormat(DibFormat1Bit);
    ExpectPicture(red, [](int x, int) { return x % 4 == 3 ? kWhite : kBlack; });
}

TEST(DibRle, RoundTripsOfStretchesAndLongRuns) {
    for (int bits : {8, 4}) {
        const int runFormat = bits == 8 ? DibFormat8BitRLE : DibFormat4BitRLE;
        const int plain = bits == 8 ? DibFormat8Bit : DibFormat4Bit;
        // Stretches of one to three differing pixels between runs.
        for (int stretch = 1; stretch <= 3; ++stretch) {
            SCOPED_TRACE(stretch);
            auto source = [stretch](int x, int y) {
                return x < stretch ? kFour[(x + y) % 3] : kFour[3];
            };
            TVmDIB dib;
            MakePicture(dib, 24, 4, source);
            dib.SetPixelFormat(plain);
            dib.SetPixelFormat(runFormat);
            TVmDIB back;
            LoadBytes(back, SaveBytes(dib));
            ExpectPicture(back, source);
        }
        // Runs around the 255-pixel limit, followed by a stretch.
        for (int run = 254; run <= 257; ++run) {
            SCOPED_TRACE(run);
            auto source = [run](int x, int y) {
                return x < run ? kFour[y % 2] : kFour[(x - run) % 3 + 1];
            };
            TVmDIB dib;
            MakePicture(dib, run + 7, 2, source);
            dib.SetPixelFormat(runFormat);
            ExpectPicture(dib, source);
        }
    }
}

TEST(DibRle, EncodedStreamHasRunsStretchesAndEndCodes) {
    TVmDIB dib;
    // Black has the lower red, so the split puts it first: black 0, red 1.
    MakePicture(dib, 16, 1, [](int x, int) {
        const int pattern[] = {0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
        return pattern[x] ? qRgb(255, 0, 0) : kBlack;
    });
    dib.SetPixelFormat(DibFormat8Bit);
    const RgbQuad black = dib.InternalDIB().colors()[0];
    ASSERT_EQ(black, (RgbQuad{0, 0, 0, 0}));
    dib.SetPixelFormat(DibFormat8BitRLE);
    const DibSection& bits = dib.InternalDIB().bits();
    const QByteArray stream(reinterpret_cast<const char*>(bits.data()), bits.size());
    // 0 0 0 | 1 0 (stretch of two: encoded runs of one) | 1 1 1 1 1 | 0 x 6 | end of line, end.
    EXPECT_EQ(stream, QByteArray("\x03\x00\x01\x01\x01\x00\x05\x01\x06\x00\x00\x00\x00\x01", 14));
}

TEST(DibRle, TooNarrowOrNoisyPicturesDoNotCompress) {
    for (int width = 1; width <= 3; ++width) {
        TVmDIB dib;
        MakePicture(dib, width, 4, [](int, int) { return kWhite; });
        dib.SetPixelFormat(DibFormat8Bit);
        // Every row needs a run and an end of line: as much as the row itself.
        EXPECT_EQ(ErrorOf([&] { dib.SetPixelFormat(DibFormat8BitRLE); }),
                  "Convert8BitRGBTo8BitRLE: Compression Failed");
        EXPECT_EQ(dib.GetPixelFormat(), DibFormat8Bit);
    }
    QRandomGenerator random(7);
    TVmDIB noise;
    noise.SetWidth(64);
    noise.SetHeight(64);
    DibContent content = noise.InternalDIB().content().clone();
    for (qint64 i = 0; i < content.bits.size(); ++i)
        content.bits.data()[i] = uchar(random.bounded(256));
    EXPECT_EQ(ErrorOf([&] { Convert8BitRGBTo8BitRLE(content); }),
              "Convert8BitRGBTo8BitRLE: Compression Failed");
    content.header.biBitCount = 4;
    content.header.biWidth = 128;
    EXPECT_EQ(ErrorOf([&] { Convert4BitRGBTo4BitRLE(content); }),
              "Convert4BitRGBTo4BitRLE: Compression Failed");
}

TEST(DibRle, DecodersCheckEveryStep) {
    const QByteArray endOfPicture("\x00\x01", 2);
    // End of line past the last row; delta, absolute and encoded runs past the edge.
    EXPECT_EQ(DecodeError(8, 4, 1, QByteArray("\x00\x00\x00\x00", 4) + endOfPicture),
              "Convert8BitRLETo8BitRGB: Bad RLE Data 1");
    EXPECT_EQ(DecodeError(8, 4, 2, QByteArray("\x00\x02\x05\x00", 4) + endOfPicture),
              "Convert8BitRLETo8BitRGB: Bad RLE Data 2");
    EXPECT_EQ(DecodeError(8, 4, 2, QByteArray("\x00\x02\x00\x03", 4) + endOfPicture),
              "Convert8BitRLETo8BitRGB: Bad RLE Data 2");
    EXPECT_EQ(DecodeError(8, 4, 1, QByteArray("\x00\x05\x01\x01\x01\x01\x01\x00", 8)),
              "Convert8BitRLETo8BitRGB: Bad RLE Data 3");
    EXPECT_EQ(DecodeError(8, 4, 1, QByteArray("\x00\x00\x00\x03\x01\x01\x01\x00", 8)),
              "Convert8BitRLETo8BitRGB: Bad RLE Data 3");
    EXPECT_EQ(DecodeError(8, 4, 1, QByteArray("\x05\x01", 2) + endOfPicture),
              "Convert8BitRLETo8BitRGB: Bad RLE Data 4");
    EXPECT_EQ(DecodeError(8, 4, 1, QByteArray("\x00\x00\x01\x01", 4) + endOfPicture),
              "Convert8BitRLETo8BitRGB: Bad RLE Data 4");
    EXPECT_EQ(DecodeError(4, 4, 1, QByteArray("\x00\x00\x00\x00", 4) + endOfPicture),
              "Convert4BitRLETo4BitRGB: Bad RLE Data 5");
    EXPECT_EQ(DecodeError(4, 4, 2, QByteArray("\x00\x02\x05\x00", 4) + endOfPicture),
              "Convert4BitRLETo4BitRGB: Bad RLE Data 6");
    EXPECT_EQ(DecodeError(4, 4, 1, QByteArray("\x00\x05\x11\x11\x10\x00", 6)),
              "Convert4BitRLETo4BitRGB: Bad RLE Data 7");
    EXPECT_EQ(DecodeError(4, 4, 1, QByteArray("\x05\x11", 2) + endOfPicture),
              "Convert4BitRLETo4BitRGB: Bad RLE Data 8");
}

TEST(DibRle, SkippedPixelsAreZeroAndCutDataEndsThePicture) {
    TVmDIB dib;
    // One pixel of 1, a delta one right and one up, two of 1, end of line, and an
    // absolute run of three whose data stop after the first pixel.
    LoadRle(dib, 8, 4, 3, QByteArray("\x01\x01\x00\x02\x01\x01\x02\x01\x00\x00\x00\x03\x01", 13));
    dib.SetPixelFormat(DibFormat8Bit);
    const DibContent& c = dib.InternalDIB().content();
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(c.bits.data()), 12),
              QByteArray("\x01\x00\x00\x00\x00\x00\x01\x01\x01\x00\x00\x00", 12));
    TVmDIB four;
    LoadRle(four, 4, 4, 1, QByteArray("\x03\x10", 2));
    four.SetPixelFormat(DibFormat4Bit);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(four.InternalDIB().bits().data()), 4),
              QByteArray("\x10\x10\x00\x00", 4));
}

TEST(DibConvert, ProgressStepsAndMessages) {
    TVmDIB dib;
    MakePicture(dib, 16, 16, [](int x, int y) { return qRgb(x / 4 * 64, y * 16, 0); });
    QStringList messages;
    int running = 0, starting = 0, ending = 0, lastPercent = -1;
    bool increasing = true;
    dib.OnProgress = [&](TVmGraphic&, TProgressStage stage, int percent, const QRect& rect,
                         const QString& message) {
        EXPECT_EQ(rect, QRect(0, 0, 16, 16));
        messages << message;
        if (stage == TProgressStage::Starting)
            ++starting;
        if (stage == TProgressStage::Ending)
            ++ending;
        if (stage == TProgressStage::Running) {
            ++running;
            increasing = increasing && percent >= lastPercent && percent < 100;
            lastPercent = percent;
        }
    };
    dib.SetPixelFormat(DibFormat24Bit);
    EXPECT_TRUE(messages.isEmpty());
    dib.SetPixelFormat(DibFormat8BitRLE);
    EXPECT_EQ(starting, 1);
    EXPECT_EQ(ending, 1);
    EXPECT_EQ(running, 255);
    EXPECT_TRUE(increasing);
    EXPECT_EQ(messages.first(), "PixelFormat 24Bit -> 8BitRLE");
    messages.clear();
    running = 0;
    dib.SetPixelFormat(DibFormat8Bit);
    EXPECT_TRUE(messages.isEmpty()) << "decoding raises no progress";
    dib.SetPixelFormat(DibFormat4Bit);
    EXPECT_EQ(running, 15);
    EXPECT_EQ(messages.first(), "PixelFormat 8Bit -> 4Bit");
}

TEST(DibPalette, CreateTrueColorPaletteHighGivesAFewColoursExactly) {
    TVmDIB dib;
    dib.ConvertQuality = ConvertQualityHigh;
    MakePicture(dib, 16, 16, [](int x, int y) { return qRgb(y * 16 + x, y * 16 + x, 255 - x); });
    int steps = 0;
    QString message;
    dib.OnProgress = [&](TVmGraphic&, TProgressStage stage, int, const QRect&, const QString& m) {
        steps += stage == TProgressStage::Running;
        message = m;
    };
    dib.CreateTrueColorPalette();
    EXPECT_EQ(steps, 255);
    EXPECT_EQ(message, "Create True Color Palette");
    EXPECT_EQ(dib.GetPixelFormat(), DibFormat24Bit);
    ASSERT_EQ(dib.InternalDIB().header().biClrUsed, 256u);
    std::set<QRgb> palette, expected;
    for (int i = 0; i < 256; ++i) {
        const RgbQuad& c = dib.InternalDIB().colors()[size_t(i)];
        palette.insert(qRgb(c.rgbRed, c.rgbGreen, c.rgbBlue));
        expected.insert(qRgb(i, i, 255 - i % 16));
    }
    EXPECT_EQ(palette, expected);
    EXPECT_EQ(dib.GetPalette()->count(), 256);

    TVmDIB eight;
    eight.SetBitCount(8);
    EXPECT_EQ(ErrorOf([&] { eight.CreateTrueColorPalette(); }),
              "TVmInternalDIB.CreateTrueColorPalette: Bad DIB Type");
}

TEST(DibPalette, QuantisersKeepPhotographLikePicturesClose) {
    auto smooth = [](int x, int y) {
        return qRgb((x * 255) / 63, (y * 255) / 63, ((x + y) * 255) / 126);
    };
    TVmDIB original;
    MakePicture(original, 64, 64, smooth);
    for (int quality : {ConvertQualityLow, ConvertQualityHigh}) {
        SCOPED_TRACE(quality);
        TVmDIB eight;
        eight.Assign(&original);
        eight.ConvertQuality = quality;
        eight.SetPixelFormat(DibFormat8Bit);
        EXPECT_LE(eight.InternalDIB().header().biClrUsed, 256u);
        EXPECT_GT(Psnr(original, eight), 30.0);
        TVmDIB four;
        four.Assign(&original);
        four.ConvertQuality = quality;
        four.SetPixelFormat(DibFormat4Bit);
        EXPECT_LE(four.InternalDIB().header().biClrUsed, 16u);
        EXPECT_GT(Psnr(original, four), 20.0);
    }
    TVmDIB reduced;
    reduced.Assign(&original);
    reduced.SetPixelFormat(DibFormat8Bit);
    reduced.SetPixelFormat(DibFormat4Bit);
    EXPECT_LE(reduced.InternalDIB().header().biClrUsed, 16u);
    EXPECT_GT(Psnr(original, reduced), 20.0);
}

TEST(DibConvert, RoutinesRefuseSourcesTheyDoNotTake) {
    TVmDIB dib;
    dib.SetBitCount(24);
    const DibContent& truecolor = dib.InternalDIB().content();
    EXPECT_EQ(ErrorOf([&] { Convert8BitRLETo8BitRGB(truecolor); }),
              "Convert8BitRLETo8BitRGB: Invalid Bitcount & Compression Combination");
    EXPECT_EQ(ErrorOf([&] { Convert1BitRGBTo8BitRGB(truecolor); }),
              "Convert1BitRGBTo8BitRGB: Invalid Bitcount & Compression Combination");
    EXPECT_EQ(ErrorOf([&] { Convert8BitRGBTo4BitRGB(truecolor, {}); }),
              "Convert8BitRGBTo4BitRGB: Invalid Bitcount or Compression");
    EXPECT_EQ(ErrorOf([&] { Convert4BitRGBTo1BitRGB(truecolor, 0, 0, 0); }),
              "Convert4BitRGBTo1BitRGB: Invalid Bitcount");
    EXPECT_EQ(ErrorOf([&] { ConvertTrueColorTo8BitRGBHigh(truecolor, {}, 9); }),
              "ConvertTrueColorTo8BitRGBHigh: Invalid DivideID");
    EXPECT_EQ(ErrorOf([&] { ConvertTrueColorTo4BitRGBHigh(truecolor, {}, 9); }),
              "ConvertTrueColorTo8BitRGBHigh: Invalid DivideID");
    dib.SetBitCount(8);
    const DibContent& eight = dib.InternalDIB().content();
    EXPECT_EQ(ErrorOf([&] { ConvertTrueColorTo8BitRGBLow(eight, {}); }),
              "ConvertTrueColorTo8BitRGBLow: Invalid Bitcount");
    DibContent rle = eight.clone();
    rle.header.biCompression = BI_RLE8;
    EXPECT_EQ(ErrorOf([&] { ConvertToHalfTone(rle); }), "ConvertToHalfTone: Invalid DIB Format");
    DibContent sixteen = eight.clone();
    sixteen.header.biBitCount = 16;
    EXPECT_EQ(ErrorOf([&] { ConvertToHalfToneBW(sixteen); }),
              "ConvertToHalfToneBW: Invalid Bit Count");

    dib.ConvertQuality = 5;
    EXPECT_EQ(ErrorOf([&] { dib.SetPixelFormat(DibFormat24Bit); }),
              "TVmIntenalDIB.SetPixelsFormat: PixelFormat Error");
    dib.ConvertQuality = ConvertQualityLow;
    EXPECT_EQ(ErrorOf([&] { dib.SetPixelFormat(9); }),
              "TVmIntenalDIB.SetPixelsFormat: PixelFormat Error");
}

TEST(DibConvert, FailedConversionLeavesThePictureAsItWas) {
    TVmDIB dib;
    LoadRle(dib, 8, 4, 1, QByteArray("\x05\x01\x00\x01", 4));
    TVmDIB shared;
    shared.Assign(&dib);
    EXPECT_EQ(ErrorOf([&] { dib.SetPixelFormat(DibFormat24Bit); }),
              "Convert8BitRLETo8BitRGB: Bad RLE Data 4");
    EXPECT_EQ(dib.GetPixelFormat(), DibFormat8BitRLE);
    EXPECT_EQ(dib.InternalDIB().bitsSize(), 4);
    EXPECT_EQ(shared.GetPixelFormat(), DibFormat8BitRLE);

    QByteArray block(40, '\0');
    block[0] = 40;
    block[4] = 1;
    block[8] = 1;
    block[12] = 1;
    block[14] = 8;
    block[16] = BI_RLE4;
    block[32] = 1;
    TVmDIB odd;
    odd.LoadFromClipboardFormat(CF_DIB, block + QByteArray(8, '\0'), nullptr);
    EXPECT_EQ(ErrorOf([&] { odd.GetPixelFormat(); }),
              "TVmInternalDIB.GetPixelFormat: Invalid DIB(8Bit)");
}

#if defined(Q_OS_LINUX) && !defined(__SANITIZE_ADDRESS__)
namespace {

// Encodes 1 GiB of untouched pixels with room for far less than the output;
// exits 3 when that fails as a picture error.
void EncodeWithoutMemory() {
    DibSetAllocationLimit(int64_t(2) << 30);
    const DibContent source = MakeDibContent(32768, 32768, 8, 256);
    long pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld", &pages) != 1)
            pages = 0;
        std::fclose(f);
    }
    const rlim_t room = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + (rlim_t(256) << 20);
    rlimit limit;
    limit.rlim_cur = room;
    limit.rlim_max = room;
    setrlimit(RLIMIT_AS, &limit);
    try {
        Convert8BitRGBTo8BitRLE(source);
    } catch (const EPictureError&) {
        _exit(3);
    }
    _exit(0);
}

} // namespace

TEST(DibRleDeathTest, EncoderOutOfMemoryIsAPictureError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(EncodeWithoutMemory(), ::testing::ExitedWithCode(3), "");
}
#endif
