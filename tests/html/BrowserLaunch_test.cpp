#include "html/BrowserLaunch.h"

#include "StubBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(BrowserLaunch, ModeIsDecidedOnTheLoweredPathNetscapeFirst) {
    EXPECT_EQ(BrowserModeOf(QStringLiteral("C:\\Program Files\\Netscape\\Program\\NETSCAPE.EXE")),
              BrowserMode::Netscape);
    EXPECT_EQ(BrowserModeOf(QStringLiteral("C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE")),
              BrowserMode::Explorer);
    // Any path with "explore" in it asks for the Explorer conversation.
    EXPECT_EQ(BrowserModeOf(QStringLiteral("C:\\WINDOWS\\EXPLORER.EXE")), BrowserMode::Explorer);
    EXPECT_EQ(BrowserModeOf(QStringLiteral("/opt/Explore/netscape")), BrowserMode::Netscape);
    EXPECT_EQ(BrowserModeOf(QStringLiteral("D:\\Tools\\Viewer\\viewer.exe")), BrowserMode::Plain);
    EXPECT_EQ(BrowserModeOf(QStringLiteral("/usr/bin/ＮＥＴＳＣＡＰＥ")), BrowserMode::Plain);
    EXPECT_EQ(BrowserModeOf(QString()), BrowserMode::Plain);

    EXPECT_EQ(DdeServiceName(BrowserMode::Netscape), QStringLiteral("Netscape"));
    EXPECT_EQ(DdeServiceName(BrowserMode::Explorer), QStringLiteral("Iexplore"));
    EXPECT_EQ(kDdeTopic, QStringLiteral("WWW_OpenURL"));
    EXPECT_EQ(WwwOpenUrlItem(QStringLiteral("C:\\WINDOWS\\TEMP\\TMP1A2B.htm")),
              QStringLiteral("file:///C:\\WINDOWS\\TEMP\\TMP1A2B.htm,,0xFFFFFFFF,0x3,,,"));
    EXPECT_EQ(BrowserFileAddress(QStringLiteral("/tmp/a b/TMPx.htm")),
              QStringLiteral("file:///tmp/a%20b/TMPx.htm"));
}

class StubBrowserTest : public ::testing::Test {
protected:
    QString makeBrowser(const QString& relativePath) {
        const QString path = m_dir.filePath(relativePath);
        EXPECT_TRUE(MakeStubBrowser(path));
        return path;
    }
    static QByteArray recordedArguments(const QString& browser) {
        return StubBrowserArguments(browser);
    }
    // A preview file whose name a shell would take apart.
    QString previewFile() {
        const QString path = m_dir.filePath(QStringLiteral("pre view;$(touch pwned) 'x'.htm"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
    static OpenUrlFunction noAssociation() {
        return [](const QUrl&) {
            ADD_FAILURE() << "the file association must not be used";
            return false;
        };
    }

    QTemporaryDir m_dir;
};

TEST_F(StubBrowserTest, PlainBrowserGetsThePathAsItsOnlyArgumentWithoutAShell) {
    const QString browser = makeBrowser(QStringLiteral("Tools/Viewer/viewer"));
    const QString file = previewFile();
    EXPECT_EQ(ShowPreview(file, true, browser, noAssociation()), BrowserResult::Started);
    EXPECT_EQ(recordedArguments(browser), "1\n" + file.toUtf8() + "\n");
    EXPECT_FALSE(QFileInfo::exists(m_dir.filePath(QStringLiteral("pwned"))));
}

TEST_F(StubBrowserTest, RequestModesStartTheBrowserWithTheFileAddress) {
    const QString file = previewFile();
    for (const QString& relative : {QStringLiteral("Netscape/Program/NETSCAPE"),
                                    QStringLiteral("Internet Explorer/IEXPLORE")}) {
        const QString browser = makeBrowser(relative);
        ASSERT_NE(BrowserModeOf(browser), BrowserMode::Plain);
        EXPECT_EQ(ShowPreview(file, true, browser, noAssociation()), BrowserResult::Started);
        const QByteArray address = QUrl::fromLocalFile(file).toEncoded();
        EXPECT_TRUE(address.startsWith("file:///"));
        EXPECT_EQ(recordedArguments(browser), "1\n" + address + "\n") << relative.toStdString();
    }
}

TEST_F(StubBrowserTest, ABrowserThatIsNotThereOrCannotRunIsReported) {
    const QString file = previewFile();
    EXPECT_EQ(ShowPreview(file, true, QString(), noAssociation()), BrowserResult::NotFound);
    EXPECT_EQ(ShowPreview(file, true, m_dir.filePath(QStringLiteral("nothing")), noAssociation()),
              BrowserResult::NotFound);
    EXPECT_EQ(ShowPreview(file, true, m_dir.path(), noAssociation()), BrowserResult::NotFound);
    EXPECT_EQ(kBrowserNotFound, QStringLiteral("ブラウザが見つかりません"));

    const QString browser = makeBrowser(QStringLiteral("viewer"));
    ASSERT_TRUE(QFile::setPermissions(browser, QFile::ReadOwner | QFile::WriteOwner));
    if (access(QFile::encodeName(browser).constData(), X_OK) == 0)
        GTEST_SKIP() << "this user may run any file; no way to make one that cannot start";
    EXPECT_EQ(ShowPreview(file, true, browser, noAssociation()), BrowserResult::StartFailed);
}

} // namespace
