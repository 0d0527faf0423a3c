#include "CliProcess.h"
#include "gradient/GradientTableList.h"
#include "html/GradientTextFont.h"
#include "html/GradientTextWriter.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

class CliTextTest : public ::testing::Test {
protected:
    QString settingsPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    CliRun run(const QStringList& args) const {
        return RunCli(QStringList{QStringLiteral("--settings"), settingsPath()} + args);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(CliTextTest, ThreeCharactersAlongTheFirstTable) {
    const CliRun result = run({QStringLiteral("text"), QStringLiteral("--gradient"),
                               QStringLiteral("0"), QStringLiteral("ABC")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.outText().toStdString(),
              "<font\r\n face=\"ＭＳ Ｐゴシック,Osaka\" size=3 color=#FF0000>"
              "<font\r\n color=#FF0000>A</font><font\r\n color=#FF00FF>B</font>"
              "<font\r\n color=#FB6104>C</font></font>");
    EXPECT_TRUE(result.err.isEmpty());
    EXPECT_FALSE(QFile::exists(settingsPath()));
}

TEST_F(CliTextTest, MatchesTheWriterForTheSameDocument) {
    struct Case {
        QStringList args;
        CharStyle style;
        int gradient = -1;
        PositionRange range;
        int htmlcase = 0;
        bool htmlcr = true;
        QString text;
    };
    CharStyle arial;
    arial.fontName = QStringLiteral("Arial");
    arial.points = 18;
    arial.bold = arial.underline = true;
    arial.color = RgbToColor(255, 0, 0);
    CharStyle mincho;
    mincho.fontName = QStringLiteral("ＭＳ Ｐ明朝");
    mincho.italic = true;
    const QString mixed = QStringLiteral("日本語ｶﾀｶﾅ and <ASCII>\n2行目");
    const std::vector<Case> cases = {
        {{"--font", "2", "--size", "5", "--bold", "--underline", "--color", "red"},
         arial,
         -1,
         {},
         0,
         true,
         mixed},
        {{"--font", "1", "--italic", "--gradient", "虹", "--range", "4", "7", "--case", "upper",
          "--crlf", "off"},
         mincho,
         1,
         {4, 7},
         1,
         false,
         mixed},
        {{"--gradient", "12", "--case", "capital"}, CharStyle{}, 12, {}, 2, true, mixed},
    };
    for (const Case& c : cases) {
        QStringList args{QStringLiteral("text")};
        args += c.args;
        args += c.text;
        const CliRun result = run(args);
        EXPECT_EQ(result.status, 0) << result.errText().toStdString();
        StyledText text = MakeStyledText(c.text, c.style);
        if (c.gradient >= 0)
            ApplyTextGradient(text, &DefaultGradientTables()[size_t(c.gradient)], c.range);
        EXPECT_EQ(result.outText(),
                  WriteGradientTextHtml(text, DefaultFontTable(), HtmlCase(c.htmlcase), c.htmlcr))
            << c.args.join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(CliTextTest, EmptyTextBadArgumentsAndUnusableTables) {
    CliRun result =
        run({QStringLiteral("text"), QStringLiteral("--gradient"), QStringLiteral("0"), QString()});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.isEmpty());
    // Markup characters typed on purpose; a control character is left out with a note.
    result =
        run({QStringLiteral("text"), QStringLiteral("--raw-markup"), QStringLiteral("<b>\x01")});
    EXPECT_TRUE(result.out.endsWith("><b></font>") && !result.err.isEmpty()) << result.out.data();

    for (const QStringList& args :
         {QStringList{"text", "--range", "0", "1", "abc"}, QStringList{"text", "--font", "7", "a"},
          QStringList{"text", "--gradient", "0", "--range", "2", "2", "abc"},
          QStringList{"text", "--gradient", "nowhere", ""}}) {
        result = run(args);
        EXPECT_EQ(result.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(result.errText().startsWith(QStringLiteral("vellomar-cli: ")));
        EXPECT_TRUE(result.out.isEmpty());
    }

    // A table of one stop leaves the text in its own colour and says why.
    {
        SettingsStore store(settingsPath());
        store.writeInteger(QStringLiteral("colortable"), QStringLiteral("count"), 1);
        store.writeString(QStringLiteral("colortable"), QStringLiteral("col0"),
                          QStringLiteral("\"one\",\"1\",\"0\",\"255\""));
        ASSERT_TRUE(store.sync());
    }
    result = run({QStringLiteral("text"), QStringLiteral("--gradient"), QStringLiteral("one"),
                  QStringLiteral("--color"), QStringLiteral("#00ff00"), QStringLiteral("ab")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.outText().toStdString(),
              "<font\r\n face=\"ＭＳ Ｐゴシック,Osaka\" size=3 color=#00FF00>ab</font>");
    EXPECT_FALSE(result.err.isEmpty());
}
