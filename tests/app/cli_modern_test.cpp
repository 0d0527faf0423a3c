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
// stretched over it. Besides a browser's dithering and rounding (2 or 3 per
// channel), a character's colour is the bar's at its left edge, which the
// gradient puts at its centre: the bar may move by `slack` columns. Pixels
// beside the white between glyphs are mixed with it and are skipped.
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
    const auto white = [&](int x) { return (shot.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; };
    int left = 0, right = shot.width() - 1;
    while (left < right && white(left))
        ++left;
    while (right > left && white(right))
        --right;
    ASSERT_GT(right - left, 200);
    int compared = 0;
    for (int x = left + 2; x <= right - 2; ++x) {
        if (white(x - 2) || white(x - 1) || white(x + 1) || white(x + 2))
            continue;
        const int column = std::clamp(int(300.0 * (x + 0.5 - left) / (right + 1 - left)), 0, 299);
        const QColor seen(shot.pixel(x, y));
        const QColor want = bar[size_t(column)];
        for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue}) {
            int tolerance = 3;
            for (int d = -slack; d <= slack; ++d)
                tolerance =
                    std::max(tolerance,
                             3 + std::abs((bar[size_t(std::clamp(column + d, 0, 299))].*channel)() -
                                          (want.*channel)()));
            EXPECT_LE(std::abs((seen.*channel)() - (want.*channel)()), tolerance)
                << "x " << x << " column " << column << " seen " << seen.name().toStdString()
                << " bar " << want.name().toStdString();
        }
        ++compared;
    }
    EXPECT_GT(compared, (right - left) / 2);
}

TEST_F(CliModernDrawn, GradientTextGlyphsFollowTheDrawnBar) {
    const QImage shot =
        draw("text", {"text", "--size", "5", "--gradient", "0", QString(40, QChar(0x2588))});
    shot.save(m_dir.filePath("text.png"));
    // 40 characters of two positions: half a character is under 2 columns.
    ExpectFollowsBar(shot.copy(0, 0, shot.width(), 200), bar("0"), 2);
}

TEST_F(CliModernDrawn, GradientRulePixelsFollowTheDrawnBar) {
    const QImage shot = draw("rule", {"rule", "--gradient", "1", "--width", "300", "--pixels",
                                      "--height", "30", "--align", "left"});
    ExpectFollowsBar(shot.copy(0, 0, shot.width(), 200), bar("1"), 1);
}

} // namespace
