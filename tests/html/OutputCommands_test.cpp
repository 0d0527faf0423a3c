#include "html/OutputCommands.h"
#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "html/PreviewFile.h"
#include "settings/ProgramOptions.h"

#include "StubBrowser.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class OutputCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        LoadDefaultNamedColors(m_options.colors);
        ASSERT_EQ(m_preview.create(), QString());
    }
    OpenUrlFunction recordUrls() {
        return [this](const QUrl& url) {
            m_opened.append(url);
            return true;
        };
    }

    QTemporaryDir m_dir;
    ProgramOptions m_options;
    PreviewFile m_preview{m_dir.path()};
    QList<QUrl> m_opened;
};

TEST_F(OutputCommandsTest, TheColourPageWritesNoFileAndStartsNoBrowser) {
    const PageOutput colour{Pages::Color, QStringLiteral("#FF0000"), 0xFFFFFF};
    const QString target = m_dir.filePath(QStringLiteral("saved.htm"));
    EXPECT_EQ(SavePageAs(target, colour, m_options).kind, OutputOutcome::Skipped);
    EXPECT_FALSE(QFileInfo::exists(target));
    EXPECT_EQ(PreviewInBrowser(m_preview, colour, m_options, 1, recordUrls()).kind,
              OutputOutcome::Skipped);
    EXPECT_TRUE(m_opened.isEmpty());
    EXPECT_EQ(QFileInfo(m_preview.path()).size(), 0);
}

TEST_F(OutputCommandsTest, PreviewWritesTheWholePageWhateverHtmlsaveSays) {
    m_options.htmlsave = false;
    m_options.viewback = RgbToColor(0xFF, 0, 0);
    m_options.colorconst = true;
    const PageOutput rule{Pages::Rule, QStringLiteral("<hr>"), 0};
    const OutputOutcome outcome = PreviewInBrowser(m_preview, rule, m_options, 1, recordUrls());
    EXPECT_EQ(outcome.kind, OutputOutcome::Done);
    EXPECT_EQ(ReadAll(m_preview.path()),
              "<html><head><meta charset=\"utf-8\"><title>Vellomar Preview</title></head>\r\n\r\n"
              "<body bgcolor=\"red\">\r\n\r\n<hr>\r\n</body></html>\r\n");
    ASSERT_EQ(m_opened.size(), 1);
    EXPECT_EQ(m_opened.first().toLocalFile(), m_preview.path());
}

TEST_F(OutputCommandsTest, EachBrowserUsesItsOwnProgramAndAMissingOneIsReported) {
    const QString second = m_dir.filePath(QStringLiteral("two/viewer"));
    ASSERT_TRUE(MakeStubBrowser(second));
    m_options.wwwuse = true;
    m_options.wwwname2 = second;
    const PageOutput table{Pages::Table, QStringLiteral("<table></table>"), 0};

    EXPECT_EQ(PreviewInBrowser(m_preview, table, m_options, 2, recordUrls()).kind,
              OutputOutcome::Done);
    EXPECT_EQ(StubBrowserArguments(second), "1\n" + m_preview.path().toUtf8() + "\n");

    const OutputOutcome first = PreviewInBrowser(m_preview, table, m_options, 1, recordUrls());
    EXPECT_EQ(first.kind, OutputOutcome::BrowserNotFound);
    EXPECT_EQ(first.message, QStringLiteral("ブラウザが見つかりません"));
    // The page is written all the same.
    EXPECT_TRUE(ReadAll(m_preview.path()).contains("<table></table>\r\n</body></html>\r\n"));
    EXPECT_TRUE(m_opened.isEmpty());
}

TEST_F(OutputCommandsTest, SaveWritesAnEmptyFragmentOnTheEditorsBackgroundAndReportsErrors) {
    const PageOutput empty{Pages::Text, QString(), RgbToColor(0, 0, 0x80)};
    const QString target = m_dir.filePath(QStringLiteral("saved.htm"));
    EXPECT_EQ(SavePageAs(target, empty, m_options).kind, OutputOutcome::Done);
    EXPECT_EQ(ReadAll(target),
              "<html><head><meta charset=\"utf-8\"><title>Vellomar Preview</title></head>\r\n\r\n"
              "<body bgcolor=\"#000080\">\r\n\r\n\r\n</body></html>\r\n");

    const OutputOutcome failed =
        SavePageAs(target + QStringLiteral("/inside.htm"), empty, m_options);
    EXPECT_EQ(failed.kind, OutputOutcome::FileError);
    EXPECT_FALSE(failed.message.isEmpty());
}

} // namespace
