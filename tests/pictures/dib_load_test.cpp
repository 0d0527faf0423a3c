// Loading and saving BMP files and packed DIBs, sharing and the setters.
#include "DibTestUtil.h"

#include <QMimeData>
#include <QPainter>
#include <climits>
#include <cstring>
#include <gtest/gtest.h>

using namespace dibtest;

const QRgb kWhiteRgb = qRgb(255, 255, 255);

namespace {

void Put16(QByteArray& b, int v) {
    b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
}
void Put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

QByteArray InfoHeader(int width, int height, int bits, quint32 compression = 0,
                      quint32 colorsUsed = 0) {
    QByteArray b;
    Put32(b, 40);
    Put32(b, quint32(width));
    Put32(b, quint32(height));
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, compression);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, colorsUsed);
    Put32(b, 0);
    return b;
}

// A BMP file around a header, colour table and pixels; file size as written.
QByteArray FileOf(const QByteArray& rest) {
    QByteArray b("BM");
    Put32(b, quint32(14 + rest.size()));
    Put32(b, 0);
    Put32(b, 0);
    return b + rest;
}

QString LoadError(const QByteArray& file) {
    TVmDIB dib;
    return ErrorOf([&] { LoadBytes(dib, file); });
}

QString PackedError(const QByteArray& block) {
    TVmDIB dib;
    return ErrorOf([&] { dib.LoadFromClipboardFormat(CF_DIB, block, nullptr); });
}

} // namespace

