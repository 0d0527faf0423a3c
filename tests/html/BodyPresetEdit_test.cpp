#include "html/BodyModel.h"
#include "html/BodyPresetEdit.h"
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

BodyModel Page(TColor bgcolor) {
    return {{bgcolor, 1, 2, 3, 4}, false, {}};
}

TEST(BodyPresetEdit, AddUpdateDeleteAndTheirRefusals) {
    BodyPresetList list;
    LoadDefaultBodyPresets(list);
    EXPECT_EQ(AddBodyPreset(list, "mine", Page(9)), "");
    EXPECT_EQ(list.at(12), (BodyPreset{"mine", 9, 1, 2, 4, 3}));
    EXPECT_EQ(UpdateBodyPreset(list, 12, Page(5)), "");
    EXPECT_EQ(list.at(12), (BodyPreset{"mine", 5, 1, 2, 4, 3}));
    EXPECT_EQ(DeleteBodyPreset(list, 0), "");
    EXPECT_EQ(list.at(11).name, "mine");
    const BodyPresetList before = list;
    EXPECT_EQ(AddBodyPreset(list, "mine", Page(7)), "この名前はすでに登録されています");
    EXPECT_EQ(AddBodyPreset(list, "緑色に白色", Page(7)), kBodyPresetExistsMessage);
    EXPECT_EQ(UpdateBodyPreset(list, -1, Page(1)), "更新する項目を選択してください");
    EXPECT_EQ(DeleteBodyPreset(list, 12), kBodyPresetSelectMessage);
    EXPECT_EQ(list, before);

    for (int i = list.count(); i < BodyPresetList::Capacity; ++i)
        ASSERT_EQ(AddBodyPreset(list, QString::number(i), Page(TColor(i))), "");
    const BodyPresetList full = list;
    EXPECT_EQ(BodyPresetAddProblem(list), kBodyPresetFullMessage);
    EXPECT_EQ(AddBodyPreset(list, "52nd", Page(0)), kBodyPresetFullMessage);
    EXPECT_EQ(list, full);
}

TEST(BodyPresetEdit, NamesReadBackThroughTheStoreOrAreRefused) {
    QTemporaryDir dir;
    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    const QStringList kept{"",           "a,b",
                           "say \"hi\"", " blanks  ",
                           "@Invalid()", QString(kBodyPresetNameMaxLength, QChar(0x3042))};
    for (const QString& name : kept)
        ASSERT_EQ(AddBodyPreset(options.bodyPresets, name, Page(0xABCDEF)), "");
    for (const QString& name : {QString(QChar(0)) + "x", QString("a\nb"), QString(QChar(0xD800))})
        EXPECT_EQ(AddBodyPreset(options.bodyPresets, name, Page(0)),
                  kBodyPresetNameCharacterMessage);
    EXPECT_EQ(
        AddBodyPreset(options.bodyPresets, QString(kBodyPresetNameMaxLength + 1, 'x'), Page(0)),
        kBodyPresetNameTooLongMessage);
    {
        SettingsStore store(dir.filePath("s.ini"));
        SaveOptions(store, options);
        ASSERT_TRUE(store.sync());
    }
    ProgramOptions loaded;
    LoadOptions(SettingsStore(dir.filePath("s.ini")), loaded);
    EXPECT_EQ(loaded.bodyPresets, options.bodyPresets);
    EXPECT_EQ(loaded.bodyPresets.count(), kept.size());
}

} // namespace
