// A plug-in for the host's tests, built once per behaviour (TESTSPI_KIND).
// It reads "TSPI" + width + height (one byte each) + RGB triples, and keeps
// what the host handed it so the tests can look.
#include "spi/SpiAbi.h"

#include <cstring>

#define KIND_GOOD 0
#define KIND_MISSING_ENTRY 1
#define KIND_INFO_FAILS 2
#define KIND_BAD_SIZES 3
#define KIND_HUGE 4
#define KIND_NULL_HANDLE 5
#define KIND_ARCHIVE 6
#define KIND_BOGUS_TEXT 7

namespace {

#if TESTSPI_KIND == KIND_GOOD
const char* const kInfo[] = {"00IN",        "Test importer",  "*.pic",        "Pic picture",
                             "*.mag;*.max", "Mag picture",    "*.jpg;*.jpeg", "Jpeg picture",
                             "*.bmp",       "Bmp by plug-in", "*.tsp",        "Test picture"};
#elif TESTSPI_KIND == KIND_ARCHIVE
const char* const kInfo[] = {"00AM", "Test archive", "*.tsa", "Test archive"};
#else
const char* const kInfo[] = {"00IN", "Broken importer", "*.tsp", "Test picture"};
#endif
const int kInfoCount = int(sizeof kInfo / sizeof kInfo[0]);

unsigned char g_probe[2048];
long g_infoLength = -1;
long g_pictureLength = -1;
int g_calls = 0;

bool Parse(const unsigned char* p, long length, int& w, int& h) {
    if (length < 6 || std::memcmp(p, "TSPI", 4) != 0)
        return false;
    w = p[4];
    h = p[5];
    return w > 0 && h > 0 && length >= 6 + long(w) * h * 3;
}

} // namespace

extern "C" {

SPI_EXPORT int GetPluginInfo(int number, char* buffer, int length) {
    if (number < 0 || number >= kInfoCount || length < 1)
        return 0;
    std::strncpy(buffer, kInfo[number], size_t(length));
    buffer[length - 1] = 0;
    return int(std::strlen(buffer));
}

SPI_EXPORT int IsSupported(const char*, const void* firstBytes) {
    ++g_calls;
    std::memcpy(g_probe, firstBytes, sizeof g_probe);
    return std::memcmp(firstBytes, "TSPI", 4) == 0;
}

SPI_EXPORT int GetPictureInfo(const char* buffer, long length, unsigned int, SpiPictureInfo* info) {
    g_infoLength = length;
    int w, h;
    if (TESTSPI_KIND == KIND_INFO_FAILS ||
        !Parse(reinterpret_cast<const unsigned char*>(buffer), length, w, h))
        return 2;
    std::memset(info, 0, sizeof *info);
    info->width = w;
    info->height = h;
    info->colorDepth = 24;
    if (TESTSPI_KIND == KIND_BOGUS_TEXT)
        info->hInfo = 0xDEADBEEF;
    return 0;
}

#if TESTSPI_KIND != KIND_MISSING_ENTRY
SPI_EXPORT int GetPicture(const char* buffer, long length, unsigned int, HLOCAL* pInfo,
                          HLOCAL* pBits, SpiProgressCallback progress, intptr_t data) {
    g_pictureLength = length;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(buffer);
    int w, h;
    if (!Parse(p, length, w, h))
        return 2;
    if (TESTSPI_KIND == KIND_NULL_HANDLE)
        return 0;
    const long row = ((long(w) * 24 + 31) / 32) * 4;
    long claimedW = w, claimedH = h, bitsSize = row * h;
    if (TESTSPI_KIND == KIND_BAD_SIZES)
        bitsSize = 10;
    if (TESTSPI_KIND == KIND_HUGE) {
        claimedW = 30000;
        claimedH = 30000;
    }
    *pInfo = LocalAlloc(LHND, 40);
    *pBits = LocalAlloc(LHND, size_t(bitsSize));
    unsigned char* bi = static_cast<unsigned char*>(LocalLock(*pInfo));
    unsigned char* bits = static_cast<unsigned char*>(LocalLock(*pBits));
    const int32_t header[] = {40, int32_t(claimedW), int32_t(claimedH)};
    std::memcpy(bi, header, sizeof header);
    bi[12] = 1;
    bi[14] = 24;
    if (TESTSPI_KIND != KIND_BAD_SIZES)
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const unsigned char* s = p + 6 + (long(y) * w + x) * 3;
                unsigned char* d = bits + (h - 1 - y) * row + x * 3;
                d[0] = s[2];
                d[1] = s[1];
                d[2] = s[0];
            }
            if (progress && progress(y + 1, h, data)) {
                LocalUnlock(*pInfo);
                LocalUnlock(*pBits);
                return 1;
            }
        }
    LocalUnlock(*pInfo);
    LocalUnlock(*pBits);
    return 0;
}
#endif

#if TESTSPI_KIND == KIND_ARCHIVE
SPI_EXPORT int GetArchiveInfo() {
    return -1;
}
SPI_EXPORT int GetFileInfo() {
    return -1;
}
SPI_EXPORT int GetFile() {
    return -1;
}
#endif

// For the tests: what the last calls were given.
SPI_EXPORT const unsigned char* TestLastProbe() {
    return g_probe;
}
SPI_EXPORT long TestLastInfoLength() {
    return g_infoLength;
}
SPI_EXPORT long TestLastPictureLength() {
    return g_pictureLength;
}
SPI_EXPORT int TestIsSupportedCalls() {
    return g_calls;
}
}
