#include "Chromium.h"
#include "CliContext.h"
#include "CliProcess.h"
#include "ColorArgument.h"
#include "core/CssColorNames.h"
#include "html/ColorAttribute.h"
#include "settings/ProgramOptions.h"

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
    // Other names come from that store only; a CSS name is the browser's colour.
    run =
        RunCli({QStringLiteral("--settings"), ini, QStringLiteral("color"), QStringLiteral("tan")});
    EXPECT_TRUE(run.out.startsWith("#D2B48C\n"));
    run = RunCli(
        {QStringLiteral("--settings"), ini, QStringLiteral("color"), QStringLiteral("emberx")});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.startsWith("vellomar-cli: "));

    run = RunCli(
        {QStringLiteral("names"), QStringLiteral("extra"), QStringLiteral("--settings"), ini});
    EXPECT_EQ(run.status, 2);
    run = RunCli({QStringLiteral("--case"), QStringLiteral("shout"), QStringLiteral("names")});
    EXPECT_EQ(run.status, 2);
}

// Every name of the table and of the CSS list against Chromium's computed
// colour: a name typed as a colour means that colour, and a table row's name
// is written for its own colour only when Chromium draws it so.
TEST(CliNames, NamesMeanWhatChromiumDraws) {
    const QString chromium = FindChromium();
    VELLOMAR_REQUIRE(!chromium.isEmpty(), "chromium");
    QTemporaryDir dir;
    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    QStringList names;
    for (int i = 0; i < options.colors.count(); ++i)
        names << options.colors.at(i).name;
    for (const auto& [name, color] : CssColorNames())
        names << QString::fromLatin1(name);
    names.removeDuplicates();
    // Chromium answers "name=#rrggbb;" for each name.
    QFile page(dir.filePath("names.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(
        "<body><script>document.body.textContent = '" + names.join(' ').toLatin1() +
        "'.split(' ').map(n => {const d = document.body.appendChild(document.createElement"
        "('p'));d.style.color = n;return n + '=#' + getComputedStyle(d).color.match(/\\d+/g)"
        ".map(x => (+x).toString(16).padStart(2, '0')).join('') + ';';}).join('');</script>");
    page.close();
    QHash<QString, TColor> drawn;
    for (const QString& item : DumpDom(chromium, page.fileName(), dir).split(';'))
        if (const qsizetype eq = item.indexOf('='); eq > 0)
            drawn[item.left(eq).section('>', -1)] = HtmlToColor(item.mid(eq + 1));
    ASSERT_EQ(drawn.size(), names.size());
    CliContext context;
    context.settingsFile = dir.filePath("none.ini");
    for (const QString& name : names)
        EXPECT_EQ(ParseColorArgument(context, name), drawn.value(name)) << name.toStdString();
    for (int i = 0; i < options.colors.count(); ++i) {
        const NamedColor& row = options.colors.at(i);
        const QString written = ColorToAttributeText(row.value, true, options);
        EXPECT_TRUE(written.startsWith('#') ? drawn.value(row.name) != row.value
                                            : drawn.value(written) == row.value)
            << i;
    }
}

} // namespace
