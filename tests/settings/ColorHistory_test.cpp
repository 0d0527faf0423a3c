#include "settings/ColorHistory.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr TColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

// The greys from `first` to `last`, either way.
std::vector<TColor> Grays(int first, int last) {
    std::vector<TColor> colors;
    const int step = last < first ? -1 : 1;
    for (int i = first; i != last + step; i += step)
        colors.push_back(RgbToColor(i, i, i));
    return colors;
}

struct HistoryCase {
    const char* name;
    QString stored;             // the settings value read first
    std::vector<TColor> picked; // then added in this order
    std::vector<TColor> kept;
};

QString GrayRecord(int count) {
    QStringList pieces;
    for (int i = 0; i < count; ++i)
        pieces << QStringLiteral("#%1%1%1").arg(i % 256, 2, 16, QLatin1Char('0'));
    return pieces.join(QLatin1Char(','));
}

} // namespace

TEST(ColorHistory, KeepsTheNewestOnceAndReadsOnlySoundStoredColors) {
    const HistoryCase cases[] = {
        {"newest first", {}, {kRed, kGreen, kBlue}, {kBlue, kGreen, kRed}},
        {"picked again moves to the front", {}, {kRed, kGreen, kBlue, kRed}, {kRed, kBlue, kGreen}},
        {"the top byte is no part of the colour", {}, {0x01000000 | kRed, kRed}, {kRed}},
        {"at most 32", {}, Grays(0, 39), Grays(39, 8)},
        {"stored, then picked", QStringLiteral("#FF0000,#00ff00"), {kBlue}, {kBlue, kRed, kGreen}},
        {"damaged pieces dropped",
         QStringLiteral("#GG0000,#12345,,#FF0000, #ff0000 ,+12345,#+12345,# 12345,#00FF00x,\x01,"
                        "FF0000,#0000FF"),
         {},
         {kRed, kBlue}},
        {"a long value is read no further than the capacity", GrayRecord(5000), {}, Grays(0, 31)},
        {"pieces past a bound are not read",
         QStringList(5000, QStringLiteral("x")).join(QLatin1Char(',')) + QStringLiteral(",#FF0000"),
         {},
         {}},
    };
    QTemporaryDir dir;
    for (const HistoryCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString ini = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".ini"));
        ColorHistory history;
        {
            SettingsStore store(ini);
            store.writeString(QStringLiteral("ColorHistory"), QStringLiteral("Colors"), c.stored);
            history.load(store);
        }
        for (const TColor color : c.picked)
            history.add(color);
        EXPECT_EQ(history.colors(), c.kept);
        {
            SettingsStore store(ini);
            history.save(store);
            ASSERT_TRUE(store.sync());
        }
        ColorHistory reread;
        reread.load(SettingsStore(ini));
        EXPECT_EQ(reread.colors(), c.kept);
    }
}
