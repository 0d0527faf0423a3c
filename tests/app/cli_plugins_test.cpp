// vellomar-cli plugins | picture info, run as a process with the in-tree importers.
#include "CliProcess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The importers in a folder only we can write, as the host insists.
bool InstallImporters(const QTemporaryDir& dir) {
    for (const char* name : {"ifpnm.spi", "iftga.spi"}) {
        const QString target = dir.filePath(name);
        if (!QFile::copy(QStringLiteral(VELLOMAR_PLUGIN_DIR "/") + name, target))
            return false;
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return true;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

TEST(CliPlugins, ListsTheImportersAndNamesTheReader) {
    QTemporaryDir plugins, work;
    ASSERT_TRUE(InstallImporters(plugins));
    const QStringList settings{"--settings", work.filePath("s.ini")};
    const CliRun list = RunCli(settings + QStringList{"plugins", "--plugins", plugins.path()});
    ASSERT_EQ(list.status, 0) << list.errText().toStdString();
    const QStringList lines = list.outText().split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains(plugins.filePath("ifpnm.spi") +
                               "\t00IN\tVellomar PNM importer 1.0\t*.pnm;*.pbm;*.pgm;*.ppm"));
    EXPECT_TRUE(lines.contains(plugins.filePath("iftga.spi") +
                               "\t00IN\tVellomar TGA importer 1.0\t*.tga;*.targa"));

    // A 2 × 1 true-colour TGA.
    QByteArray tga(18, '\0');
    tga[2] = 2;
    tga[12] = 2;
    tga[14] = 1;
    tga[16] = 24;
    tga += QByteArray("\x01\x02\x03\x04\x05\x06", 6);
    const QString picture = work.filePath("x.tga");
    ASSERT_TRUE(Write(picture, tga));
    const CliRun info =
        RunCli(settings + QStringList{"picture", "info", picture, "--plugins", plugins.path()});
    ASSERT_EQ(info.status, 0) << info.errText().toStdString();
    EXPECT_EQ(info.outText(), "width=2\nheight=1\nreader=" + plugins.filePath("iftga.spi") + "\n");
}

TEST(CliPlugins, PictureErrorsExitOne) {
    QTemporaryDir plugins, work;
    ASSERT_TRUE(InstallImporters(plugins));
    const QStringList settings{"--settings", work.filePath("s.ini")};
    const QString unknown = work.filePath("x.xyz");
    ASSERT_TRUE(Write(unknown, "abc"));
    CliRun run = RunCli(settings + QStringList{"picture", "info", unknown});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errText(), "拡張子 .xyz の画像形式は処理できません\n");
    const QString broken = work.filePath("broken.tga");
    ASSERT_TRUE(Write(broken, QByteArray(40, '\x7f')));
    run = RunCli(settings + QStringList{"picture", "info", broken, "--plugins", plugins.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errText(), "認識できない画像形式です\n");
    // Without the plug-ins nothing reads TGA.
    run = RunCli(settings + QStringList{"picture", "info", broken});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(RunCli(settings + QStringList{"picture", "show", broken}).status, 2);
}
