// --wrap: a generator's fragment inside the page the preview file holds, and
// that page as a real browser draws it.
#include "Chromium.h"
#include "CliContext.h"
#include "CliProcess.h"

#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

QByteArray Captured(const CliContext& context, const ProgramOptions& options,
                    const QString& fragment, const PageTraits& page) {
    testing::internal::CaptureStdout();
    WriteFragment(context, options, fragment, page);
    std::fflush(stdout);
    return QByteArray::fromStdString(testing::internal::GetCapturedStdout());
}

TEST(CliWrap, WrapsTheFragmentInThePreviewPageOfItsPage) {
    QTemporaryDir dir;
    CliContext context;
    context.settingsFile = dir.filePath(QStringLiteral("settings.ini"));
    {
        SettingsStore store(context.settingsFile);
        store.writeString(kOptionSection, QStringLiteral("viewback"),
                          QString::number(RgbToColor(0, 128, 0)));
        ASSERT_TRUE(store.sync());
    }
    context.names = true;
    context.htmlCase = HtmlCase::Upper;
    const ProgramOptions options = context.loadOptions();
    const QString fragment = QStringLiteral("<HR COLOR=#FF0000>");

    EXPECT_EQ(Captured(context, options, fragment, Pages::Rule), fragment.toUtf8());
    context.wrap = true;
    EXPECT_EQ(Captured(context, options, fragment, Pages::Rule),
              "<html><head><meta charset=\"utf-8\"><title>Vellomar Preview</title></head>\r\n\r\n"
              "<body bgcolor=\"GREEN\">\r\n\r\n<HR COLOR=#FF0000>\r\n</body></html>\r\n");
    // The gradient-text editor starts with the same background.
    EXPECT_TRUE(Captured(context, options, QStringLiteral("x"), Pages::Text)
                    .contains("<body bgcolor=\"GREEN\">"));
    const QString tag = QStringLiteral("<BODY BGCOLOR=\"#FFFFFF\" >\r\n");
    EXPECT_EQ(Captured(context, options, tag, Pages::Body),
              "<html><head><meta charset=\"utf-8\"><title>Vellomar Preview</title></head>\r\n\r\n" +
                  tag.toUtf8() + "\r\n</body></html>\r\n");
    // The colour page never becomes a page of its own.
    EXPECT_THROW(Captured(context, options, QStringLiteral("#FF0000"), Pages::Color), UsageError);
    testing::internal::GetCapturedStdout();
}

TEST(CliWrap, ChromiumDrawsTheTablePageWithItsBackgroundAndCellColours) {
    const QString chromium = FindChromium();
    VELLOMAR_REQUIRE(!chromium.isEmpty(), "chromium");
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString settings = dir.filePath(QStringLiteral("settings.ini"));
    const TColor viewback = RgbToColor(0x20, 0x40, 0x60);
    {
        SettingsStore store(settings);
        store.writeString(kOptionSection, QStringLiteral("viewback"), QString::number(viewback));
        ASSERT_TRUE(store.sync());
    }
    QByteArray page;
    const CliRun run = RunCli({"--settings", settings, "--wrap", "table", "--rows", "2", "--cols",
                               "2", "--gradient", "0", "--direction", "0"});
    if (run.status == 0) {
        page = run.out;
    } else {
        // Until the table command exists: the same page around a fragment as
        // the table writer makes it.
        ASSERT_TRUE(run.errText().contains(QLatin1String("unknown command"))) << run.err.data();
        CliContext context;
        context.settingsFile = settings;
        const QString fragment = QStringLiteral(
            "<table border=\"1\" cellpadding=\"3\" cellspacing=\"3\">\r\n"
            "<tr><td bgcolor=\"#FF0000\">★</td><td bgcolor=\"#E00000\">★</td></tr>\r\n"
            "<tr><td bgcolor=\"#C00000\">★</td><td bgcolor=\"#A00000\">★</td></tr>\r\n"
            "</table>");
        page = WrapPage(fragment, Pages::Table, viewback, context.loadOptions()).toUtf8();
    }
    ASSERT_TRUE(page.startsWith(
        "<html><head><meta charset=\"utf-8\"><title>Vellomar Preview</title></head>\r\n\r\n"
        "<body bgcolor=\"#204060\">\r\n\r\n"));
    const QRegularExpression cellColour(QStringLiteral("<td[^>]*bgcolor=\"(#[0-9A-F]{6})\""),
                                        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch cell = cellColour.match(QString::fromUtf8(page));
    ASSERT_TRUE(cell.hasMatch()) << page.toStdString();
    const QRgb cellRgb = QColor::fromString(cell.captured(1)).rgb();

    const QString file = dir.filePath(QStringLiteral("TMPpage.htm"));
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(page);
    }
    const QImage shot = Screenshot(chromium, file, dir);
    ASSERT_FALSE(shot.isNull());
    // Far below and right of the small table: the page background.
    EXPECT_EQ(QColor(shot.pixel(shot.width() - 20, shot.height() - 20)).name(),
              QStringLiteral("#204060"));
    // The first cell fills more than a few pixels near the page's top left.
    const QImage corner = shot.copy(0, 0, 200, 120);
    EXPECT_GE(CountPixels(corner, cellRgb), 40) << cell.captured(1).toStdString();
}

} // namespace