TEST(DibPacked, OnePixelTwentyFourBitsLoadsAndDraws) {
    QByteArray block = InfoHeader(1, 1, 24);
    block.append("\x30\x20\x10\x00", 4); // blue, green, red, row padding
    TVmDIB dib;
    dib.LoadFromClipboardFormat(CF_DIB, block, nullptr);
    EXPECT_EQ(dib.GetWidth(), 1);
    EXPECT_EQ(dib.GetHeight(), 1);
    EXPECT_EQ(dib.GetPixelFormat(), DibFormat24Bit);
    QImage target(3, 3, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        dib.Draw(painter, QRect(1, 1, 1, 1));
    }
    EXPECT_EQ(target.pixel(1, 1) & 0xFFFFFF, 0x102030u);
    EXPECT_EQ(target.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(target.pixel(2, 2) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(DibPacked, EightBitsWithoutColoursUsedReadsAFullTable) {
    QByteArray block = InfoHeader(2, 1, 8);
    for (int i = 0; i < 256; ++i)
        Put32(block, quint32(i) << 16); // red = i
    block.append("\x05\xFA\x00\x00", 4);
    TVmDIB dib;
    dib.LoadFromClipboardFormat(CF_DIB, block, nullptr);
    EXPECT_EQ(dib.InternalDIB().header().biClrUsed, 256u);
    const Pixels px(dib);
    EXPECT_EQ(px.at(0, 0) & 0xFFFFFF, 0x050000u);
    EXPECT_EQ(px.at(1, 0) & 0xFFFFFF, 0xFA0000u);
}

TEST(DibPacked, SixteenAndThirtyTwoBitsExpandByTheirMasks) {
    QByteArray plain = InfoHeader(2, 1, 16);
    Put16(plain, 0x7FFF);
    Put16(plain, 0x7C00);
    TVmDIB dib;
    dib.LoadFromClipboardFormat(CF_DIB, plain, nullptr);
    EXPECT_EQ(dib.GetBitCount(), 24);
    Pixels px(dib);
    EXPECT_EQ(px.at(0, 0) & 0xFFFFFF, qRgb(248, 248, 248) & 0xFFFFFF);
    EXPECT_EQ(px.at(1, 0) & 0xFFFFFF, qRgb(248, 0, 0) & 0xFFFFFF);

    QByteArray masked = InfoHeader(1, 1, 32, BI_BITFIELDS);
    Put32(masked, 0xFF0000);
    Put32(masked, 0x00FF00);
    Put32(masked, 0x0000FF);
    Put32(masked, 0x00123456);
    dib.LoadFromClipboardFormat(CF_DIB, masked, nullptr);
    EXPECT_EQ(Pixels(dib).at(0, 0) & 0xFFFFFF, 0x123456u);
    EXPECT_EQ(dib.InternalDIB().header().biCompression, BI_RGB);

    QByteArray zeroMask = InfoHeader(1, 1, 32, BI_BITFIELDS);
    Put32(zeroMask, 0xFF0000);
    Put32(zeroMask, 0);
    Put32(zeroMask, 0x0000FF);
    Put32(zeroMask, 0);
    EXPECT_EQ(PackedError(zeroMask), "TVmInternalDIB.LoadFromStream: Invalid Masks");

    // The core header has no masks: 16 bits take the 5-5-5 ones.
    QByteArray core;
    Put32(core, 12);
    Put16(core, 1);
    Put16(core, 1);
    Put16(core, 1);
    Put16(core, 16);
    Put16(core, 0x7FFF);
    Put16(core, 0);
    dib.LoadFromClipboardFormat(CF_DIB, core, nullptr);
    EXPECT_EQ(Pixels(dib).at(0, 0) & 0xFFFFFF, qRgb(248, 248, 248) & 0xFFFFFF);
}

TEST(DibPacked, HostileBlocksAreRefused) {
    EXPECT_EQ(PackedError(QByteArray("\x28\x00", 2)),
              "TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Data");
    EXPECT_EQ(PackedError(InfoHeader(1, 1, 8).left(30)),
              "TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Data");
    // A colour table that the block does not hold.
    EXPECT_EQ(PackedError(InfoHeader(1, 1, 8, 0, 0xFFFFFFF0u)),
              "TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Data");
    QByteArray other = InfoHeader(1, 1, 8);
    other[0] = 64;
    EXPECT_EQ(PackedError(other), "TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Data");
    EXPECT_EQ(PackedError(InfoHeader(1, 1, 7)),
              "TVmInternalDIB.LoadFromClipboardFormat: Invalid biBitCount");
    EXPECT_EQ(PackedError(InfoHeader(0, 1, 24)),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    // Width and height come before the bit count.
    EXPECT_EQ(PackedError(InfoHeader(0, 1, 7)),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(PackedError(InfoHeader(-4, 1, 24)),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(PackedError(InfoHeader(1, INT_MIN, 24)),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(PackedError(InfoHeader(40000, 1, 24)),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(PackedError(InfoHeader(4, -4, 8, BI_RLE8, 1) + QByteArray(8, '\0')),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    TVmDIB dib;
    EXPECT_EQ(ErrorOf([&] { dib.LoadFromClipboardFormat(2, InfoHeader(1, 1, 24), nullptr); }),
              "TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Format or No Data");
    EXPECT_EQ(ErrorOf([&] { dib.LoadFromClipboardFormat(CF_DIB, QByteArray(), nullptr); }),
              "TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Format or No Data");
}

TEST(DibPacked, SaveAndLoadRoundTrip) {
    TVmDIB dib;
    MakePicture(dib, 5, 3, [](int x, int y) { return qRgb(x * 40, y * 80, 7); });
    quint16 format = 0;
    QByteArray block;
    TVmPaletteRef palette = HalftonePalette();
    dib.SaveToClipboardFormat(format, block, palette);
    EXPECT_EQ(format, CF_DIB);
    EXPECT_FALSE(palette);
    EXPECT_EQ(block.size(), 40 + 3 * 16);
    TVmDIB back;
    back.LoadFromClipboardFormat(format, block, nullptr);
    EXPECT_EQ(Pixels(back).at(4, 2), qRgb(160, 160, 7));
    EXPECT_EQ(Pixels(back).at(0, 0), qRgb(0, 0, 7));
}

TEST(DibFile, CoreHeaderWithSixteenThreeByteColours) {
    QByteArray rest;
    Put32(rest, 12);
    Put16(rest, 2);
    Put16(rest, 1);
    Put16(rest, 1);
    Put16(rest, 4);
    for (int i = 0; i < 16; ++i)
        rest.append(char(i)).append(char(2 * i)).append(char(3 * i)); // blue, green, red
    rest.append("\xF1\x00\x00\x00", 4);
    TVmDIB dib;
    LoadBytes(dib, FileOf(rest));
    EXPECT_EQ(dib.InternalDIB().header().biClrUsed, 16u);
    EXPECT_EQ(dib.InternalDIB().colors()[15], (RgbQuad{15, 30, 45, 0}));
    const Pixels px(dib);
    EXPECT_EQ(px.at(0, 0), qRgb(45, 30, 15));
    EXPECT_EQ(px.at(1, 0), qRgb(3, 2, 1));
}

TEST(DibFile, ThreeHundredColoursKeepTheFirst256AndSkipTheRest) {
    QByteArray rest = InfoHeader(2, 1, 8, 0, 300);
    for (int i = 0; i < 300; ++i)
        Put32(rest, i < 256 ? quint32(i) : 0xFFFFFFu);
    rest.append("\x07\xFF\x00\x00", 4);
    TVmDIB dib;
    LoadBytes(dib, FileOf(rest));
    EXPECT_EQ(dib.InternalDIB().header().biClrUsed, 256u);
    const Pixels px(dib);
    EXPECT_EQ(px.at(0, 0), qRgb(0, 0, 7));
    EXPECT_EQ(px.at(1, 0), qRgb(0, 0, 255));
}

TEST(DibFile, HeaderFaults) {
    QByteArray ba = FileOf(InfoHeader(1, 1, 24) + QByteArray(4, '\0'));
    ba[1] = 'A';
    EXPECT_EQ(LoadError(ba), "TVmInternalDIB.LoadFromFile: File type is invalid");
    QByteArray odd = FileOf(InfoHeader(1, 1, 24) + QByteArray(4, '\0'));
    odd[14] = 64;
    EXPECT_EQ(LoadError(odd), "TVmInternalDIB.LoadFromStream: Invalid Bitmap Header Size");
    EXPECT_EQ(LoadError(FileOf(InfoHeader(1, 1, 2))),
              "TVmInternalDIB.LoadFromStream: Invalid BitCout");
    QByteArray core;
    Put32(core, 12);
    Put16(core, 1);
    Put16(core, 1);
    Put16(core, 1);
    Put16(core, 16);
    EXPECT_EQ(LoadError(FileOf(core)), "TVmInternalDIB.LoadFromStream: Invalid BitCount");
    EXPECT_EQ(LoadError(FileOf(InfoHeader(0, 1, 24))),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(LoadError(FileOf(InfoHeader(1, 0, 24))),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(LoadError(FileOf(InfoHeader(32769, 1, 24))),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(LoadError(FileOf(InfoHeader(1, -32769, 24))),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_FALSE(LoadError(FileOf(InfoHeader(1, 1, 8)).left(30)).isEmpty());
    // A colour table that runs past the end of the file.
    EXPECT_FALSE(LoadError(FileOf(InfoHeader(1, 1, 8, 0, 0x40000000))).isEmpty());
}

TEST(DibFile, HeadersWithMasksInsideReadLikeTheNewerOnes) {
    // The suite's 52 and 56-byte pictures against the same pictures with other headers.
    const QString suite = QStringLiteral(VELLOMAR_TESTDATA "/bmpsuite/");
    const std::pair<const char*, const char*> pairs[] = {{"q/rgb32h52.bmp", "g/rgb32bf.bmp"},
                                                         {"q/rgba32h56.bmp", "q/rgba32-1.bmp"}};
    for (const auto& [name, same] : pairs) {
        SCOPED_TRACE(name);
        const QByteArray bytes = ReadFile(suite + QLatin1String(name));
        ASSERT_FALSE(bytes.isEmpty());
        TVmDIB dib;
        TVmDIB reference;
        LoadBytes(dib, bytes);
        LoadBytes(reference, ReadFile(suite + QLatin1String(same)));
        const Pixels got(dib);
        const Pixels expected(reference);
        ASSERT_EQ(got.width(), expected.width());
        ASSERT_EQ(got.height(), expected.height());
        int wrong = 0;
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x)
                wrong += (got.at(x, y) & 0xFFFFFF) != (expected.at(x, y) & 0xFFFFFF);
        EXPECT_EQ(wrong, 0);
    }
    // The OS/2 header of 64 bytes stays refused.
    EXPECT_EQ(LoadError(ReadFile(suite + "q/pal8os2v2.bmp")),
              "TVmInternalDIB.LoadFromStream: Invalid Bitmap Header Size");
}

// However large a header says a picture is, what is made of it is bounded by
// the bytes the input holds and by the allocation limit.
TEST(DibFile, PicturesLargerThanTheirInputOrTheLimitAreRefused) {
    const QByteArray row = QByteArray("\x01\x02\x03\x00", 4);
    const QString cut = QStringLiteral("Stream read error");
    const QString block = QStringLiteral("TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Data");
    const QString section = QStringLiteral("GetFileMap: Cannot Make File Mapping Object");
    const struct {
        const char* what;
        QByteArray bytes;
        bool packed;
        QString error;
    } cases[] = {
        {"24 bits, no pixels", FileOf(InfoHeader(32768, 32768, 24)), false, cut},
        {"32 bits, no pixels", FileOf(InfoHeader(32768, 32768, 32)), false, cut},
        {"8 bits, one row of 32768", FileOf(InfoHeader(32768, 32768, 8, 0, 1) + row), false, cut},
        {"one row of three", FileOf(InfoHeader(1, 3, 24) + row), false, cut},
        {"packed, no pixels", InfoHeader(32768, 32768, 24), true, block},
        {"packed 16 bits, one row of two", InfoHeader(1, 2, 16) + row, true, block},
        {"whole rows", FileOf(InfoHeader(1, 1, 24) + row), false, QString()},
        // RLE data may describe more than they hold: the limit bounds their pixels.
        {"RLE8, 1 GiB decoded", FileOf(InfoHeader(32768, 32768, 8, BI_RLE8, 1) + row), false,
         section},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TVmDIB dib;
        EXPECT_EQ(ErrorOf([&] {
                      if (c.packed)
                          dib.LoadFromClipboardFormat(CF_DIB, c.bytes, nullptr);
                      else
                          LoadBytes(dib, c.bytes);
                      dib.SetPixelFormat(DibFormat8Bit);
                  }),
                  c.error);
    }
    // The limit can be lowered, as Qt's image readers allow.
    const QByteArray big = FileOf(InfoHeader(1024, 1024, 8, 0, 1) + QByteArray(4 + (1 << 20), 0));
    DibSetAllocationLimit(qint64(1) << 20);
    TVmDIB dib;
    EXPECT_EQ(ErrorOf([&] { LoadBytes(dib, big); }), QString());
    EXPECT_EQ(ErrorOf([&] { dib.SetPixelFormat(DibFormat24Bit); }), section);
    DibSetAllocationLimit(DibAllocationLimitDefault);
}

TEST(DibFile, SaveWritesHeaderTableAndPixels) {
    TVmDIB dib;
    dib.SetBitCount(4);
    const QByteArray bytes = SaveBytes(dib);
    ASSERT_EQ(bytes.size(), 14 + 40 + 16 * 4 + 4);
    EXPECT_EQ(bytes.left(2), "BM");
    quint32 size, offset;
    std::memcpy(&size, bytes.constData() + 2, 4);
    std::memcpy(&offset, bytes.constData() + 10, 4);
    EXPECT_EQ(size, quint32(bytes.size()));
    EXPECT_EQ(offset, 54u + 64u);
}

TEST(DibShare, AssignSharesAndChangingCopiesFirst) {
    TVmDIB first;
    MakePicture(first, 4, 4, [](int, int) { return qRgb(10, 20, 30); });
    TVmDIB second;
    second.Assign(&first);
    EXPECT_EQ(first.InternalDIB().refCount(), 2);
    EXPECT_EQ(&first.InternalDIB(), &second.InternalDIB());
    second.SetPixelFormat(DibFormat1Bit);
    EXPECT_EQ(first.GetPixelFormat(), DibFormat24Bit);
    EXPECT_EQ(first.InternalDIB().refCount(), 1);
    EXPECT_EQ(Pixels(first).at(3, 3), qRgb(10, 20, 30));
    EXPECT_EQ(Pixels(second).at(3, 3), qRgb(0, 0, 0));

    TVmDIB third;
    third.Assign(&first);
    third.SetPalette(BlackWhitePalette());
    EXPECT_EQ(first.InternalDIB().header().biClrUsed, 0u);
    EXPECT_EQ(third.InternalDIB().header().biClrUsed, 2u);

    third.Assign(nullptr);
    EXPECT_EQ(third.GetWidth(), 1);
    EXPECT_EQ(third.GetBitCount(), 8);
}

TEST(DibShare, BlankPictureAndSetters) {
    TVmDIB dib;
    EXPECT_FALSE(dib.GetEmpty());
    EXPECT_EQ(dib.GetWidth(), 1);
    EXPECT_EQ(dib.GetHeight(), 1);
    EXPECT_EQ(dib.GetBitCount(), 8);
    EXPECT_EQ(dib.InternalDIB().header().biClrUsed, 2u);
    int changes = 0;
    dib.OnChange = [&](TVmGraphic&) { ++changes; };
    dib.SetWidth(1);
    EXPECT_EQ(changes, 0);
    dib.SetWidth(7);
    dib.SetHeight(-3);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(dib.GetHeight(), 3);
    EXPECT_EQ(dib.InternalDIB().header().biHeight, -3);
    dib.SetBitCount(1);
    EXPECT_EQ(dib.InternalDIB().header().biClrUsed, 2u);
    EXPECT_EQ(dib.InternalDIB().bitsSize(), 12);
    EXPECT_FALSE(dib.GetEmpty());
    EXPECT_EQ(ErrorOf([&] { dib.SetWidth(0); }), "TVmDIB.SetWidth: Invalid Width");
    EXPECT_EQ(ErrorOf([&] { dib.SetHeight(0); }), "TVmDIB.SetWidth: Invalid Height");
    EXPECT_EQ(ErrorOf([&] { dib.SetBitCount(16); }), "TVmDIB.SetBitCount: Invalid BitCount");
    EXPECT_EQ(ErrorOf([&] { dib.SetPalette(std::make_shared<TVmPalette>()); }),
              "TVmDIB.SetPalette: Invalid Palette");
}

TEST(DibShare, PalettesFollowTheColourTableAndTheHalftoneMode) {
    TVmDIB dib;
    dib.SetBitCount(1);
    EXPECT_EQ(dib.GetPalette()->count(), 2);
    dib.HalftoneMode = 1;
    ASSERT_EQ(dib.GetPalette()->count(), 215);
    EXPECT_EQ(dib.GetPalette()->entries()[1 * 35 + 2 * 5 + 3], qRgb(51, 85, 192));
    EXPECT_EQ(dib.GetPalette()->entries()[214], qRgb(128, 128, 128));
    dib.HalftoneMode = 2;
    EXPECT_EQ(dib.GetPalette()->entries(), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    dib.HalftoneMode = 0;
    dib.SetBitCount(24);
    EXPECT_FALSE(dib.GetPalette());
}

TEST(DibDraw, StretchesWithNearestNeighbourAndKeepsRowsUpright) {
    TVmDIB dib;
    MakePicture(dib, 16, 2, [](int x, int y) {
        return y == 0 ? qRgb(255, 0, 0) : qRgb(0, 0, x < 8 ? 0 : 255);
    });
    for (int format : {DibFormat24Bit, DibFormat8Bit, DibFormat4Bit, DibFormat8BitRLE}) {
        SCOPED_TRACE(format);
        TVmDIB copy;
        copy.Assign(&dib);
        copy.SetPixelFormat(format);
        QImage target(8, 4, QImage::Format_RGB32);
        target.fill(Qt::white);
        {
            QPainter painter(&target);
            copy.Draw(painter, QRect(0, 0, 8, 4));
        }
        EXPECT_EQ(target.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(target.pixel(7, 1), qRgb(255, 0, 0));
        EXPECT_EQ(target.pixel(3, 3), qRgb(0, 0, 0));
        EXPECT_EQ(target.pixel(4, 2), qRgb(0, 0, 255));
    }
    QImage target(4, 4, QImage::Format_RGB32);
    dib.HalftoneMode = 2;
    {
        QPainter painter(&target);
        dib.Draw(painter, QRect(0, 0, 4, 4));
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_TRUE(target.pixel(x, y) == qRgb(0, 0, 0) ||
                        target.pixel(x, y) == qRgb(255, 255, 255));
}

TEST(DibDraw, CanvasDrawsIntoThePicture) {
    TVmDIB dib;
    dib.SetBitCount(24);
    dib.SetWidth(4);
    dib.SetHeight(3);
    int changes = 0;
    dib.OnChange = [&](TVmGraphic&) { ++changes; };
    {
        TVmDIBCanvas canvas(dib);
        canvas.painter().fillRect(QRect(0, 0, 4, 1), QColor(1, 2, 3));
    }
    EXPECT_EQ(changes, 1);
    const Pixels px(dib);
    EXPECT_EQ(px.at(2, 0), qRgb(1, 2, 3));
    EXPECT_EQ(px.at(2, 1), qRgb(0, 0, 0));

    dib.SetPalette(BlackWhitePalette());
    dib.SetPixelFormat(DibFormat1Bit);
    {
        TVmDIBCanvas canvas(dib);
        canvas.painter().fillRect(QRect(0, 2, 4, 1), QColor(250, 250, 250));
    }
    EXPECT_EQ(dib.GetPixelFormat(), DibFormat1Bit);
    EXPECT_EQ(Pixels(dib).at(1, 2), qRgb(255, 255, 255));
    EXPECT_EQ(Pixels(dib).at(1, 1), qRgb(0, 0, 0));
}

TEST(DibDraw, CanvasMapsBackOnlyToColoursThePixelDepthCanHold) {
    // A 4-bit picture whose header claims 256 colours; the exact colour drawn
    // sits at entry 200, which no 4-bit pixel can name.
    QByteArray block = InfoHeader(2, 1, 4, 0, 256);
    for (int i = 0; i < 256; ++i) {
        const int red = i == 1 ? 200 : i == 200 ? 255 : 0;
        block.append(char(0)).append(char(0)).append(char(red)).append(char(0));
    }
    Put32(block, 0);
    TVmDIB dib;
    dib.LoadFromClipboardFormat(CF_DIB, block, nullptr);
    {
        TVmDIBCanvas canvas(dib);
        canvas.painter().fillRect(QRect(0, 0, 2, 1), QColor(255, 0, 0));
    }
    EXPECT_EQ(dib.GetPixelFormat(), DibFormat4Bit);
    const Pixels px(dib);
    EXPECT_EQ(px.at(0, 0), qRgb(200, 0, 0));
    EXPECT_EQ(px.at(1, 0), qRgb(200, 0, 0));
}

TEST(DibToolkit, AssignToGivesTheSamePixels) {
    TVmDIB dib;
    MakePicture(dib, 3, 2, [](int x, int y) { return qRgb(x * 50, y * 50, 9); });
    QImage image;
    dib.AssignTo(image);
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixel(2, 1), qRgb(100, 50, 9));
    dib.SetPixelFormat(DibFormat8Bit);
    dib.AssignTo(image);
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.pixel(2, 1), qRgb(100, 50, 9));
}

TEST(DibToolkit, ClipboardDataLoadsAsPackedDibOrBmpFile) {
    TVmDIB source;
    MakePicture(source, 2, 2, [](int x, int) { return x ? qRgb(9, 8, 7) : kWhiteRgb; });
    quint16 format;
    QByteArray block;
    TVmPaletteRef palette;
    source.SaveToClipboardFormat(format, block, palette);
    QMimeData packed;
    packed.setData(
        QStringLiteral("application/x-qt-windows-mime;value=\"DeviceIndependentBitmap\""), block);
    TVmDIB dib;
    dib.AssignClipboard(packed);
    EXPECT_EQ(Pixels(dib).at(1, 1), qRgb(9, 8, 7));
    QMimeData file;
    file.setData(QStringLiteral("image/bmp"), SaveBytes(source));
    TVmDIB other;
    other.AssignClipboard(file);
    EXPECT_EQ(Pixels(other).at(0, 1), kWhiteRgb);
    EXPECT_EQ(ErrorOf([&] { other.AssignClipboard(QMimeData()); }),
              "TVmDIB.LoadFromClipboardFormat: Invalid Clipboard Format or No Data");
}

TEST(DibDraw, MalformedRleDrawsNothing) {
    QByteArray block = InfoHeader(4, 1, 8, BI_RLE8, 1);
    block.append("\xFF\xFF\xFF\x00\x09\x00\x00\x01", 8); // a run past the right edge
    TVmDIB dib;
    dib.LoadFromClipboardFormat(CF_DIB, block, nullptr);
    QImage target(4, 1, QImage::Format_RGB32);
    target.fill(Qt::red);
    {
        QPainter painter(&target);
        dib.Draw(painter, QRect(0, 0, 4, 1));
    }
    EXPECT_EQ(target.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(DibDraw, TopDownPicturesDrawAndTakeDrawingUpright) {
    TVmDIB dib;
    dib.SetBitCount(24);
    dib.SetWidth(2);
    dib.SetHeight(-2);
    {
        TVmDIBCanvas canvas(dib);
        canvas.painter().fillRect(QRect(0, 0, 2, 1), QColor(0, 0, 255));
    }
    // Top-down: the first stored row is the top one.
    const uchar* first = dib.InternalDIB().bits().data();
    EXPECT_EQ(first[0], 255);
    EXPECT_EQ(first[8], 0);
    QImage target(2, 2, QImage::Format_RGB32);
    {
        QPainter painter(&target);
        dib.Draw(painter, QRect(0, 0, 2, 2));
    }
    EXPECT_EQ(target.pixel(1, 0), qRgb(0, 0, 255));
    EXPECT_EQ(target.pixel(1, 1), qRgb(0, 0, 0));
}

TEST(DibDraw, UnknownCompressionDrawsNothing) {
    // Compression 4 keeps only the bytes that are there: far fewer than the rows.
    QByteArray rest = InfoHeader(64, 64, 24, 4);
    rest.append("\xFF\xD8\xFF\xE0", 4);
    TVmDIB dib;
    LoadBytes(dib, FileOf(rest));
    EXPECT_EQ(dib.InternalDIB().bitsSize(), 4);
    QImage target(8, 8, QImage::Format_RGB32);
    target.fill(Qt::red);
    {
        QPainter painter(&target);
        dib.Draw(painter, QRect(0, 0, 8, 8));
    }
    EXPECT_EQ(target.pixel(4, 4), qRgb(255, 0, 0));
    EXPECT_EQ(ErrorOf([&] { dib.SetPixelFormat(DibFormat8Bit); }),
              "TVmInternalDIB.GetPixelFormat: Invalid DIB(24Bit)");
}
