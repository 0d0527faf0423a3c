// vellomar-cli bmp info | convert | palette, run as a process.
#include "CliProcess.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kSuite = QStringLiteral(VELLOMAR_TESTDATA "/bmpsuite/");

} // namespace

TEST(CliBmp, ConvertToRle8ThenInfo) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("o.bmp"));
    const CliRun convert = RunCli({"bmp", "convert", kSuite + "g/rgb24.bmp", out, "8bitrle"});
    ASSERT_EQ(convert.status, 0) << convert.errText().toStdString();
    EXPECT_TRUE(convert.outText().isEmpty());
    const CliRun info = RunCli({"bmp", "info", out});
    ASSERT_EQ(info.status, 0);
    const QStringList lines = info.outText().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    EXPECT_EQ(lines[0], "width=127");
    EXPECT_EQ(lines[1], "height=64");
    EXPECT_EQ(lines[2], "bitcount=8");
    EXPECT_EQ(lines[3], "compression=RLE8");
    EXPECT_TRUE(lines[4].startsWith("colors="));
    EXPECT_EQ(lines[5], "format=8bitrle");
}

TEST(CliBmp, KeyColourQualityAndPalette) {
    QTemporaryDir dir;
    const QString mono = dir.filePath(QStringLiteral("m.bmp"));
    ASSERT_EQ(
        RunCli({"bmp", "convert", kSuite + "g/rgb24.bmp", mono, "1bit", "--key", "#000000"}).status,
        0);
    EXPECT_TRUE(RunCli({"bmp", "info", mono}).outText().contains("format=1bit\n"));
    const QString high = dir.filePath(QStringLiteral("h.bmp"));
    ASSERT_EQ(RunCli({"bmp", "convert", kSuite + "g/rgb24.bmp", high, "4bit", "--quality", "high"})
                  .status,
              0);
    EXPECT_TRUE(RunCli({"bmp", "info", high}).outText().contains("colors=16\n"));
    const QString palette = dir.filePath(QStringLiteral("p.bmp"));
    ASSERT_EQ(RunCli({"bmp", "palette", kSuite + "g/rgb24.bmp", palette}).status, 0);
    const QString info = RunCli({"bmp", "info", palette}).outText();
    EXPECT_TRUE(info.contains("bitcount=24\n"));
    EXPECT_FALSE(info.contains("colors=0\n"));
}

TEST(CliBmp, PictureErrorsExitOneAndUsageErrorsTwo) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("o.bmp"));
    const CliRun bad = RunCli({"bmp", "convert", kSuite + "b/badbitcount.bmp", out, "8bit"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.errText(), "TVmInternalDIB.LoadFromStream: Invalid BitCout\n");
    EXPECT_FALSE(QFile::exists(out));
    const CliRun rle = RunCli({"bmp", "convert", kSuite + "b/badrle.bmp", out, "24bit"});
    EXPECT_EQ(rle.status, 1);
    EXPECT_TRUE(rle.errText().startsWith("Convert8BitRLETo8BitRGB: Bad RLE Data"))
        << rle.errText().toStdString();
    EXPECT_EQ(RunCli({"bmp", "info", dir.filePath("missing.bmp")}).status, 1);
    const CliRun format = RunCli({"bmp", "convert", kSuite + "g/rgb24.bmp", out, "16bit"});
    EXPECT_EQ(format.status, 2);
    EXPECT_TRUE(format.errText().startsWith("vellomar-cli: "));
    EXPECT_EQ(
        RunCli({"bmp", "convert", kSuite + "g/rgb24.bmp", out, "8bit", "--quality", "best"}).status,
        2);
    EXPECT_EQ(RunCli({"bmp", "rotate"}).status, 2);
}
