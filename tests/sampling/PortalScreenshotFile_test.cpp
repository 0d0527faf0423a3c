#include "sampling/PortalScreenshotFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QString WritePicture(const QString& path) {
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(qRgb(0xFF, 0xA5, 0x10));
    EXPECT_TRUE(picture.save(path, "PNG"));
    return QUrl::fromLocalFile(path).toString();
}

} // namespace

// The portal's answer decides which file is deleted: only a fresh picture
// file of ours goes, never what a link points to or an older file.
TEST(ReadPortalScreenshot, DeletesOnlyTheFreshPictureItNames) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDateTime requested = QDateTime::currentDateTime();

    const QString fresh = dir.filePath("fresh.png");
    PortalScreenshotFile read = ReadPortalScreenshot(WritePicture(fresh), requested);
    EXPECT_EQ(read.image.size(), QSize(4, 3));
    EXPECT_EQ(read.image.pixel(0, 0), qRgb(0xFF, 0xA5, 0x10));
    EXPECT_TRUE(read.removed);
    EXPECT_FALSE(QFile::exists(fresh));

    // A picture older than the request is read but kept.
    const QString old = dir.filePath("old.png");
    const QString oldUri = WritePicture(old);
    QFile oldFile(old);
    ASSERT_TRUE(oldFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(oldFile.setFileTime(requested.addSecs(-3600), QFileDevice::FileModificationTime));
    oldFile.close();
    read = ReadPortalScreenshot(oldUri, requested);
    EXPECT_FALSE(read.image.isNull());
    EXPECT_FALSE(read.removed);
    EXPECT_TRUE(QFile::exists(old));

    // A link is not followed, so neither it nor its target is touched.
    const QString link = dir.filePath("link.png");
    const QString target = dir.filePath("target.png");
    WritePicture(target);
    ASSERT_TRUE(QFile::link(target, link));
    read = ReadPortalScreenshot(QUrl::fromLocalFile(link).toString(), requested);
    EXPECT_TRUE(read.image.isNull());
    EXPECT_TRUE(QFile::exists(link) && QFile::exists(target));

    // A file that holds no picture stays, and so does anything not local.
    const QString text = dir.filePath("notes.png");
    QFile textFile(text);
    ASSERT_TRUE(textFile.open(QIODevice::WriteOnly));
    textFile.write("not a picture\n");
    textFile.close();
    read = ReadPortalScreenshot(QUrl::fromLocalFile(text).toString(), requested);
    EXPECT_TRUE(read.image.isNull());
    EXPECT_TRUE(QFile::exists(text));
    EXPECT_TRUE(ReadPortalScreenshot("https://example.org/shot.png", requested).image.isNull());
    EXPECT_TRUE(ReadPortalScreenshot("file://otherhost" + target, requested).image.isNull());
    EXPECT_TRUE(ReadPortalScreenshot("relative.png", requested).image.isNull());
    EXPECT_TRUE(QFile::exists(target));
}
