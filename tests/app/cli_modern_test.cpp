// --markup modern drawn by Chromium: the glyphs of a gradient text and the
// pixels of a gradient rule take the colours of the drawn gradient bar.
#include "Chromium.h"
#include "CliProcess.h"

#include <QColor>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

class CliModernDrawn : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_chromium = FindChromium();
        VELLOMAR_REQUIRE(!m_chromium.isEmpty(), "chromium");
    }
    QImage draw(const QString& name, const QStringList& command) {
        const CliRun page = RunCli(
            QStringList{"--settings", m_dir.filePath("none.ini"), "--markup", "modern", "--wrap"} +
            command);
        EXPECT_EQ(page.status, 0) << page.err.data();
        const QString file = m_dir.filePath(name + QStringLiteral(".html"));
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(page.out) > 0);
        out.close();
        return Screenshot(m_chromium, file, m_dir, name);
    }
    // Columns 0..299 of the table's drawn bar.
    std::vector<QColor> bar(const QString& table) {
        const CliRun drawn =
            RunCli({"--settings", m_dir.filePath("none.ini"), "gradient-draw", table});
        std::vector<QColor> columns;
        for (const QByteArray& line : drawn.out.split('\n'))
            if (!line.isEmpty())
                columns.emplace_back(QString::fromLatin1(line));
        EXPECT_EQ(columns.size(), 300u);
        return columns;
    }

    QTemporaryDir m_dir;
    QString m_chromium;
};

// Compares the middle row of what is painted on the white page with the bar
// stretched over it. Besides a browser's dithering and rounding (3 per
// channel), a character's colour is the bar's at its left edge, which the
// gradient puts at its centre: the bar may move by `slack` columns. The
// seams between glyphs are mixed with the white beneath, so a pixel passes
// when it or a neighbour matches.
void ExpectFollowsBar(const QImage& shot, const std::vector<QColor>& bar, int slack) {
    ASSERT_FALSE(shot.isNull());
    int top = shot.height(), bottom = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if ((shot.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(bottom, top);
    const int y = (top + bottom) / 2;
    int left = 0, right = shot.width() - 1;
    while (left < right && (shot.pixel(left, y) & 0xFFFFFF) == 0xFFFFFF)
        ++left;
    while (right > left && (shot.pixel(right, y) & 0xFFFFFF) == 0xFFFFFF)
        --right;
    ASSERT_GT(right - left, 200);
    for (int x = left + 2; x <= right - 2; ++x) {
        const int column = std::clamp(int(300.0 * (x + 0.5 - left) / (right + 1 - left)), 0, 299);
        const QColor want = bar[size_t(column)];
        const auto matches = [&](const QColor& seen) {
            for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue}) {
                int tolerance = 3;
                for (int d = -slack; d <= slack; ++d) {
                    const QColor& near = bar[size_t(std::clamp(column + d, 0, 299))];
                    tolerance =
                        std::max(tolerance, 3 + std::abs((near.*channel)() - (want.*channel)()));
                }
                if (std::abs((seen.*channel)() - (want.*channel)()) > tolerance)
                    return false;
            }
            return true;
        };
        const QColor seen(shot.pixel(x, y));
        EXPECT_TRUE(matches(seen) || matches(QColor(shot.pixel(x - 1, y))) ||
                    matches(QColor(shot.pixel(x + 1, y))))
            << "x " << x << " column " << column << " seen " << seen.name().toStdString() << " bar "
            << want.name().toStdString();
    }
}

TEST_F(CliModernDrawn, GradientTextGlyphsFollowTheDrawnBar) {
    const QImage shot =
        draw("text", {"text", "--size", "2", "--gradient", "0", QString(56, QChar(0x2588))});
    // 56 characters of two positions: half a character is 2.7 columns.
    ExpectFollowsBar(shot.copy(0, 0, shot.width(), 200), bar("0"), 3);
}

TEST_F(CliModernDrawn, GradientRulePixelsFollowTheDrawnBar) {
    const QImage shot = draw("rule", {"rule", "--gradient", "1", "--width", "300", "--pixels",
                                      "--height", "30", "--align", "left"});
    ExpectFollowsBar(shot.copy(0, 0, shot.width(), 200), bar("1"), 1);
}

} // namespace
