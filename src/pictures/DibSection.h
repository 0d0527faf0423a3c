#pragma once

#include <QtGlobal>
#include <memory>

// The block of memory that holds a picture's pixel rows. It is zero-filled
// when made and owned by exactly one data object (move-only).
class DibSection {
public:
    DibSection() = default;
    // Throws EOutOfResources when the memory cannot be had.
    explicit DibSection(qint64 size);

    uchar* data() { return m_data.get(); }
    const uchar* data() const { return m_data.get(); }
    qint64 size() const { return m_size; }
    bool isNull() const { return !m_data; }

    DibSection clone() const;

private:
    struct Free {
        void operator()(uchar* p) const;
    };
    std::unique_ptr<uchar, Free> m_data;
    qint64 m_size = 0;
};
