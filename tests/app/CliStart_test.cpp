// The starter without /proc (a mount namespace of its own) cannot learn its
// folder: it says so and runs nothing, not a program in the current folder.
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CliStart, WithoutProcNothingIsRun) {
    QTemporaryDir work;
    QProcess cli;
    cli.setWorkingDirectory(work.path());
    cli.start("unshare", {"--mount", "sh", "-ec", R"(c=vellomar-cli-commands
printf '#!/bin/sh\necho "$0 $VELLOMAR_CLI_FOLDER"\n' >$c; chmod 755 $c
mount -t tmpfs none /proc; VELLOMAR_CLI_FOLDER=$PWD exec "$1" --version)",
                          "sh", VELLOMAR_CLI});
    ASSERT_TRUE(cli.waitForFinished(30000));
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_EQ(cli.readAllStandardOutput().toStdString(), "");
    EXPECT_EQ(cli.readAllStandardError().toStdString(),
              "vellomar-cli: cannot find vellomar-cli-commands: /proc/self/exe: No such file or "
              "directory\n");
}
