#pragma once

#include <QtGlobal>

// The block of memory that holds a picture's pixel rows. It is zero-filled
// when made and owned by exactly one data object (move-only). Large blocks
// are anonymous mappings backed by huge pages where the system offers them,
// so that filling a fresh picture does not fault in every 4 KiB page.
class DibSection {
public:
    DibSection() = default;
    // Throws EOutOfResources when the memory cannot be had.
    explicit DibSection(qint64 size);
    ~DibSection();
    DibSection(DibSection&& other) noexcept;
    DibSection& operator=(DibSection&& other) noexcept;
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    uchar* data() { return m_data; }
    const uchar* data() const { return m_data; }
    qint64 size() const { return m_size; }
    bool isNull() const { return !m_data; }

    DibSection clone() const;

private:
    void release();

    uchar* m_data = nullptr;
    qint64 m_size = 0;
    void* m_mapping = nullptr; // start of the mapping, when mapped
    size_t m_mappingLength = 0;
};
