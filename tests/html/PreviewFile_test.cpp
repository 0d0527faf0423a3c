#include "html/PreviewFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(PreviewFile, IsMadeOncePrivateInTheTemporaryFolderAndRemovedAtTheEnd) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QByteArray oldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    QString path;
    {
        PreviewFile preview;
        ASSERT_EQ(preview.create(), QString());
        // On the disk under its name from the start, before anyone asks for it.
        EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files).size(), 1);
        path = preview.path();
        const QFileInfo info(path);
        EXPECT_EQ(info.absolutePath(), QFileInfo(temp.path()).absoluteFilePath());
        EXPECT_TRUE(info.fileName().startsWith(QLatin1String("TMP")));
        EXPECT_EQ(info.suffix(), QStringLiteral("htm"));
        EXPECT_TRUE(info.isFile());
        EXPECT_FALSE(info.isSymLink());
        EXPECT_EQ(info.size(), 0);
        struct stat st {};
        ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);

        // Every preview rewrites the same file; a shorter page leaves no tail.
        ASSERT_EQ(preview.write(QStringLiteral("<html>first page, quite long</html>\r\n")),
                  QString());
        ASSERT_EQ(preview.write(QStringLiteral("★ second\r\n")), QString());
        EXPECT_EQ(preview.path(), path);
        EXPECT_EQ(ReadAll(path), QStringLiteral("★ second\r\n").toUtf8());
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QDir(temp.path()).isEmpty());
    if (oldTmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTmp);
}

TEST(PreviewFile, APlantedLinkIsNeverFollowedNorRemoved) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString victim = temp.filePath(QStringLiteral("victim.txt"));
    {
        QFile file(victim);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    QString planted;
    {
        PreviewFile preview(temp.path());
        ASSERT_EQ(preview.create(), QString());
        // Someone swaps the preview file's name for a link to another file.
        planted = preview.path();
        ASSERT_TRUE(QFile::remove(planted));
        ASSERT_TRUE(QFile::link(victim, planted));

        ASSERT_EQ(preview.write(QStringLiteral("<html>page</html>")), QString());
        EXPECT_EQ(ReadAll(victim), QByteArray("precious"));
        // The page went to a fresh file of its own.
        EXPECT_NE(preview.path(), planted);
        EXPECT_FALSE(QFileInfo(preview.path()).isSymLink());
        EXPECT_EQ(ReadAll(preview.path()), QByteArray("<html>page</html>"));
    }
    EXPECT_EQ(ReadAll(victim), QByteArray("precious"));
    EXPECT_TRUE(QFileInfo(planted).isSymLink());
}

TEST(PreviewFile, AMissingFolderIsReportedNotIgnored) {
    QTemporaryDir temp;
    PreviewFile preview(temp.filePath(QStringLiteral("gone")));
    EXPECT_NE(preview.create(), QString());
    EXPECT_TRUE(preview.path().isEmpty());
    EXPECT_NE(preview.write(QStringLiteral("x")), QString());
}

} // namespace
