#include "OutsidePrograms.h"
#include "gradient/CssLinearGradient.h"
#include "gradient/GgrFile.h"
#include "gradient/GplPalette.h"
#include "gradient/GradientFit.h"
#include "gradient/GradientStore.h"
#include "gradient/GradientTableList.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QTemporaryDir>
#include <cmath>

namespace {

// "position:RRGGBB ..." of a gradient's stops.
QString Stops(const std::vector<GradientStop>& stops) {
    QStringList parts;
    for (const GradientStop& s : stops)
        parts << QStringLiteral("%1:%2").arg(s.position).arg(ColorToHtml(s.color).mid(1));
    return parts.join(u' ');
}

GradientImport Ggr(const char* segments) {
    return ReadGgr(QByteArray("GIMP Gradient\nName: t\n") + segments, QStringLiteral("f"));
}

} // namespace

TEST(GradientExchangeTest, ExportedTablesComeBackAsThemselves) {
    GradientTableList list;
    LoadDefaultGradientTables(list);
    std::vector<GradientTable> tables(&list.slot(0), &list.slot(13));
    GradientTable close; // ten stops one column apart and a name to clean
    close.name = QStringLiteral("a\tb");
    std::vector<GradientStop> stops;
    for (int i = 0; i < 9; ++i)
        stops.push_back({i, RgbToColor(i * 30, 255 - i * 7, i % 2 ? 255 : 0)});
    stops.push_back({300, 0x123456});
    close.setStops(stops);
    tables.push_back(close);
    for (const GradientTable& table : tables) {
        const GradientImport ggr = ReadGgr(WriteGgr(table), QString());
        ASSERT_TRUE(ggr) << GradientImportErrorText(ggr).toStdString();
        EXPECT_EQ(Stops(ggr.gradients.at(0).stops), Stops(table.stops()));
        EXPECT_EQ(ggr.gradients.at(0).notes, 0u);
        EXPECT_EQ(ggr.gradients.at(0).name, table.name == close.name ? "a b" : table.name);
        const GradientImport css = ReadCssLinearGradients(
            WriteCssLinearGradient(table, GradientInterpolation::Oklch), QString());
        ASSERT_TRUE(css);
        EXPECT_EQ(Stops(css.gradients.at(0).stops), Stops(table.stops()));
    }
    EXPECT_EQ(WriteCssLinearGradient(list.slot(4), GradientInterpolation::Oklab),
              "linear-gradient(to right in oklab, #800040 0%, #008000 50%, #FF8040 100%)");
}

