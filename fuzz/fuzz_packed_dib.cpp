// The packed-DIB loader (what plug-ins hand over) on arbitrary bytes.
#include "FuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy, so that reading one byte past the block is caught.
    const QByteArray block(reinterpret_cast<const char*>(data), qsizetype(size));
    TVmDIB dib;
    try {
        dib.LoadFromClipboardFormat(CF_DIB, block, nullptr);
    } catch (const EPictureError&) {
        return 0;
    }
    Exercise(dib);
    return 0;
}
