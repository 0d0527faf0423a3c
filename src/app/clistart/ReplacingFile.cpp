#include "ReplacingFile.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

ReplacingFile::ReplacingFile(const char* target) : m_target(target) {
    // A link keeps pointing at the file it named; the new file goes beside that one.
    struct stat link {};
    char resolved[PATH_MAX];
    if (lstat(target, &link) == 0 && S_ISLNK(link.st_mode) && realpath(target, resolved))
        m_target = resolved;
}

ReplacingFile::~ReplacingFile() {
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporary.empty() && !m_committed)
        ::unlink(m_temporary.c_str());
}

bool ReplacingFile::open() {
    // A file the user may not write is not replaced either.
    if (access(m_target.c_str(), F_OK) == 0 && access(m_target.c_str(), W_OK) != 0)
        return false;
    std::string name = m_target + ".XXXXXX";
    // mkstemp creates the name exclusively (O_EXCL), never through a planted link.
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    m_fd = fd;
    m_temporary = name;
    // The permissions the old file had, or those a new one would get.
    struct stat old {};
    mode_t mode;
    if (stat(m_target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    fchmod(fd, mode);
    return true;
}

bool ReplacingFile::commit() {
    if (m_fd < 0)
        return false;
    const bool synced = fsync(m_fd) == 0;
    const bool closed = ::close(m_fd) == 0;
    m_fd = -1;
    if (!synced || !closed || std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return false;
    m_committed = true;
    return true;
}
