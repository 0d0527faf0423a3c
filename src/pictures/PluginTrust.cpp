#include "PluginTrust.h"

#include <QFile>

#if defined(Q_OS_WIN)

bool IsTrustedPluginFolder(const QString&) {
    return true;
}

int OpenTrustedPlugin(const QString&, QString*) {
    return -1;
}

#else

#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool OwnedSafely(const struct stat& st) {
    if (st.st_uid != geteuid() && st.st_uid != 0)
        return false;
    if (!(st.st_mode & (S_IWGRP | S_IWOTH)))
        return true;
    // Others may add names to a sticky folder but not rename or remove ours.
    return S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) && st.st_uid == 0;
}

// `path` is absolute and free of links, as realpath() gives it.
bool FolderChainIsSafe(std::string path) {
    for (;;) {
        struct stat st;
        if (lstat(path.empty() ? "/" : path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) ||
            !OwnedSafely(st))
            return false;
        if (path.empty() || path == "/")
            return true;
        path.erase(path.find_last_of('/'));
    }
}

std::string RealPath(const QString& path) {
    char resolved[PATH_MAX];
    if (path.isEmpty() || !realpath(QFile::encodeName(path).constData(), resolved))
        return {};
    return resolved;
}

} // namespace

bool IsTrustedPluginFolder(const QString& folder) {
    const std::string path = RealPath(folder);
    return !path.empty() && FolderChainIsSafe(path);
}

int OpenTrustedPlugin(const QString& fileName, QString* realPath) {
    const std::string path = RealPath(fileName);
    if (path.empty())
        return -1;
    // No link is followed past the one realpath resolved, and a FIFO or a
    // device does not block the open.
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !OwnedSafely(st) ||
        !FolderChainIsSafe(path.substr(0, path.find_last_of('/')))) {
        close(fd);
        return -1;
    }
    if (realPath)
        *realPath = QFile::decodeName(path.c_str());
    return fd;
}

#endif
