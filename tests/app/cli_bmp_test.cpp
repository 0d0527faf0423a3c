// vellomar-cli bmp info | convert | palette, run as a process.
#include "CliProcess.h"
#include "dib/DibErrors.h"
#include "dib/DibFormat.h"
#include "pictures/TVmInternalDIB.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

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

namespace {

// The picture the window's own classes make of `in` in `format`, or their
// error message as the command prints it.
QByteArray ConvertedInProcess(const QString& in, int format, int quality) {
    QFile file(in);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    try {
        TVmInternalDIB dib;
        dib.LoadFromStream(file);
        dib.SetPixelsFormat(format, quality, {}, 0xFFFFFF);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        dib.SaveToStream(buffer);
        return buffer.data();
    } catch (const EPictureError& e) {
        return QByteArray(e.what()) + '\n';
    }
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// vellomar-cli converts BMP files without loading the toolkit; what it writes
// must be what the picture classes make, byte for byte.
TEST(CliBmp, ConversionsMatchThePictureClasses) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("o.bmp"));
    const QStringList pictures{"g/rgb24.bmp", "g/pal8rle.bmp", "g/pal4.bmp",
                               "g/rgb16.bmp", "g/rgb32bf.bmp", "q/rgb24largepal.bmp"};
    for (const QString& picture : pictures) {
        for (int format = 0; format < 8; ++format) {
            for (int quality : {ConvertQualityLow, ConvertQualityHigh}) {
                SCOPED_TRACE((picture + " " + DibPixelFormatNames[format]).toStdString() +
                             (quality ? " high" : " low"));
                const CliRun run =
                    RunCli({"bmp", "convert", kSuite + picture, out, DibPixelFormatNames[format],
                            "--quality", quality ? "high" : "low"});
                const QByteArray expected = ConvertedInProcess(kSuite + picture, format, quality);
                if (expected.startsWith("BM")) {
                    ASSERT_EQ(run.status, 0) << run.errText().toStdString();
                    EXPECT_EQ(ReadAll(out), expected);
                } else {
                    EXPECT_EQ(run.status, 1);
                    EXPECT_EQ(run.err, expected);
                }
            }
        }
    }
}

TEST(CliBmp, ConversionLoadsNoToolkitAndReportsFailures) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("o.bmp"));
    // The loader lists every library it loads; the conversion must need none
    // of Qt, while the other commands do load it.
    auto loaded = [](const QStringList& args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LD_DEBUG"), QStringLiteral("files"));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(VELLOMAR_CLI), args);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0);
        return process.readAllStandardError();
    };
    EXPECT_TRUE(loaded({"--version"}).contains("libQt6Core"));
    const QByteArray converting =
        loaded({"bmp", "convert", kSuite + "g/rgb24.bmp", out, "8bit", "--quality", "high"});
    EXPECT_FALSE(converting.contains("libQt6")) << converting.toStdString();

    // Files that cannot be opened keep the messages that name them.
    const CliRun missing = RunCli({"bmp", "convert", dir.filePath("none.bmp"), out, "8bit"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.errText().startsWith("Cannot open file \"" + dir.filePath("none.bmp")))
        << missing.errText().toStdString();
    const CliRun folder =
        RunCli({"bmp", "convert", kSuite + "g/rgb24.bmp", dir.filePath("no/o.bmp"), "8bit"});
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(folder.errText().startsWith("Cannot create file"))
        << folder.errText().toStdString();
    // A picture converted onto itself is read whole before it is written.
    const QString same = dir.filePath(QStringLiteral("same.bmp"));
    ASSERT_TRUE(QFile::copy(kSuite + "g/rgb24.bmp", same));
    ASSERT_EQ(RunCli({"bmp", "convert", same, same, "8bit", "--quality", "high"}).status, 0);
    EXPECT_EQ(ReadAll(same),
              ConvertedInProcess(kSuite + "g/rgb24.bmp", DibFormat8Bit, ConvertQualityHigh));
}

// Hostile input fails at once instead of taking gigabytes, and a save never
// puts a plain file where a device, a FIFO or a folder was.
TEST(CliBmp, HostileInputAndTargetsAreRefused) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.bmp"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString huge = QStringLiteral(VELLOMAR_TESTDATA "/hostile/declared-huge-");
    const QString out = dir.filePath(QStringLiteral("o.bmp"));
    const QString rgb24 = kSuite + "g/rgb24.bmp";
    const QString notRegular = QStringLiteral("」は通常のファイルではないので保存できません\n");
    const std::pair<QStringList, QString> cases[] = {
        {{"bmp", "info", huge + "32bit.bmp"}, "Stream read error\n"},
        {{"bmp", "convert", huge + "24bit.bmp", out, "24bit"}, "Stream read error\n"},
        {{"bmp", "info", "/dev/zero"}, "TVmInternalDIB.LoadFromFile: File type is invalid\n"},
        {{"bmp", "convert", rgb24, fifo, "4bit"}, "「" + fifo + notRegular},
        {{"bmp", "palette", rgb24, "/dev/full"}, "「/dev/full" + notRegular},
        {{"bmp", "palette", rgb24, dir.path()}, "「" + dir.path() + notRegular},
    };
    for (const auto& [args, error] : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.errText(), error);
    }
    EXPECT_FALSE(QFileInfo(fifo).isFile());
    EXPECT_FALSE(QFile::exists(out));
}

// A save that cannot be completed leaves the file it would have replaced as it
// was, also when that file is the picture being read.
TEST(CliBmp, FailedWritesKeepTheOldFile) {
    QTemporaryDir dir;
    const QString in = kSuite + "g/rgb24.bmp";
    const QString out = dir.filePath(QStringLiteral("o.bmp"));
    for (const QStringList& args :
         {QStringList{"bmp", "convert", in, out, "24bit"}, QStringList{"bmp", "palette", in, out},
          QStringList{"bmp", "convert", out, out, "24bit", "--quality", "high"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QFile::remove(out);
        ASSERT_TRUE(QFile::copy(kSuite + "g/pal1.bmp", out));
        const QByteArray old = ReadAll(out);
        // A file size limit of a few KiB: every picture written here is larger.
        QProcess shell;
        shell.start(QStringLiteral("sh"),
                    QStringList{"-c", "ulimit -f 4 && exec \"$0\" \"$@\"", VELLOMAR_CLI} + args);
        ASSERT_TRUE(shell.waitForFinished(60000));
        EXPECT_EQ(shell.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(shell.exitCode(), 1);
        EXPECT_EQ(shell.readAllStandardError(), "Stream write error\n");
        EXPECT_EQ(ReadAll(out), old);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"o.bmp"});
    }
}
