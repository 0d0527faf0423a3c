#include "DibSection.h"

#include "DibErrors.h"
#include "DibTypes.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
constexpr int64_t kMapFrom = int64_t(4) << 20;
std::atomic<int64_t> g_allocationLimit{DibAllocationLimitDefault};
} // namespace

void DibSetAllocationLimit(int64_t bytes) {
    g_allocationLimit = bytes;
}

int64_t DibAllocationLimit() {
    return g_allocationLimit;
}

DibSection::DibSection(int64_t size) {
    // Every picture's pixels pass here: no header can ask for more.
    if (size < 0 || size > g_allocationLimit || uint64_t(size) > uint64_t(SIZE_MAX / 2))
        throw EOutOfResources("GetFileMap: Cannot Make File Mapping Object");
#if defined(__linux__)
    if (size >= kMapFrom) {
        // Fresh anonymous pages are zero; align to a huge page so that the
        // kernel can back the block with them.
        const size_t length = ((size_t(size) + kHugePage - 1) / kHugePage + 1) * kHugePage;
        void* p = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED)
            throw EOutOfResources("GetFileMap: Cannot Make View of File Map");
        const uintptr_t aligned =
            (reinterpret_cast<uintptr_t>(p) + kHugePage - 1) & ~uintptr_t(kHugePage - 1);
        madvise(reinterpret_cast<void*>(aligned), length - (aligned - uintptr_t(p)), MADV_HUGEPAGE);
        m_mapping = p;
        m_mappingLength = length;
        m_data = reinterpret_cast<uint8_t*>(aligned);
        m_size = size;
        return;
    }
#endif
    void* p = std::calloc(size_t(size > 0 ? size : 1), 1);
    if (!p)
        throw EOutOfResources("GetFileMap: Cannot Make View of File Map");
    m_data = static_cast<uint8_t*>(p);
    m_size = size;
}

DibSection::~DibSection() {
    release();
}

DibSection::DibSection(DibSection&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_mapping(std::exchange(other.m_mapping, nullptr)),
      m_mappingLength(std::exchange(other.m_mappingLength, 0)) {}

DibSection& DibSection::operator=(DibSection&& other) noexcept {
    if (this != &other) {
        release();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_mapping = std::exchange(other.m_mapping, nullptr);
        m_mappingLength = std::exchange(other.m_mappingLength, 0);
    }
    return *this;
}

void DibSection::release() {
#if defined(__linux__)
    if (m_mapping) {
        munmap(m_mapping, m_mappingLength);
        m_mapping = nullptr;
        m_data = nullptr;
        return;
    }
#endif
    std::free(m_data);
    m_data = nullptr;
}

DibSection DibSection::clone() const {
    DibSection copy(m_size);
    if (m_size > 0)
        std::memcpy(copy.data(), data(), size_t(m_size));
    return copy;
}
