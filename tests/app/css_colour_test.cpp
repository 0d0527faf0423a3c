#include "Chromium.h"
#include "core/CssColorText.h"

#include <QFile>

namespace {

// Every CSS notation of every colour of a 16-level grid, painted by Chromium
// as 2 x 2 pixel cells: each must come out as exactly the colour written.
TEST(CssColourText, ChromiumPaintsEveryWrittenTextAsItsColour) {
    const QString chromium = FindChromium();
    VELLOMAR_REQUIRE(!chromium.isEmpty(), "chromium");
    QTemporaryDir dir;
    QStringList texts;
    QList<TColor> colors;
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 17)
                for (const auto& [name, format] : CssFormatNames()) {
                    if (!IsCssText(format))
                        continue;
                    colors << RgbToColor(r, g, b);
                    texts << WriteCssColorText(colors.back(), format);
                }
    constexpr int kColumns = 320;
    QFile page(dir.filePath("notations.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<body style='margin:0;background:#fff'><div id=g style='display:grid;"
               "grid-template-columns:repeat(320,2px);grid-auto-rows:2px'></div><script>'" +
               texts.join(';').toLatin1() +
               "'.split(';').forEach(t => {const i = document.createElement('i');"
               "i.style.background = t; g.appendChild(i);});</script>");
    page.close();
    const QImage shot = Screenshot(chromium, page.fileName(), dir);
    ASSERT_FALSE(shot.isNull());
    int wrong = 0;
    for (int i = 0; i < texts.size(); ++i) {
        const QRgb pixel = shot.pixel(i % kColumns * 2, i / kColumns * 2);
        const TColor painted = RgbToColor(qRed(pixel), qGreen(pixel), qBlue(pixel));
        if (painted != colors[i] && ++wrong <= 10)
            ADD_FAILURE() << texts[i].toStdString() << " painted as "
                          << ColorToHtml(painted).toStdString() << ", not "
                          << ColorToHtml(colors[i]).toStdString();
    }
    EXPECT_EQ(wrong, 0);
}

} // namespace
