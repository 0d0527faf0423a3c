// The in-tree importers against pictures written by ImageMagick, pixel for pixel.
#include "DibTestUtil.h"
#include "OutsidePrograms.h"
#include "SpiTestUtil.h"

#include "pictures/TSPIVmDIB.h"
#include "pictures/TSPIs.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace spitest;

namespace {

class Importers : public ::testing::Test {
protected:
    void SetUp() override {
        m_convert = FindProgram({"convert"});
        VELLOMAR_REQUIRE(!m_convert.isEmpty(), "ImageMagick's convert");
        ASSERT_TRUE(Install(m_plugins, {InTreeSpi("ifpnm"), InTreeSpi("iftga")}));
        m_host.Search(m_plugins.path() + "/*.spi");
        ASSERT_EQ(m_host.Count(), 2);
        // A small picture with every colour different, made once per test.
        ASSERT_TRUE(
            Convert({"-size", "13x7", "-seed", "3", "plasma:fractal", "-depth", "8", Source()}));
    }

    QString Source() const { return m_work.filePath("source.png"); }

    bool Convert(const QStringList& args) {
        QProcess process;
        process.start(m_convert, args);
        return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    // Writes the source picture as `name` with ImageMagick's `options`, loads it
    // through the host and compares with ImageMagick's own reading of the file.
    // `toFiveBits`: the expected value of a 5-bit channel (bits 3..7 only).
    void Compare(const QString& name, const QStringList& options, bool toFiveBits = false,
                 const QString& source = QString()) {
        SCOPED_TRACE(name.toStdString());
        const QString file = m_work.filePath(name);
        ASSERT_TRUE(Convert(QStringList{source.isEmpty() ? Source() : source} + options +
                            QStringList{file}));
        const QString raw = m_work.filePath("reference.rgb");
        // ImageMagick keeps a TGA's rows in stored order and only notes the
        // origin; -auto-orient gives the picture as it is meant to be seen.
        ASSERT_TRUE(Convert({file, "-auto-orient", "-depth", "8", "rgb:" + raw}));
        const QByteArray reference = dibtest::ReadFile(raw);
        TSPIVmDIB dib;
        dib.LoadFromFile(file);
        EXPECT_TRUE(dib.LastReader().startsWith(m_plugins.path()));
        const dibtest::Pixels pixels(dib);
        ASSERT_EQ(pixels.width(), 13);
        ASSERT_EQ(pixels.height(), 7);
        ASSERT_EQ(reference.size(), 13 * 7 * 3);
        int differences = 0;
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 13; ++x) {
                const uchar* p =
                    reinterpret_cast<const uchar*>(reference.constData()) + (y * 13 + x) * 3;
                auto channel = [&](uchar v) {
                    return toFiveBits ? ((v * 31 + 127) / 255) << 3 : v;
                };
                const QRgb want = qRgb(channel(p[0]), channel(p[1]), channel(p[2]));
                if (pixels.at(x, y) != want && ++differences < 4)
                    ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex
                                  << pixels.at(x, y) << " != " << want;
            }
        EXPECT_EQ(differences, 0);
    }

    QString m_convert;
    QTemporaryDir m_plugins, m_work;
    TSPIs m_host;
};

} // namespace

TEST_F(Importers, PnmPlainAndRaw) {
    Compare("p1.pbm", {"-monochrome", "-compress", "none"});
    Compare("p4.pbm", {"-monochrome"});
    Compare("p2.pgm", {"-colorspace", "gray", "-compress", "none"});
    Compare("p5.pgm", {"-colorspace", "gray"});
    Compare("p3.ppm", {"-compress", "none"});
    Compare("p6.ppm", {});
    Compare("p6-16.ppm", {"-depth", "16"});
    // 16-bit samples from 8-bit ones, so that both readers agree on rounding.
    const QString grey = m_work.filePath("grey.png");
    ASSERT_TRUE(Convert({Source(), "-colorspace", "gray", "-depth", "8", grey}));
    Compare("p5-16.pgm", {"-depth", "16"}, false, grey);
    Compare("p3-16.pnm", {"-compress", "none", "-depth", "16"});
}

TEST_F(Importers, TgaUncompressedAndRunLength) {
    for (const QString& compression : {QStringLiteral("None"), QStringLiteral("RLE")}) {
        const QString tag = compression.toLower();
        Compare("rgb24-" + tag + ".tga", {"-type", "TrueColor", "-compress", compression});
        Compare("rgba32-" + tag + ".tga", {"-type", "TrueColorAlpha", "-compress", compression});
        Compare("mapped8-" + tag + ".tga", {"-type", "Palette", "-compress", compression});
        Compare("grey8-" + tag + ".tga", {"-type", "Grayscale", "-compress", compression});
        Compare("rgb16-" + tag + ".tga", {"-depth", "5", "-compress", compression}, true);
        Compare("top-" + tag + ".tga",
                {"-type", "TrueColor", "-orient", "TopLeft", "-compress", compression});
    }
}

TEST_F(Importers, DamagedFilesFailCleanly) {
    const QString tga = m_work.filePath("cut.tga");
    ASSERT_TRUE(Convert({Source(), "-type", "TrueColor", "-compress", "RLE", tga}));
    QByteArray bytes = dibtest::ReadFile(tga);
    const size_t blocks = LocalBlockCount();
    for (qsizetype keep : {qsizetype(18), bytes.size() / 2, bytes.size() - 1}) {
        ASSERT_TRUE(WriteFile(tga, bytes.left(keep)));
        TSPIVmDIB dib;
        EXPECT_THROW(dib.LoadFromFile(tga), EInvalidGraphic) << keep;
    }
    const QString ppm = m_work.filePath("cut.ppm");
    ASSERT_TRUE(WriteFile(ppm, "P6\n13 7\n255\n" + QByteArray(100, 'x')));
    TSPIVmDIB dib;
    EXPECT_THROW(dib.LoadFromFile(ppm), EInvalidGraphic);
    ASSERT_TRUE(WriteFile(ppm, "P6\n99999999999 7\n255\n"));
    EXPECT_THROW(dib.LoadFromFile(ppm), EInvalidGraphic);
    EXPECT_EQ(LocalBlockCount(), blocks);
}
