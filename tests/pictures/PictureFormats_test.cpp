// The picture format registry, its filter texts and the tiling rule.
#include "dib/DibErrors.h"
#include "pictures/PictureFormats.h"
#include "pictures/PictureTiling.h"
#include "pictures/TSPI.h"
#include "pictures/TVmDIB.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const TGraphicClass kTestClass{"Test", [] { return std::unique_ptr<TVmGraphic>(new TVmDIB); }};

} // namespace

TEST(PictureFormats, FilterExtensionsAreTheItemsAfterTheirLastDot) {
    EXPECT_EQ(FilterExtensions("*.jpg;*.jpeg"), QStringList({"jpg", "jpeg"}));
    EXPECT_EQ(FilterExtensions("*.pic"), QStringList({"pic"}));
    EXPECT_EQ(FilterExtensions("*.tar.gz;;*"), QStringList({"gz", "*"}));
}

TEST(PictureFormats, BuiltInFormatsAndFilterTexts) {
    TPictureFormats& formats = TPictureFormats::Instance();
    ASSERT_TRUE(formats.FindExtension("DIB"));
    EXPECT_EQ(formats.FindExtension("bmp"), formats.FindExtension(".dib"));
    EXPECT_TRUE(formats.FindClipboardFormat(CF_DIB));
    EXPECT_TRUE(formats.FindExtension("png"));
    EXPECT_TRUE(formats.GraphicFilter().contains("|Device Independent Bitmap (*.dib)|*.dib|"));

    formats.Register("aaa", "A picture", &kTestClass);
    formats.Register(".bbb", "B picture", &kTestClass);
    const QString filter = formats.GraphicFilter();
    EXPECT_TRUE(filter.startsWith("すべてのファイル (*.bbb;*.aaa;")) << filter.toStdString();
    const QString all = filter.section('|', 1, 1);
    EXPECT_TRUE(all.startsWith("*.bbb;*.aaa;*."));
    EXPECT_EQ(filter.section('|', 2),
              "B picture (*.bbb)|*.bbb|A picture (*.aaa)|*.aaa|" + filter.section('|', 6));
    EXPECT_TRUE(formats.FileDialogFilter().startsWith("すべてのファイル (*.bbb *.aaa *."))
        << formats.FileDialogFilter().toStdString();
    EXPECT_TRUE(formats.FileDialogFilter().contains(";;B picture (*.bbb);;A picture (*.aaa);;"));
    // The newest registration of an extension replaces the older one.
    formats.Register("AAA", "A again", &kTestClass);
    EXPECT_TRUE(formats.GraphicFilter().contains("|A again (*.AAA)|*.AAA|"));
    EXPECT_FALSE(formats.GraphicFilter().contains("A picture"));
    formats.Unregister(&kTestClass);
    EXPECT_FALSE(formats.FindExtension("aaa"));
}

TEST(PictureFormats, LoadingNeedsARegisteredExtension) {
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.XYZ");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("nothing");
    file.close();
    try {
        TPictureFormats::Instance().LoadFromFile(path);
        ADD_FAILURE();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.message(), "拡張子 .xyz の画像形式は処理できません");
    }
    auto picture =
        TPictureFormats::Instance().LoadFromFile(VELLOMAR_TESTDATA "/bmpsuite/g/rgb24.bmp");
    EXPECT_EQ(picture->GetWidth(), 127);
}

TEST(PictureTiling, TheThreeShapesOfTheBodyPreview) {
    const QSize preview(365, 165);
    EXPECT_EQ(TilePositions(QSize(400, 200), preview), std::vector<QPoint>{QPoint(0, 0)});

    std::vector<QPoint> ten = TilePositions(QSize(10, 10), preview);
    ASSERT_EQ(ten.size(), 37u * 17u);
    EXPECT_EQ(ten[36], QPoint(360, 0));
    EXPECT_EQ(ten.back(), QPoint(360, 160));

    std::vector<QPoint> odd = TilePositions(QSize(73, 55), preview);
    ASSERT_EQ(odd.size(), 6u * 4u);
    EXPECT_EQ(odd[5], QPoint(365, 0)); // just outside, drawn all the same
    EXPECT_EQ(odd.back(), QPoint(365, 165));
}

TEST(PictureTiling, AnEmptyPictureNeverTiles) {
    EXPECT_TRUE(TilePositions(QSize(0, 0), QSize(365, 165)).empty());
    EXPECT_TRUE(TilePositions(QSize(10, 0), QSize(365, 165)).empty());
    EXPECT_TRUE(TilePositions(QSize(0, 10), QSize(365, 165)).empty());
}
