#include "core/CommaText.h"
#include "gradient/GradientListOps.h"
#include "gradient/GradientRecord.h"
#include "gradient/GradientStore.h"
#include "gradient/GradientTableList.h"
#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

const QString kSection = QStringLiteral("colortable");

class GradientStoreTest : public ::testing::Test {
protected:
    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    QTemporaryDir m_dir;
};

GradientTableList Defaults() {
    GradientTableList list;
    LoadDefaultGradientTables(list);
    return list;
}

} // namespace

TEST_F(GradientStoreTest, EmptyStoreGivesTheDefaultsAndWritesNothing) {
    SettingsStore store(iniPath());
    GradientTableList list;
    LoadGradientTables(store, list);
    ASSERT_EQ(list.count(), 13);
    EXPECT_EQ(list.slot(0).name, QStringLiteral("スペクトラム"));
    EXPECT_EQ(list.slot(12).name, QStringLiteral("赤、緑"));
    EXPECT_EQ(list.slot(12).colors[1], 8421440u);
    EXPECT_EQ(list.slot(0).colors[6], 287227u);
    EXPECT_FALSE(store.contains(kSection, QStringLiteral("count")));

    for (const char* count : {"abc", "0", "-3", ""}) {
        store.writeString(kSection, QStringLiteral("count"), QString::fromLatin1(count));
        GradientTableList again;
        LoadGradientTables(store, again);
        EXPECT_EQ(again.count(), 13) << count;
    }
}

TEST_F(GradientStoreTest, RecordsRoundTripThroughTheIniFile) {
    GradientTableList list = Defaults();
    ASSERT_EQ(AddGradientTable(list, QStringLiteral("  my  table "),
                               std::vector<GradientStop>{{0, 1}, {77, 2}, {312, 3}}),
              AddGradientResult::Added);
    {
        SettingsStore store(iniPath());
        SaveGradientTables(store, list);
        store.sync();
    }
    SettingsStore store(iniPath());
    EXPECT_EQ(store.readString(kSection, QStringLiteral("count")), QStringLiteral("14"));
    EXPECT_EQ(store.readString(kSection, QStringLiteral("col2")),
              QStringLiteral("\"黒、白\",\"2\",\"0\",\"300\",\"0\",\"16777215\""));
    GradientTableList loaded;
    LoadGradientTables(store, loaded);
    ASSERT_EQ(loaded.count(), 14);
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(loaded.slot(i), list.slot(i)) << i;
    EXPECT_EQ(loaded.slot(13).name, QStringLiteral("  my  table "));
}

TEST_F(GradientStoreTest, DeletingLeavesTheOldLastRecordUnread) {
    GradientTableList list = Defaults();
    SettingsStore store(iniPath());
    SaveGradientTables(store, list);
    ASSERT_TRUE(DeleteGradientTable(list, 3));
    EXPECT_EQ(list.slot(3).name, QStringLiteral("紫、緑、オレンジ"));
    SaveGradientTables(store, list);
    store.sync();
    EXPECT_EQ(store.readString(kSection, QStringLiteral("count")), QStringLiteral("12"));
    EXPECT_EQ(store.readString(kSection, QStringLiteral("col12")),
              GradientTableToRecord(DefaultGradientTables()[12]));
    GradientTableList loaded;
    LoadGradientTables(SettingsStore(iniPath()), loaded);
    EXPECT_EQ(loaded.count(), 12);
    EXPECT_EQ(loaded.slot(11).name, QStringLiteral("赤、緑"));
}

