#include "FileBytes.h"

#include <cerrno>
#include <unistd.h>

int64_t FileByteSource::read(void* data, int64_t n) {
    auto* p = static_cast<char*>(data);
    int64_t done = 0;
    while (done < n) {
        const ssize_t got = ::read(m_fd, p + done, size_t(n - done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += got;
    }
    m_position += done;
    return done;
}

bool FileByteSource::skip(int64_t n) {
    if (n > remaining() || lseek(m_fd, off_t(n), SEEK_CUR) < 0)
        return false;
    m_position += n;
    return true;
}

bool FileByteSink::write(const void* data, int64_t n) {
    const auto* p = static_cast<const char*>(data);
    while (n > 0) {
        const ssize_t put = ::write(m_fd, p, size_t(n));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        p += put;
        n -= put;
    }
    return true;
}