TEST(GradientExchangeTest, EveryGimpDataGradientImports) {
    const QString folder = QStringLiteral("/usr/share/gimp/2.0/gradients");
    VELLOMAR_REQUIRE(QFileInfo(folder).isDir(), QStringLiteral("gimp-data"));
    int files = 0, sampled = 0;
    double worst = 0;
    for (QDirIterator it(folder, {QStringLiteral("*.ggr")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString path = it.next();
        const GradientImport import = ImportGradientFile(path);
        ASSERT_TRUE(import) << path.toStdString() << ": "
                            << GradientImportErrorText(import).toStdString();
        const ImportedGradient& g = import.gradients.at(0);
        EXPECT_FALSE(g.name.isEmpty());
        EXPECT_EQ(g.stops.front().position, 0);
        EXPECT_EQ(g.stops.back().position, 300);
        ++files;
        sampled += (g.notes & GradientSampled) ? 1 : 0;
        worst = std::max(worst, g.maxError);
    }
    EXPECT_GE(files, 70);
    std::printf("%d gimp-data gradients, %d sampled, largest difference %.1f\n", files, sampled,
                worst);
}

TEST(GradientExchangeTest, GgrSegmentsBecomeStopsOrAFit) {
    // Straight RGB blends with centred middles are the stops themselves.
    GradientImport g = Ggr("2\n0 0.25 0.5 1 0 0 1 0 1 0 0.5 0 0\n"
                           "0.5 0.75 1 0 1 0 0.5 0 0 1 1 0 0 0 3\n");
    ASSERT_TRUE(g);
    EXPECT_EQ(Stops(g.gradients[0].stops), "0:FF0000 150:00FF00 300:FFFFFF");
    EXPECT_EQ(g.gradients[0].notes, GradientAlphaIgnored | GradientContextColors);
    // Other blends, an off-centre middle, hue walks and hard edges are fitted.
    struct Case {
        const char* segments;
        int column;
        TColor color;
    };
    for (const Case& c : {
             Case{"1\n0 0.5 1 0 0 0 1 1 1 1 1 2 0\n", 75, RgbToColor(37, 37, 37)}, // sine
             Case{"1\n0 0.2 1 0 0 0 1 1 1 1 1 0 0\n", 60, RgbToColor(128, 128, 128)},
             Case{"1\n0 0.5 1 1 0 0 1 1 0 0 1 0 1\n", 100, RgbToColor(0, 255, 0)}, // HSV ccw
             Case{"2\n0 0.25 0.5 1 0 0 1 1 0 0 1 0 0\n0.5 0.75 1 0 0 1 1 0 0 1 1 0 0\n", 151,
                  RgbToColor(0, 0, 255)},
         }) {
        g = Ggr(c.segments);
        ASSERT_TRUE(g) << c.segments;
        EXPECT_TRUE(g.gradients[0].notes & GradientSampled) << c.segments;
        EXPECT_LE(g.gradients[0].stops.size(), 10u);
        const GradientSample at = BlendGradientStops(g.gradients[0].stops)[size_t(c.column)];
        EXPECT_NEAR(at.red, ColorRed(c.color), 3) << c.segments;
        EXPECT_NEAR(at.green, ColorGreen(c.color), 3) << c.segments;
        EXPECT_NEAR(at.blue, ColorBlue(c.color), 3) << c.segments;
    }
}

TEST(GradientExchangeTest, DamagedGgrFilesAreRefusedWithTheLine) {
    struct Case {
        const char* segments;
        GradientImportError error;
        int line;
    };
    for (const Case& c : {
             Case{"", GradientImportError::BadSegmentCount, 3},
             Case{"0\n", GradientImportError::BadSegmentCount, 3},
             Case{"5000\n", GradientImportError::TooManySegments, 3},
             Case{"2\n0 0.5 1 0 0 0 1 1 1 1 1 0 0\n", GradientImportError::MissingSegments, 3},
             Case{"1\n0 0.5 1 nan 0 0 1 1 1 1 1 0 0\n", GradientImportError::BadSegment, 4},
             Case{"1\n0 0.5 1 0 0 0 1 1 1 1 1 0\n", GradientImportError::BadSegment, 4},
             Case{"1\n0.9 0.5 0.1 0 0 0 1 1 1 1 1 0 0\n", GradientImportError::BadSegment, 4},
             Case{"1\n0 0.5 1 0 0 0 1 1 1 1 1 6 0\n", GradientImportError::BadSegment, 4},
             Case{"2\n0 0.5 1 0 0 0 1 1 1 1 1 0 0\n0.5 0.7 1 0 0 0 1 1 1 1 1 0 0\n",
                  GradientImportError::BadSegment, 5},
         }) {
        const GradientImport g = Ggr(c.segments);
        EXPECT_EQ(g.error, c.error) << c.segments;
        EXPECT_EQ(g.line, c.line) << c.segments;
    }
    EXPECT_EQ(ImportGradientText("GIMP Palette\n", QString()).error,
              GradientImportError::UnknownFormat);
    EXPECT_EQ(ImportGradientText(QByteArray(kMaxGradientFileBytes + 1, ' '), QString()).error,
              GradientImportError::TooLarge);
}

TEST(GradientExchangeTest, CssGradientsReadAsBrowsersPlaceTheirStops) {
    struct Case {
        const char* css;
        const char* stops;
        unsigned notes;
    };
    for (const Case& c : {
             Case{"linear-gradient(red, lime, blue)", "0:FF0000 150:00FF00 300:0000FF", 0},
             Case{"x: -webkit-linear-gradient(left, #f00 0%, rgb(0 0 255 / 50%))",
                  "0:FF0000 300:0000FF", 0},
             Case{"linear-gradient(45deg in oklab, red 20%, hsl(120 100% 50%), blue, white 80%)",
                  "0:FF0000 60:FF0000 120:00FF00 180:0000FF 240:FFFFFF 300:FFFFFF",
                  GradientDirectionIgnored | GradientSpaceIgnored},
             Case{"linear-gradient(to right in srgb, red 0% 50%, 30%, blue /* b */)",
                  "0:FF0000 150:FF0000 300:0000FF", GradientHintsIgnored},
             Case{"linear-gradient(oklch(62.8% 0.2577 29.23), black 150%)", nullptr,
                  GradientSampled},
             Case{"linear-gradient(red 50%, blue 10%)", nullptr, GradientSampled},
             Case{"linear-gradient(#000,#111,#222,#333,#444,#555,#666,#777,#888,#999,#aaa)",
                  "0:000000 300:AAAAAA", GradientSampled},
         }) {
        const GradientImport g = ReadCssLinearGradients(QString::fromUtf8(c.css), QString());
        ASSERT_TRUE(g) << c.css << ": " << GradientImportErrorText(g).toStdString();
        ASSERT_EQ(g.gradients.size(), 1u);
        EXPECT_EQ(g.gradients[0].notes, c.notes) << c.css;
        if (c.stops)
            EXPECT_EQ(Stops(g.gradients[0].stops), c.stops) << c.css;
        else
            EXPECT_LT(g.gradients[0].maxError, 30) << c.css;
    }
    // A hard edge stays within a column.
    const GradientColumns edge = BlendGradientStops(
        ReadCssLinearGradients(QStringLiteral("linear-gradient(red 50%, blue 10%)"), {})
            .gradients[0]
            .stops);
    EXPECT_EQ(edge[149].red, 255);
    EXPECT_EQ(edge[150].blue, 255);

    struct Fault {
        const char* css;
        GradientImportError error;
        int stop;
    };
    for (const Fault& f : {
             Fault{"a { }", GradientImportError::UnknownFormat, 0},
             Fault{"linear-gradient(red, bluish)", GradientImportError::BadCssColor, 2},
             Fault{"linear-gradient(red, blue 10px)", GradientImportError::BadCssPosition, 2},
             Fault{"linear-gradient(to left, red, blue", GradientImportError::BadCssGradient, 0},
             Fault{"linear-gradient(red, , blue)", GradientImportError::BadCssGradient, 2},
         }) {
        const GradientImport g = ReadCssLinearGradients(QString::fromUtf8(f.css), QString());
        EXPECT_EQ(g.error, f.error) << f.css;
        EXPECT_EQ(g.stop, f.stop) << f.css;
    }
}

TEST(GradientExchangeTest, ImportsNeverReplaceATable) {
    GradientTableList list;
    LoadDefaultGradientTables(list);
    const GradientImport two = ImportGradientText(
        "linear-gradient(red, blue) linear-gradient(lime, red)", QStringLiteral("虹"));
    EXPECT_EQ(AddImportedGradients(list, two.gradients),
              (QStringList{QStringLiteral("虹 (2)"), QStringLiteral("虹 (3)")}));
    EXPECT_EQ(Stops(list.slot(1).stops()), Stops(DefaultGradientTables()[1].stops()));
    list.setCount(GradientTableList::kCapacity - 1);
    EXPECT_EQ(AddImportedGradients(list, two.gradients).size(), 1);

    const QByteArray gpl = WriteGplPalette(std::span(&list.slot(2), 2), QStringLiteral("p"));
    EXPECT_TRUE(gpl.startsWith("GIMP Palette\nName: p\nColumns: 0\n#\n# 黒、白\n"
                               "  0   0   0\t黒、白 @0\n255 255 255\t黒、白 @300\n# 白、黒\n"));

    QTemporaryDir dir;
    QFile big(dir.filePath(QStringLiteral("big.ggr")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.resize(kMaxGradientFileBytes + 1);
    big.close();
    EXPECT_EQ(ImportGradientFile(big.fileName()).error, GradientImportError::TooLarge);
    EXPECT_EQ(ImportGradientFile(dir.path()).error, GradientImportError::Unreadable);
}
