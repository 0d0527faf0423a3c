// Saving must never cost the user the file that was there before: a failure
// at any point leaves it whole and says why.
#include "html/HtmlFileSave.h"
#include "html/PageTraits.h"
#include "html/PageWrapper.h"
#include "settings/ProgramOptions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString SystemMessage(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Runs body in a child process and gives back what it returned (the save's
// error message); "<crashed>" when the child did not end normally.
QString InChild(const std::function<QString()>& body) {
    int fds[2];
    if (pipe(fds) != 0)
        return QStringLiteral("<no pipe>");
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const QByteArray message = body().toUtf8();
        const ssize_t written = ::write(fds[1], message.constData(), size_t(message.size()));
        _exit(written == message.size() ? 0 : 1);
    }
    close(fds[1]);
    QByteArray message;
    char buffer[512];
    for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;)
        message.append(buffer, n);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<crashed>");
    return QString::fromUtf8(message);
}

class HtmlFileSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(WriteAll(path(), m_old));
    }
    QString path() const { return m_dir.filePath(QStringLiteral("page.htm")); }
    QStringList filesLeft() const {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir m_dir;
    const QByteArray m_old = "old page\r\n";
};

TEST_F(HtmlFileSaveTest, SavesAWholePageOrTheBareFragmentByHtmlsave) {
    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    const QString fragment = QStringLiteral("<hr color=#FF0000>\r\n<p>ｸﾞﾗﾃﾞｰｼｮﾝ★</p>");

    options.htmlsave = true;
    EXPECT_EQ(SaveHtmlFile(path(), SavedFileText(fragment, Pages::Rule, 0xFFFFFF, options)),
              QString());
    EXPECT_EQ(ReadAll(path()),
              ("<html><head><meta charset=\"utf-8\"><title>Vellomar Preview</title></head>\r\n\r\n"
               "<body bgcolor=\"#FFFFFF\">\r\n\r\n" +
               fragment.toUtf8() + "\r\n</body></html>\r\n"));

    options.htmlsave = false;
    EXPECT_EQ(SaveHtmlFile(path(), SavedFileText(fragment, Pages::Rule, 0xFFFFFF, options)),
              QString());
    EXPECT_EQ(ReadAll(path()), fragment.toUtf8() + "\r\n");
    EXPECT_EQ(filesLeft(), QStringList{QStringLiteral("page.htm")});
}

TEST_F(HtmlFileSaveTest, FolderThatCannotBeWrittenKeepsTheOldFile) {
    const QString folder = m_dir.path();
    const QString message = InChild([&] {
        // Root may write anywhere: save as an ordinary user instead.
        if (geteuid() == 0) {
            chmod(QFile::encodeName(folder).constData(), 0755);
            chmod(QFile::encodeName(path()).constData(), 0666);
            if (setgid(65534) != 0 || setuid(65534) != 0)
                return QStringLiteral("<no setuid>");
        } else {
            chmod(QFile::encodeName(folder).constData(), 0555);
        }
        return SaveHtmlFile(path(), QStringLiteral("new page"));
    });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(message, SystemMessage(EACCES));
    EXPECT_EQ(ReadAll(path()), m_old);
    EXPECT_EQ(filesLeft(), QStringList{QStringLiteral("page.htm")});

    // A folder that is a file: nothing can be created there at all.
    const QString underFile = path() + QStringLiteral("/inner.htm");
    EXPECT_FALSE(SaveHtmlFile(underFile, QStringLiteral("x")).isEmpty());
    EXPECT_EQ(ReadAll(path()), m_old);
}

TEST_F(HtmlFileSaveTest, FileSizeLimitMidWriteKeepsTheOldFile) {
    const QString message = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        return SaveHtmlFile(path(), QString(100000, QLatin1Char('x')));
    });
    EXPECT_EQ(message, SystemMessage(EFBIG));
    EXPECT_EQ(ReadAll(path()), m_old);
    EXPECT_EQ(filesLeft(), QStringList{QStringLiteral("page.htm")});
}

TEST_F(HtmlFileSaveTest, OnlyRegularFilesAreReplaced) {
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.htm"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = m_dir.filePath(QStringLiteral("folder.htm"));
    ASSERT_TRUE(QDir().mkdir(folder));
    for (const QString& target : {fifo, folder}) {
        EXPECT_EQ(SaveHtmlFile(target, QStringLiteral("new page")),
                  QStringLiteral("「%1」は通常のファイルではないので保存できません").arg(target));
        EXPECT_FALSE(QFileInfo(target).isFile());
    }
    EXPECT_EQ(filesLeft(), QStringList{QStringLiteral("page.htm")});
}

TEST_F(HtmlFileSaveTest, FullFileSystemKeepsTheOldFile) {
    const QString mountPoint = m_dir.filePath(QStringLiteral("small"));
    ASSERT_TRUE(QDir().mkdir(mountPoint));
    if (QProcess::execute(QStringLiteral("mount"),
                          {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root); the size-limit test "
                        "covers the failed write";
    const QString target = QDir(mountPoint).filePath(QStringLiteral("page.htm"));
    const bool written = WriteAll(target, m_old);
    const QString message = SaveHtmlFile(target, QString(200 * 1024, QLatin1Char('x')));
    const QByteArray after = ReadAll(target);
    const QStringList left = QDir(mountPoint).entryList(QDir::Files | QDir::Hidden);
    QProcess::execute(QStringLiteral("umount"), {mountPoint});
    ASSERT_TRUE(written);
    EXPECT_EQ(message, SystemMessage(ENOSPC));
    EXPECT_EQ(after, m_old);
    EXPECT_EQ(left, QStringList{QStringLiteral("page.htm")});
}

} // namespace
