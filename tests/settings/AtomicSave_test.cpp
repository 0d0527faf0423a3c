// A save must never leave a half-written settings file: the store writes a
// new file beside the old one and renames it over, so an aborted or failed
// save keeps the old file whole.
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class AtomicSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore store(path());
        store.writeString(kOptionSection, QStringLiteral("tblchar"), QStringLiteral("old"));
        ASSERT_TRUE(store.sync());
        m_old = ReadAll(path());
        ASSERT_FALSE(m_old.isEmpty());
    }
    QString path() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    // Saves the full option record (several kB) in a child process whose
    // file size limit is far below that; returns the child's wait status.
    int saveInLimitedChild(bool killOnLimit) {
        const pid_t pid = fork();
        if (pid == 0) {
            std::signal(SIGXFSZ, killOnLimit ? SIG_DFL : SIG_IGN);
            const rlimit limit{512, 512};
            setrlimit(RLIMIT_FSIZE, &limit);
            SettingsStore store(path());
            ProgramOptions options;
            LoadOptions(store, options);
            options.tblchar = QStringLiteral("new");
            SaveOptions(store, options);
            const bool saved = store.sync();
            _exit(saved ? 0 : 3);
        }
        int status = 0;
        waitpid(pid, &status, 0);
        return status;
    }

    QTemporaryDir m_dir;
    QByteArray m_old;
};

TEST_F(AtomicSaveTest, SaveReplacesTheFileInsteadOfRewritingIt) {
    struct stat before {};
    ASSERT_EQ(stat(QFile::encodeName(path()).constData(), &before), 0);
    const QString link = m_dir.filePath(QStringLiteral("old-inode"));
    ASSERT_EQ(::link(QFile::encodeName(path()).constData(), QFile::encodeName(link).constData()),
              0);
    {
        SettingsStore store(path());
        ProgramOptions options;
        LoadOptions(store, options);
        SaveOptions(store, options);
        ASSERT_TRUE(store.sync());
    }
    // The old file's contents were never touched; a new file took its name.
    EXPECT_EQ(ReadAll(link), m_old);
    EXPECT_NE(ReadAll(path()), m_old);
    struct stat after {};
    ASSERT_EQ(stat(QFile::encodeName(path()).constData(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);
}

TEST_F(AtomicSaveTest, FailedSaveReportsFailureAndKeepsTheOldFile) {
    const int status = saveInLimitedChild(false);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 3);
    EXPECT_EQ(ReadAll(path()), m_old);
    // The half-written temporary file was removed.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files),
              QStringList{QStringLiteral("settings.ini")});
}

TEST_F(AtomicSaveTest, SaveKilledMidWriteKeepsTheOldFile) {
    const int status = saveInLimitedChild(true);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_EQ(ReadAll(path()), m_old);
    SettingsStore store(path());
    EXPECT_EQ(store.readString(kOptionSection, QStringLiteral("tblchar")), QStringLiteral("old"));
}

TEST_F(AtomicSaveTest, UnreadableFileIsNotReplaced) {
    const QString folder = m_dir.filePath(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkdir(folder));
    SettingsStore store(folder);
    store.writeString(kOptionSection, QStringLiteral("tblchar"), QStringLiteral("x"));
    EXPECT_FALSE(store.sync());
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

TEST_F(AtomicSaveTest, StoresOnOneFileKeepEachOthersChanges) {
    SettingsStore editor(path());
    SettingsStore main(path());
    editor.writeString(QStringLiteral("colortable"), QStringLiteral("count"), QStringLiteral("3"));
    ASSERT_TRUE(editor.sync());
    main.writeString(kOptionSection, QStringLiteral("htmlcase"), QStringLiteral("1"));
    main.remove(kOptionSection, QStringLiteral("tblchar"));
    ASSERT_TRUE(main.sync());
    const SettingsStore after(path());
    EXPECT_EQ(after.readString(QStringLiteral("colortable"), QStringLiteral("count")),
              QStringLiteral("3"));
    EXPECT_EQ(after.readString(kOptionSection, QStringLiteral("htmlcase")), QStringLiteral("1"));
    EXPECT_FALSE(after.contains(kOptionSection, QStringLiteral("tblchar")));
}

TEST_F(AtomicSaveTest, LinkedFileStaysALinkAndKeepsItsPermissions) {
    const QString real = m_dir.filePath(QStringLiteral("elsewhere/real.ini"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(real).absolutePath()));
    ASSERT_TRUE(QFile::rename(path(), real));
    ASSERT_TRUE(QFile::link(real, path()));
    const QFile::Permissions shared =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    ASSERT_TRUE(QFile::setPermissions(real, shared));

    SettingsStore store(path());
    store.writeString(kOptionSection, QStringLiteral("tblchar"), QStringLiteral("new"));
    ASSERT_TRUE(store.sync());
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    // Owner, group and other bits; the "user" bits depend on who runs the test.
    EXPECT_EQ(QFile::permissions(real) & 0x7077, shared);
    EXPECT_EQ(SettingsStore(real).readString(kOptionSection, QStringLiteral("tblchar")),
              QStringLiteral("new"));
    EXPECT_EQ(QDir(QFileInfo(real).absolutePath()).entryList(QDir::Files),
              QStringList{QStringLiteral("real.ini")});
}

} // namespace
