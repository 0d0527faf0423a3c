#include "CliProcess.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

class CliGradientsTest : public ::testing::Test {
protected:
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    CliRun run(const QStringList& args) const {
        return RunCli(QStringList{QStringLiteral("--settings"), settingsPath()} + args);
    }

    void storeTables(const QStringList& records) const {
        SettingsStore store(settingsPath());
        store.writeInteger(QStringLiteral("colortable"), QStringLiteral("count"),
                           int(records.size()));
        for (int i = 0; i < records.size(); ++i)
            store.writeString(QStringLiteral("colortable"), QStringLiteral("col%1").arg(i),
                              records.at(i));
        ASSERT_TRUE(store.sync());
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliGradientsTest, FreshStoreListsTheDefaultsInOrder) {
    const CliRun result = run({QStringLiteral("gradients")});
    EXPECT_EQ(result.status, 0);
    const QStringList lines = result.outText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 14); // 13 lines, each ended by LF
    EXPECT_EQ(lines.at(0), QStringLiteral("0\tスペクトラム\t7"));
    EXPECT_EQ(lines.at(6), QStringLiteral("6\tクロム\t5"));
    EXPECT_EQ(lines.at(12), QStringLiteral("12\t赤、緑\t2"));
    EXPECT_TRUE(lines.at(13).isEmpty());
    EXPECT_FALSE(QFile::exists(settingsPath())) << "listing never writes the store";
}

TEST_F(CliGradientsTest, WalkOfAStoredTable) {
    storeTables({QStringLiteral("\"red blue\",\"2\",\"0\",\"300\",\"255\",\"16711680\"")});
    CliRun result =
        run({QStringLiteral("gradient-walk"), QStringLiteral("0"), QStringLiteral("4")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.outText().toStdString(), "#FF0000\n#BF003F\n#7F007F\n#3F00BF\n");
    result = run({QStringLiteral("gradient-walk"), QStringLiteral("red blue"), QStringLiteral("4"),
                  QStringLiteral("--first"), QStringLiteral("2")});
    EXPECT_EQ(result.status, 0);
    // Items 2..5 of a walk over 4: the segment starts late, and item 4
    // reaches the breakpoint of the last stop.
    EXPECT_EQ(result.outText().toStdString(), "#FF0000\n#BF003F\n#0000FF\n#0000FF\n");
    // Through OKLab both stops stay and the middle leaves the sRGB line.
    result = run({QStringLiteral("--interpolation"), QStringLiteral("oklab"),
                  QStringLiteral("gradient-walk"), QStringLiteral("0"), QStringLiteral("4"),
                  QStringLiteral("--first"), QStringLiteral("2")});
    EXPECT_EQ(result.outText().toStdString(), "#FF0000\n#C6496D\n#0000FF\n#0000FF\n");
}

TEST_F(CliGradientsTest, DrawPrintsThreeHundredColumns) {
    const CliRun result = run({QStringLiteral("gradient-draw"), QStringLiteral("黒、白")});
    EXPECT_EQ(result.status, 0);
    const QStringList lines = result.outText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 301);
    EXPECT_EQ(lines.at(0), QStringLiteral("#000000"));
    EXPECT_EQ(lines.at(2), QStringLiteral("#010101"));
    EXPECT_EQ(lines.at(299), QStringLiteral("#FEFEFE"));

    // Columns right of a last stop short of 300 stay white.
    storeTables({QStringLiteral("\"short\",\"2\",\"0\",\"100\",\"0\",\"0\"")});
    const QStringList shortLines = run({QStringLiteral("gradient-draw"), QStringLiteral("0")})
                                       .outText()
                                       .split(QLatin1Char('\n'));
    ASSERT_EQ(shortLines.size(), 301);
    EXPECT_EQ(shortLines.at(100), QStringLiteral("#000000"));
    EXPECT_EQ(shortLines.at(101), QStringLiteral("#FFFFFF"));
}

TEST_F(CliGradientsTest, BadArgumentsAreUsageErrors) {
    for (const QStringList& args :
         {QStringList{QStringLiteral("gradient-walk"), QStringLiteral("13"), QStringLiteral("4")},
          QStringList{QStringLiteral("gradient-walk"), QStringLiteral("nosuch"),
                      QStringLiteral("4")},
          QStringList{QStringLiteral("gradient-walk"), QStringLiteral("0"), QStringLiteral("x")},
          QStringList{QStringLiteral("gradient-draw"), QStringLiteral("-1")},
          QStringList{QStringLiteral("gradient-draw"), QStringLiteral("0"),
                      QStringLiteral("--interpolation"), QStringLiteral("lab")},
          QStringList{QStringLiteral("gradients"), QStringLiteral("extra")}}) {
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.errText().startsWith(QStringLiteral("vellomar-cli: ")));
        EXPECT_TRUE(result.outText().isEmpty());
    }
}

TEST_F(CliGradientsTest, ImportAndExportThroughTheStore) {
    const QString ggr = m_dir.filePath(QStringLiteral("in.ggr"));
    QFile file(ggr);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GIMP Gradient\nName: 虹\n1\n0 0.5 1 1 0 0 1 0 0 1 1 0 0\n");
    file.close();
    CliRun result = run({QStringLiteral("gradients"), QStringLiteral("import"), ggr});
    EXPECT_EQ(result.status, 0) << result.errText().toStdString();
    EXPECT_EQ(result.outText(), QStringLiteral("13\t虹 (2)\t2\n"));
    result = run({QStringLiteral("gradients"), QStringLiteral("import"), ggr});
    EXPECT_EQ(result.outText(), QStringLiteral("14\t虹 (3)\t2\n"));

    result = run({QStringLiteral("gradients"), QStringLiteral("export"), QStringLiteral("13"),
                  QStringLiteral("--format"), QStringLiteral("css")});
    EXPECT_EQ(result.outText(),
              QStringLiteral("linear-gradient(to right, #FF0000 0%, #0000FF 100%)\n"));
    const QString out = m_dir.filePath(QStringLiteral("out.ggr"));
    result = run({QStringLiteral("gradients"), QStringLiteral("export"), QStringLiteral("虹 (3)"),
                  QStringLiteral("--format"), QStringLiteral("ggr"), QStringLiteral("-o"), out});
    EXPECT_EQ(result.status, 0);
    QFile written(out);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        QString::fromUtf8(written.readAll()),
        QStringLiteral("GIMP Gradient\nName: 虹 (3)\n1\n0.000000 0.500000 1.000000 1.000000 "
                       "0.000000 0.000000 1.000000 0.000000 0.000000 1.000000 1.000000 0 0\n"));
    result = run({QStringLiteral("gradients"), QStringLiteral("export"), QStringLiteral("--format"),
                  QStringLiteral("gpl")});
    EXPECT_TRUE(result.outText().startsWith(QStringLiteral("GIMP Palette\nName: Vellomar\n")));
    EXPECT_TRUE(result.outText().endsWith(QStringLiteral("\t虹 (3) @300\n")));

    // A damaged file changes nothing; a bad format is a usage error.
    file.remove();
    result = run({QStringLiteral("gradients"), QStringLiteral("import"), ggr});
    EXPECT_EQ(result.status, 1);
    EXPECT_TRUE(result.errText().contains(QStringLiteral("no such file")));
    result = run({QStringLiteral("gradients"), QStringLiteral("export"), QStringLiteral("0"),
                  QStringLiteral("--format"), QStringLiteral("svg")});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(run({QStringLiteral("gradients")}).outText().count(QLatin1Char('\n')), 15);
}
