// vellomar-cli bmp info | convert | palette, run as a process.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CliRun {
    int status = -1;
    QString out, err;
};

CliRun Cli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(VELLOMAR_CLI), args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QString kSuite = QStringLiteral(VELLOMAR_TESTDATA "/bmpsuite/");

} // namespace

TEST(CliBmp, ConvertToRle8ThenInfo) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("o.bmp"));
    const CliRun convert = Cli({"bmp", "convert", kSuite + "g/rgb24.bmp", out, "8bitrle"});
    ASSERT_EQ(convert.status, 0) << convert.err.toStdString();
    EXPECT_TRUE(convert.out.isEmpty());
    const CliRun info = Cli({"bmp", "info", out});
    ASSERT_EQ(info.status, 0);
    const QStringList lines = info.out.split('\n', Qt::SkipEmptyParts);
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
        Cli({"bmp", "convert", kSuite + "g/rgb24.bmp", mono, "1bit", "--key", "#000000"}).status,
        0);
    EXPECT_TRUE(Cli({"bmp", "info", mono}).out.contains("format=1bit\n"));
    const QString high = dir.filePath(QStringLiteral("h.bmp"));
    ASSERT_EQ(
        Cli({"bmp", "convert", kSuite + "g/rgb24.bmp", high, "4bit", "--quality", "high"}).status,
        0);
    EXPECT_TRUE(Cli({"bmp", "info", high}).out.contains("colors=16\n"));
    const QString palette = dir.filePath(QStringLiteral("p.bmp"));
    ASSERT_EQ(Cli({"bmp", "palette", kSuite + "g/rgb24.bmp", palette}).status, 0);
    const QString info = Cli({"bmp", "info", palette}).out;
    EXPECT_TRUE(info.contains("bitcount=24\n"));
    EXPECT_FALSE(info.contains("colors=0\n"));
}

TEST(CliBmp, PictureErrorsExitOneAndUsageErrorsTwo) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("o.bmp"));
    const CliRun bad = Cli({"bmp", "convert", kSuite + "b/badbitcount.bmp", out, "8bit"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "TVmInternalDIB.LoadFromStream: Invalid BitCout\n");
    EXPECT_FALSE(QFile::exists(out));
    const CliRun rle = Cli({"bmp", "convert", kSuite + "b/badrle.bmp", out, "24bit"});
    EXPECT_EQ(rle.status, 1);
    EXPECT_TRUE(rle.err.startsWith("Convert8BitRLETo8BitRGB: Bad RLE Data"))
        << rle.err.toStdString();
    EXPECT_EQ(Cli({"bmp", "info", dir.filePath("missing.bmp")}).status, 1);
    const CliRun format = Cli({"bmp", "convert", kSuite + "g/rgb24.bmp", out, "16bit"});
    EXPECT_EQ(format.status, 2);
    EXPECT_TRUE(format.err.startsWith("vellomar-cli: "));
    EXPECT_EQ(
        Cli({"bmp", "convert", kSuite + "g/rgb24.bmp", out, "8bit", "--quality", "best"}).status,
        2);
    EXPECT_EQ(Cli({"bmp", "rotate"}).status, 2);
}
