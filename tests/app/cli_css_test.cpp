// --markup css: the CSS pages as vellomar-cli writes them, checked by the
// real tidy and drawn by Chromium beside the classic pages of the same model.
#include "Chromium.h"
#include "CliProcess.h"

#include "html/BodyCss.h"
#include "html/BodyModel.h"
#include "html/ColorNotation.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <QColor>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kViewback = QStringLiteral("#204060");

class CliCss : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        SettingsStore store(settings());
        store.writeString(kOptionSection, QStringLiteral("viewback"),
                          QString::number(RgbToColor(0x20, 0x40, 0x60)));
        ASSERT_TRUE(store.sync());
    }
    QString settings() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    CliRun run(const QString& markup, const QStringList& args) const {
        return RunCli(QStringList{"--settings", settings(), "--markup", markup} + args);
    }

    QTemporaryDir m_dir;
};

TEST_F(CliCss, MarkupOptionChoosesTheWritersAndOverridesTheStoredStyle) {
    const CliRun css = run(QStringLiteral("css"), {"body", "--preset", "1"});
    ASSERT_EQ(css.status, 0) << css.err.data();
    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    LoadDefaultBodyPresets(options.bodyPresets);
    BodyModel page;
    ApplyBodyPreset(page, options.bodyPresets.at(1));
    EXPECT_EQ(css.outText(), WriteBodyCss(page, options));

    {
        SettingsStore store(settings());
        store.writeInteger(kOptionSection, QStringLiteral("markupstyle"), int(MarkupStyle::Css));
        ASSERT_TRUE(store.sync());
    }
    // The stored style applies; the option after the command name wins over it.
    EXPECT_TRUE(RunCli({"--settings", settings(), "rule"}).out.startsWith("<hr>"));
    EXPECT_TRUE(RunCli({"--settings", settings(), "rule", "--color", "red", "--markup", "css"})
                    .out.startsWith("<hr style="));
    EXPECT_EQ(
        RunCli({"--settings", settings(), "rule", "--color", "red", "--markup", "classic"}).out,
        "<hr color=#FF0000>\r\n");

    const CliRun bad = run(QStringLiteral("fancy"), {"rule"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.errText().startsWith(QLatin1String("vellomar-cli: --markup")))
        << bad.err.data();
}

// tidy's report on a page: empty when it has nothing to say.
std::optional<QString> Tidy(const QByteArray& page) {
    QProcess tidy;
    tidy.setProcessChannelMode(QProcess::MergedChannels);
    tidy.start(QStringLiteral("tidy"), {"-q", "-e"});
    if (!tidy.waitForStarted())
        return std::nullopt;
    tidy.write(page);
    tidy.closeWriteChannel();
    if (!tidy.waitForFinished(60000))
        return QStringLiteral("tidy did not finish");
    const QString said = QString::fromUtf8(tidy.readAll());
    return tidy.exitCode() == 0 ? said
                                : QStringLiteral("status %1: %2").arg(tidy.exitCode()).arg(said);
}

TEST_F(CliCss, EveryCssPageIsCleanForTidy) {
    VELLOMAR_REQUIRE(!FindProgram({"tidy"}).isEmpty(), "tidy");
    const QList<QStringList> commands{
        {"body", "--preset", "1"},
        {"--case", "upper", "body", "--preset", "8", "--prefer-names", "--background",
         "C:\\Web\\a \"b\"#1.gif"},
        {"text", "--bold", "--gradient", "0", "日本語 text <&>"},
        {"--case", "capital", "text", "--size", "7", "--italic", "--underline", "plain"},
        {"table", "--rows", "3", "--cols", "2", "--bgcolor", "white", "--border-light", "red",
         "--gradient", "0", "--direction", "2", "--target", "text", "--fill", "navy"},
        {"--crlf", "off", "table"},
        {"rule", "--width", "50", "--pixels", "--height", "1", "--align", "right", "--noshade"},
        {"--names", "on", "rule", "--gradient", "0", "--repeat", "5", "--align", "left"},
    };
    for (const QStringList& command : commands) {
        const CliRun page = run(QStringLiteral("css"), QStringList{"--wrap"} + command);
        ASSERT_EQ(page.status, 0) << command.join(' ').toStdString() << page.err.data();
        const std::optional<QString> said = Tidy(page.out);
        ASSERT_TRUE(said) << "tidy could not be started";
        EXPECT_EQ(*said, QString()) << command.join(' ').toStdString() << "\n"
                                    << page.out.toStdString();
    }
}

// The Nu Html Checker over every CSS page: text, table, rule, body, each
// colour notation in a page of its own (a tag notation closed after a word),
// and the modern gradient text and rule.
TEST_F(CliCss, EveryCssPageIsValidForTheNuHtmlChecker) {
    const QString java = QStandardPaths::findExecutable(QStringLiteral("java"));
    VELLOMAR_REQUIRE(!java.isEmpty() && QFile::exists(VELLOMAR_VNU_JAR), "java or vnu.jar");
    QList<QStringList> commands{
        {"text", "--bold", "--italic", "--gradient", "0", "a<&>b\r\n\x01c\u00a0"},
        {"--case", "upper", "text", "--size", "7", "--underline", "x"},
        {"table", "--rows", "2", "--cols", "2", "--border", "red", "--bgcolor", "white"},
        {"--names", "on", "table", "--border-dark", "navy", "--gradient", "0", "--direction", "2",
         "--target", "text"},
        {"rule", "--width", "50", "--pixels", "--height", "1", "--align", "right", "--noshade"},
        {"--names", "on", "rule", "--gradient", "0", "--repeat", "3"},
        {"body", "--preset", "8", "--prefer-names", "--background", "a\\b \"#1.gif"},
        {"text", "--markup", "modern", "--bold", "--gradient", "0", "グラデーション <&> text 0123"},
        {"--case", "upper", "--crlf", "off", "text", "--markup", "modern", "--gradient", "1",
         "--range", "2", "20", "abcdefghijklmnopqrstuvwxyz"},
        {"rule", "--markup", "modern", "--gradient", "0", "--width", "50", "--align", "right"}};
    QStringList files;
    for (int i = 0; i < commands.size() + kColorNotationCount; ++i) {
        QByteArray html;
        if (i < commands.size()) {
            html = run(QStringLiteral("css"), QStringList{"--wrap"} + commands[i]).out;
        } else {
            QString fragment =
                run(QStringLiteral("css"), {"--names", "on", "color", "red", "--notation",
                                            QString::number(i - commands.size())})
                    .outText();
            if (fragment.startsWith('<'))
                fragment += QStringLiteral("x</") +
                            fragment.section(QRegularExpression("[< ]"), 1, 1) + '>';
            ProgramOptions options;
            options.markupstyle = MarkupStyle::Css;
            html = WrapPageMarkup(fragment, Pages::Text, 0xFFFFFF, options).toUtf8();
        }
        files << m_dir.filePath(QStringLiteral("page%1.html").arg(i));
        QFile file(files.last());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(html) > 0) << i;
    }
    QProcess checker;
    checker.setProcessChannelMode(QProcess::MergedChannels);
    checker.start(java, QStringList{"-jar", VELLOMAR_VNU_JAR, "--errors-only", "--format", "gnu"} +
                            files);
    ASSERT_TRUE(checker.waitForFinished(240000));
    EXPECT_EQ(checker.exitCode(), 0) << checker.readAll().toStdString();
}

