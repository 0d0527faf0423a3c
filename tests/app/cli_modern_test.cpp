// --markup modern drawn by Chromium: the glyphs of a gradient text and the
// pixels of a gradient rule take the colours of the drawn gradient bar, in
// every interpolation space.
#include "Chromium.h"
#include "CliProcess.h"

#include <QColor>
#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The middle row of the modern page of `command` against table G's drawn bar
// stretched over it. Besides dithering and rounding (3 per channel), the bar
// may move by `slack` columns: a character has the bar's colour at its left
// edge, which the gradient puts at its centre. Seams between glyphs are mixed
// with the white page, so a pixel passes when it or a neighbour matches.
void ExpectFollowsBar(const QStringList& command, const QString& table, int slack,
                      const QString& interpolation = QStringLiteral("srgb")) {
    const QString chromium = FindChromium();
    VELLOMAR_REQUIRE(!chromium.isEmpty(), "chromium");
    QTemporaryDir dir;
    const QStringList settings{"--settings", dir.filePath("none.ini"), "--interpolation",
                               interpolation};
    QFile page(dir.filePath("page.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(RunCli(settings + QStringList{"--markup", "modern", "--wrap"} + command).out);
    page.close();
    const QImage shot = Screenshot(chromium, page.fileName(), dir).copy(0, 0, 640, 200);
    std::vector<QColor> bar;
    for (const QByteArray& line :
         RunCli(settings + QStringList{"gradient-draw", table}).out.split('\n'))
        if (!line.isEmpty())
            bar.emplace_back(QString::fromLatin1(line));
    ASSERT_EQ(bar.size(), 300u);

    const auto ink = [&](int x, int y) { return (shot.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF; };
    int top = shot.height(), bottom = -1, left = shot.width(), right = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (ink(x, y))
                top = std::min(top, y), bottom = std::max(bottom, y);
    const int y = (top + bottom) / 2;
    for (int x = 0; x < shot.width(); ++x)
        if (ink(x, y))
            left = std::min(left, x), right = std::max(right, x);
    ASSERT_GT(right - left, 200);
    for (int x = left + 2; x <= right - 2; ++x) {
        const int column = std::clamp(int(300.0 * (x + 0.5 - left) / (right + 1 - left)), 0, 299);
        const auto matches = [&](QRgb seen) {
            for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue}) {
                const int want = (bar[size_t(column)].*channel)();
                int tolerance = 3;
                for (int d = -slack; d <= slack; ++d)
                    tolerance = std::max(
                        tolerance,
                        3 + std::abs((bar[size_t(std::clamp(column + d, 0, 299))].*channel)() -
                                     want));
                if (std::abs((QColor(seen).*channel)() - want) > tolerance)
                    return false;
            }
            return true;
        };
        EXPECT_TRUE(matches(shot.pixel(x, y)) || matches(shot.pixel(x - 1, y)) ||
                    matches(shot.pixel(x + 1, y)))
            << "x " << x << " seen " << QColor(shot.pixel(x, y)).name().toStdString() << " bar "
            << bar[size_t(column)].name().toStdString();
    }
}

TEST(CliModernDrawn, GradientTextGlyphsAndGradientRulePixelsFollowTheDrawnBar) {
    // 56 characters of two positions: half a character is 2.7 columns.
    ExpectFollowsBar({"text", "--size", "2", "--gradient", "0", QString(56, QChar(0x2588))}, "0",
                     3);
    ExpectFollowsBar({"rule", "--gradient", "1", "--width", "300", "--pixels", "--height", "30",
                      "--align", "left"},
                     "1", 1);
    // The browser's own walk in the perceptual spaces matches the bar's.
    for (const QString space : {"oklab", "oklch"})
        ExpectFollowsBar({"rule", "--gradient", "0", "--width", "300", "--pixels", "--height", "30",
                          "--align", "left"},
                         "0", 1, space);
}

} // namespace
