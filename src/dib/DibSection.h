#pragma once

#include <cstddef>
#include <cstdint>

// The block of memory that holds a picture's pixel rows. It is zero-filled
// when made and owned by exactly one data object (move-only). Large blocks
// are anonymous mappings backed by huge pages where the system offers them,
// so that filling a fresh picture does not fault in every 4 KiB page.
class DibSection {
public:
    DibSection() = default;
    // Throws EOutOfResources when the memory cannot be had or the size is
    // above DibAllocationLimit().
    explicit DibSection(int64_t size);
    ~DibSection();
    DibSection(DibSection&& other) noexcept;
    DibSection& operator=(DibSection&& other) noexcept;
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;

    uint8_t* data() { return m_data; }
    const uint8_t* data() const { return m_data; }
    int64_t size() const { return m_size; }
    bool isNull() const { return !m_data; }

    DibSection clone() const;

private:
    void release();

    uint8_t* m_data = nullptr;
    int64_t m_size = 0;
    void* m_mapping = nullptr; // start of the mapping, when mapped
    size_t m_mappingLength = 0;
};