// Both pages drawn by Chromium: the classic and the CSS page of one model.
class CliCssDrawn : public CliCss {
protected:
    // Screenshots of the classic and the CSS page; the CSS page's text in `css`.
    std::pair<QImage, QImage> draw(const QStringList& command, QString* css = nullptr) {
        std::pair<QImage, QImage> shots;
        for (const QString& markup : {QStringLiteral("classic"), QStringLiteral("css")}) {
            const CliRun page = run(markup, QStringList{"--wrap"} + command);
            EXPECT_EQ(page.status, 0) << page.err.data();
            const QString file = m_dir.filePath(markup + QStringLiteral(".htm"));
            QFile out(file);
            EXPECT_TRUE(out.open(QIODevice::WriteOnly));
            out.write(page.out);
            out.close();
            const QImage shot = Screenshot(m_chromium, file, m_dir, markup);
            if (markup == QLatin1String("classic")) {
                shots.first = shot;
            } else {
                shots.second = shot;
                if (css)
                    *css = page.outText();
            }
        }
        return shots;
    }
    void SetUp() override {
        CliCss::SetUp();
        m_chromium = FindChromium();
        VELLOMAR_REQUIRE(!m_chromium.isEmpty(), "chromium");
    }

    QString m_chromium;
};

QString Background(const QImage& shot) {
    return QColor(shot.pixel(shot.width() - 20, shot.height() - 20)).name();
}

