#include "CliProcess.h"

#include <QFile>
#include <QTemporaryDir>
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

TEST(CliColor, CssTextsGoInAndOut) {
    const std::pair<QStringList, const char*> rows[] = {
        {{"color", "#fa0", "--css", "hex"}, "#FFAA00\n"},
        {{"color", "rgb(255, 165, 0)", "--css", "rgb"}, "rgb(255 165 0)\n"},
        {{"color", "oklch(79.27% 0.171 70.67)", "--css", "hex"}, "#FFA500\n"},
        {{"color", "orange", "--css", "hsl"}, "hsl(38.82 100% 50%)\n"},
        {{"color", "color(display-p3 0 1 0)", "--css", "hex"}, "#00FB29\n"},
        {{"color", "orange", "--nearest"}, "orange 0\n"},
        {{"color", "#FFA501", "--nearest"}, "orange 0.0002\n"},
    };
    for (const auto& [args, out] : rows) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 0) << args[1].toStdString();
        EXPECT_EQ(run.out, out) << args[1].toStdString();
    }
    for (const QStringList& bad :
         {QStringList{"color", "red", "--css", "lab2"},
          QStringList{"color", "red", "--css", "hex", "--nearest"},
          QStringList{"color", "transparent"}, QStringList{"color", "hsl(120, 100, 50)"}})
        EXPECT_EQ(RunCli(bad).status, 2) << bad[1].toStdString();
}

TEST(CliColor, UserTemplatesFromTheSettings) {
    QTemporaryDir dir;
    const QString ini = dir.filePath("t.ini");
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Option]\ncsstemplatecnt=2\ncsstemplate0=\"web hex\",\"0x{rgb.r:X2}{rgb.g:X2}"
               "{rgb.b:X2} / {oklch.l:%.1}%\"\ncsstemplate1=\"bad\",\"{rgb.q}\"\n");
    file.close();
    const QStringList settings{"--settings", ini};
    const CliRun good =
        RunCli(settings + QStringList{"color", "#123456", "--css", "template:web hex"});
    EXPECT_EQ(good.status, 0);
    EXPECT_EQ(good.out, "0x123456 / 31.9%\n");
    const CliRun bad = RunCli(settings + QStringList{"color", "red", "--css", "template:bad"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_TRUE(bad.err.contains("{rgb.q}: unknown channel")) << bad.err.toStdString();
    const CliRun unknown =
        RunCli(settings + QStringList{"color", "red", "--css", "template:web hax"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.contains("unknown template web hax (did you mean web hex?)"))
        << unknown.err.toStdString();
}