TEST_F(GradientStoreTest, DamagedStoreLoadsInsideItsSlots) {
    SettingsStore store(iniPath());
    store.writeString(kSection, QStringLiteral("count"), QStringLiteral("500"));
    store.writeString(kSection, QStringLiteral("col0"),
                      QStringLiteral("\"a\",\"2\",\"0\",\"x\",\"0\",\"1\""));
    store.writeString(kSection, QStringLiteral("col1"),
                      QStringLiteral("\"b\",\"3\",\"0\",\"300\""));
    store.writeString(kSection, QStringLiteral("col2"), QStringLiteral("\"c\",\"11\""));
    store.writeString(kSection, QStringLiteral("col3"), QStringLiteral("\"d\",\"-1\""));
    store.writeString(kSection, QStringLiteral("col4"),
                      QStringLiteral("\"e\",\"2\",\"0\",\"300\",\"5\",\"6\""));
    store.writeString(kSection, QStringLiteral("col100"), QStringLiteral("\"last\",\"0\""));
    store.writeString(kSection, QStringLiteral("col101"), QStringLiteral("\"beyond\",\"0\""));
    GradientTableList list;
    list.slot(5).name = QStringLiteral("kept");
    LoadGradientTables(store, list);
    EXPECT_EQ(list.count(), 101);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(list.slot(i).count, 0) << i;
        EXPECT_EQ(list.slot(i).name, QString(QLatin1Char(char('a' + i))));
    }
    EXPECT_EQ(list.slot(4).stops(), (std::vector<GradientStop>{{0, 5}, {300, 6}}));
    EXPECT_EQ(list.slot(5).name, QStringLiteral("kept")) << "a missing record leaves its slot";
    EXPECT_EQ(list.slot(100).name, QStringLiteral("last"));
}

TEST(GradientRecord, CommaTextRules) {
    EXPECT_EQ(ReadCommaText(QStringLiteral(" \"a b\" , \"c,d\",e f,,\"x\"\"y\"")),
              (QStringList{"a b", "c,d", "e", "f", "", "x\"y"}));
    EXPECT_EQ(ReadCommaText(QStringLiteral("\"open")), QStringList{"open"});
    EXPECT_TRUE(ReadCommaText(QStringLiteral("   ")).isEmpty());
    // A name read back with a quote in it is written so that it reads back.
    GradientTable table;
    table.name = QStringLiteral("say \"hi\", bye");
    table.setStops(std::vector<GradientStop>{{0, 0}, {300, 16777215}});
    EXPECT_EQ(GradientTableFromRecord(GradientTableToRecord(table)), table);
}

TEST(GradientListOps, AddCleansNamesAndRefusesDuplicates) {
    GradientTableList list = Defaults();
    EXPECT_EQ(AddGradientTable(list, QStringLiteral("黒、白"), {}), AddGradientResult::Duplicate);
    EXPECT_EQ(AddGradientTable(list, QString(), {}), AddGradientResult::Empty);
    EXPECT_EQ(list.count(), 13);
    const std::vector<GradientStop> stops = {{300, 5}, {0, 1}, {120, 3}};
    EXPECT_EQ(AddGradientTable(list, QStringLiteral("黒、白 "), stops), AddGradientResult::Added);
    EXPECT_EQ(list.slot(13).name, QStringLiteral("黒、白 "));
    EXPECT_EQ(list.slot(13).stops(), (std::vector<GradientStop>{{0, 1}, {120, 3}, {300, 5}}));
    // Only quotes and commas: an empty name, added once, then a duplicate.
    EXPECT_EQ(AddGradientTable(list, QStringLiteral("\",\",\""), stops), AddGradientResult::Added);
    EXPECT_EQ(list.slot(14).name, QString());
    EXPECT_EQ(AddGradientTable(list, QStringLiteral(",,"), stops), AddGradientResult::Duplicate);
    EXPECT_EQ(FillGradientNames(list).size(), 15);
    EXPECT_EQ(FillGradientNames(list).at(2), QStringLiteral("黒、白"));
}

TEST(GradientListOps, TheListHoldsAtMost101Tables) {
    GradientTableList list = Defaults();
    for (int i = 13; i < 101; ++i)
        ASSERT_EQ(AddGradientTable(list, QString::number(i), {}), AddGradientResult::Added);
    EXPECT_EQ(AddGradientTable(list, QStringLiteral("one more"), {}), AddGradientResult::Full);
    EXPECT_EQ(list.count(), 101);
}

TEST(GradientListOps, UpdateAndDeleteCheckTheIndex) {
    GradientTableList list = Defaults();
    EXPECT_TRUE(UpdateGradientTable(list, 2, std::vector<GradientStop>{{300, 9}, {0, 8}}));
    EXPECT_EQ(list.slot(2).name, QStringLiteral("黒、白"));
    EXPECT_EQ(list.slot(2).stops(), (std::vector<GradientStop>{{0, 8}, {300, 9}}));
    EXPECT_FALSE(UpdateGradientTable(list, 13, {}));
    EXPECT_FALSE(UpdateGradientTable(list, -1, {}));
    EXPECT_FALSE(DeleteGradientTable(list, 13));
}
