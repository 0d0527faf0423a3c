#include "CliProcess.h"
#include "html/BodyHtml.h"
#include "html/ColorNotation.h"
#include "settings/ProgramOptions.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CliBody, BodyNotationAndContrastPrintTheWritersText) {
    QTemporaryDir dir;
    const QStringList first{"--settings", dir.filePath("new.ini")};
    EXPECT_EQ(RunCli(first + QStringList{"body", "--preset", "1"}).out,
              "<body bgcolor=\"#ffffff\" text=\"#000000\" link=\"#ff0000\" vlink=\"#800080\" "
              "alink=\"#0000ff\" >\r\n");
    EXPECT_EQ(RunCli(first + QStringList{"color", "orange", "--notation", "5"}).out, "#FFA500");
    EXPECT_EQ(RunCli(first + QStringList{"contrast", "#777777", "white"}).out,
              "4.48 AA-large fail\n");

    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    LoadDefaultBodyPresets(options.bodyPresets);
    options.htmlcase = HtmlCase::Capital;
    options.colorconst = true;
    BodyModel page{{}, true, "C:\\Web\\back.gif"};
    ApplyBodyPreset(page, options.bodyPresets.at(0));
    page.setColor(BodyRole::Text, RgbToColor(255, 0, 0));
    page.setColor(BodyRole::ALink, RgbToColor(1, 2, 3));
    const QStringList capital = first + QStringList{"--case", "capital", "--names", "on"};
    EXPECT_EQ(RunCli(capital + QStringList{"body", "--text", "red", "--alink", "1,2,3",
                                           "--prefer-names", "--background", "C:\\Web\\back.gif"})
                  .outText(),
              WriteBodyHtml(page, options));
    EXPECT_EQ(RunCli(capital + QStringList{"color", "#ffa500", "--notation", "9"}).outText(),
              WriteColorNotation(RgbToColor(255, 0xA5, 0), 9, options));
    // A relative picture is found from the current folder; a POSIX name keeps its backslash.
    EXPECT_TRUE(RunCli(first + QStringList{"body", "--background", "a\\b.gif"})
                    .outText()
                    .contains("\"file://" + QDir::currentPath() + "/a%5Cb.gif\""));
    EXPECT_FALSE(QFile::exists(first.last()));

    for (const QString bad :
         {"body --preset 12", "body --link nosuch", "color red --notation 10", "contrast red"}) {
        const CliRun run = RunCli(first + bad.split(' '));
        EXPECT_EQ(run.status, 2) << bad.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
