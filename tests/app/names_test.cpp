#include "CliProcess.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CliNames, FreshStoreListsTheBuiltInTable) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("new.ini"));
    const CliRun run = RunCli({QStringLiteral("--settings"), ini, QStringLiteral("names")});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    const QList<QByteArray> lines = run.out.split('\n');
    ASSERT_EQ(lines.size(), 142); // 141 lines, each ended by LF
    EXPECT_TRUE(lines.last().isEmpty());
    EXPECT_EQ(lines[0], "0\t#000000\tblack");
    EXPECT_EQ(lines[61], "61\t#A0CE00\taliceblue");
    EXPECT_EQ(lines[140], "140\t#FFFFFF\twhite");
    // The CLI does not write the store.
    EXPECT_FALSE(QFile::exists(ini));

    // A store that is there but cannot be read is a failure, not a first start.
    const CliRun unreadable =
        RunCli({QStringLiteral("--settings"), dir.path(), QStringLiteral("names")});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_TRUE(unreadable.out.isEmpty());
    EXPECT_FALSE(unreadable.err.isEmpty());
}

TEST(CliNames, ReadsTheStoredTableAndColourNames) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("s.ini"));
    {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Option]\ncolorcnt=2\ncolorcode0=\"\\\"1\\\",\\\"#010000\\\",\\\"ember\\\"\"\n"
                   "colorcode1=\"\\\"65280\\\",\\\"#00FF00\\\",\\\"green\\\"\"\n");
    }
    CliRun run = RunCli({QStringLiteral("--settings"), ini, QStringLiteral("names")});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_EQ(run.out, "0\t#010000\tember\n1\t#00FF00\tgreen\n");

    run = RunCli(
        {QStringLiteral("--settings"), ini, QStringLiteral("color"), QStringLiteral("Ember")});
    ASSERT_EQ(run.status, 0) << run.err.constData();
    EXPECT_TRUE(run.out.startsWith("#010000\n"));
    // Names come from that store only.
    run =
        RunCli({QStringLiteral("--settings"), ini, QStringLiteral("color"), QStringLiteral("red")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.startsWith("vellomar-cli: "));

    run = RunCli(
        {QStringLiteral("names"), QStringLiteral("extra"), QStringLiteral("--settings"), ini});
    EXPECT_EQ(run.status, 2);
    run = RunCli({QStringLiteral("--case"), QStringLiteral("shout"), QStringLiteral("names")});
    EXPECT_EQ(run.status, 2);
}

} // namespace