// The colours of the first `count` style="...color:#RRGGBB" declarations.
QStringList StyleColours(const QString& page, const QString& property, int count) {
    const QRegularExpression colour(property + QStringLiteral(":(#[0-9A-F]{6})"));
    QStringList colours;
    for (auto it = colour.globalMatch(page); it.hasNext() && colours.size() < count;)
        colours.append(it.next().captured(1));
    return colours;
}

TEST_F(CliCssDrawn, CharactersAndBackgroundOfTheTextPageHaveTheSameColours) {
    QString css;
    const auto [classic, modern] =
        draw({"text", "--size", "7", "--bold", "--gradient", "0", "MMM"}, &css);
    ASSERT_FALSE(classic.isNull() || modern.isNull());
    EXPECT_EQ(Background(classic), kViewback);
    EXPECT_EQ(Background(modern), kViewback);
    // The outer span's colour, then the first two characters' own.
    const QStringList colours = StyleColours(css, QStringLiteral("[^-]color"), 3);
    ASSERT_EQ(colours.size(), 3) << css.toStdString();
    for (const QString& colour : colours.mid(1)) {
        const QRgb rgb = QColor::fromString(colour).rgb();
        const QImage band = classic.copy(0, 0, 640, 160);
        EXPECT_GE(CountPixels(band, rgb), 60) << colour.toStdString();
        EXPECT_GE(CountPixels(modern.copy(0, 0, 640, 160), rgb), 60) << colour.toStdString();
    }
}

TEST_F(CliCssDrawn, CellsAndBackgroundOfTheTablePageHaveTheSameColours) {
    QString css;
    const auto [classic, modern] = draw({"table", "--rows", "2", "--cols", "2", "--border", "black",
                                         "--gradient", "0", "--direction", "0"},
                                        &css);
    ASSERT_FALSE(classic.isNull() || modern.isNull());
    EXPECT_EQ(Background(classic), kViewback);
    EXPECT_EQ(Background(modern), kViewback);
    // A border colour alone draws flat borders in both.
    EXPECT_EQ(CountPixels(classic.copy(0, 0, 200, 120), 0),
              CountPixels(modern.copy(0, 0, 200, 120), 0));
    const QStringList colours = StyleColours(css, QStringLiteral("background-color"), 3);
    ASSERT_EQ(colours.size(), 3) << css.toStdString();
    // colours[0] is the page's own background.
    for (const QString& colour : colours.mid(1)) {
        const QRgb rgb = QColor::fromString(colour).rgb();
        EXPECT_GE(CountPixels(classic.copy(0, 0, 200, 120), rgb), 40) << colour.toStdString();
        EXPECT_GE(CountPixels(modern.copy(0, 0, 200, 120), rgb), 40) << colour.toStdString();
    }
}

TEST_F(CliCssDrawn, TheBodyPageHasTheSameBackground) {
    const auto [classic, modern] = draw({"body", "--preset", "6", "--prefer-names"});
    ASSERT_FALSE(classic.isNull() || modern.isNull());
    EXPECT_EQ(Background(classic), "#8080c0");
    EXPECT_EQ(Background(modern), "#8080c0");
}

} // namespace
