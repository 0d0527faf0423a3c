// The BMP file loader on arbitrary bytes.
#include "FuzzCommon.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TVmDIB dib;
    try {
        dib.LoadFromStream(buffer);
    } catch (const EPictureError&) {
        return 0;
    }
    Exercise(dib);
    return 0;
}
