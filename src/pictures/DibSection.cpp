#include "DibSection.h"

#include "DibErrors.h"

#include <cstdlib>
#include <cstring>

void DibSection::Free::operator()(uchar* p) const {
    std::free(p);
}

DibSection::DibSection(qint64 size) {
    if (size < 0 || quint64(size) > quint64(SIZE_MAX / 2))
        throw EOutOfResources(QStringLiteral("GetFileMap: Cannot Make File Mapping Object"));
    // calloc hands large blocks out as fresh zero pages, so zero-filling costs nothing up front.
    void* p = std::calloc(size_t(size > 0 ? size : 1), 1);
    if (!p)
        throw EOutOfResources(QStringLiteral("GetFileMap: Cannot Make View of File Map"));
    m_data.reset(static_cast<uchar*>(p));
    m_size = size;
}

DibSection DibSection::clone() const {
    DibSection copy(m_size);
    if (m_size > 0)
        std::memcpy(copy.data(), data(), size_t(m_size));
    return copy;
}
