#include "CliProcess.h"

#include <gtest/gtest.h>

TEST(CliColor, PrintsTheThreeNotations) {
    const CliRun hex = RunCli({"color", "#FFA500"});
    EXPECT_EQ(hex.status, 0);
    EXPECT_EQ(hex.out, "#FFA500\n255,165,  0\n 38,100,100\n");
    EXPECT_TRUE(hex.err.isEmpty());
    EXPECT_EQ(RunCli({"color", "#ffa500"}).out, hex.out);
    EXPECT_EQ(RunCli({"color", "255,165,0"}).out, hex.out);
}

TEST(CliColor, BadColoursAreUsageErrors) {
    for (const char* bad : {"#FFA50", "#GGA500", "256,0,0", "1,2", "-1,0,0", "nosuchcolour"}) {
        const CliRun run = RunCli({"color", bad});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_TRUE(run.out.isEmpty()) << bad;
        EXPECT_TRUE(run.err.startsWith("vellomar-cli: ")) << bad;
        EXPECT_EQ(run.err.count('\n'), 1) << bad;
    }
    EXPECT_EQ(RunCli({"color"}).status, 2);
    EXPECT_EQ(RunCli({"color", "#000000", "extra"}).status, 2);
    EXPECT_EQ(RunCli({"nosuchcommand"}).status, 2);
}
