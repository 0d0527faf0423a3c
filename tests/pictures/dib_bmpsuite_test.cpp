// Every picture of the BMP suite against Qt's own BMP reader.
#include "DibTestUtil.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace dibtest;

namespace {

QStringList SuiteFiles(const char* folder) {
    QDir dir(QStringLiteral(VELLOMAR_TESTDATA "/bmpsuite/") + QLatin1String(folder));
    QStringList files;
    for (const QString& name : dir.entryList({QStringLiteral("*.bmp")}, QDir::Files))
        files << dir.filePath(name);
    return files;
}

} // namespace

TEST(BmpSuite, GoodPicturesMatchQtPixelForPixel) {
    const QStringList files = SuiteFiles("g");
    ASSERT_GE(files.size(), 20);
    int compared = 0;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        TVmDIB dib;
        const QString error = ErrorOf([&] { LoadBytes(dib, ReadFile(file)); });
        if (!error.isEmpty())
            continue;
        QImage reference(file, "BMP");
        ASSERT_FALSE(reference.isNull());
        reference = reference.convertToFormat(QImage::Format_RGB32);
        const Pixels ours(dib);
        ASSERT_EQ(ours.width(), reference.width());
        ASSERT_EQ(ours.height(), reference.height());
        int wrong = 0;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x)
                if ((ours.at(x, y) & 0xFFFFFF) != (reference.pixel(x, y) & 0xFFFFFF) &&
                    wrong++ == 0)
                    ADD_FAILURE() << "first difference at " << x << "," << y << ": " << std::hex
                                  << ours.at(x, y) << " vs " << reference.pixel(x, y);
        EXPECT_EQ(wrong, 0);
        ++compared;
    }
    // Only the formats that the loader refuses by design may be skipped.
    EXPECT_EQ(compared, files.size());
}

TEST(BmpSuite, BadPicturesAreRefusedOrReadWithinTheirData) {
    const QStringList files = SuiteFiles("b");
    ASSERT_GE(files.size(), 20);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        TVmDIB dib;
        const QString loadError = ErrorOf([&] { LoadBytes(dib, ReadFile(file)); });
        if (!loadError.isEmpty())
            continue;
        // Accepted: converting must either work or fail with a picture error,
        // and drawing must not fail at all.
        ErrorOf([&] { Pixels pixels(dib); });
        QImage target(8, 8, QImage::Format_RGB32);
        QPainter painter(&target);
        dib.Draw(painter, QRect(0, 0, 8, 8));
    }
}

TEST(BmpSuite, QuestionablePicturesLoadOrFailCleanly) {
    const QStringList files = SuiteFiles("q");
    ASSERT_GE(files.size(), 40);
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        TVmDIB dib;
        if (ErrorOf([&] { LoadBytes(dib, ReadFile(file)); }).isEmpty())
            ErrorOf([&] { Pixels pixels(dib); });
    }
}

TEST(BmpSuite, BadFilesFailWithTheLoadersMessages) {
    auto loadError = [](const char* name) {
        TVmDIB dib;
        return ErrorOf([&] {
            LoadBytes(dib, ReadFile(QStringLiteral(VELLOMAR_TESTDATA "/bmpsuite/b/") +
                                    QLatin1String(name)));
        });
    };
    EXPECT_EQ(loadError("badbitcount.bmp"), "TVmInternalDIB.LoadFromStream: Invalid BitCout");
    EXPECT_EQ(loadError("badheadersize.bmp"),
              "TVmInternalDIB.LoadFromStream: Invalid Bitmap Header Size");
    EXPECT_EQ(loadError("reallybig.bmp"), "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(loadError("rletopdown.bmp"),
              "TVmInternalDIB.LoadFromStream: Invalid Width or Height");
    EXPECT_EQ(loadError("rgb16-880.bmp"), "TVmInternalDIB.LoadFromStream: Invalid Masks");
}
