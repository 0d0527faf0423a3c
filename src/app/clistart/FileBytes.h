#pragma once

#include "dib/DibFile.h"

// A BMP file's bytes read from, or written to, an open regular file.
class FileByteSource : public DibByteSource {
public:
    // `fd` is open for reading; `size` is the file's size.
    FileByteSource(int fd, int64_t size) : m_fd(fd), m_size(size) {}
    int64_t read(void* data, int64_t n) override;
    bool skip(int64_t n) override;
    int64_t remaining() const override { return m_size - m_position; }

private:
    int m_fd;
    int64_t m_size;
    int64_t m_position = 0;
};

class FileByteSink : public DibByteSink {
public:
    explicit FileByteSink(int fd) : m_fd(fd) {}
    bool write(const void* data, int64_t n) override;

private:
    int m_fd;
};
