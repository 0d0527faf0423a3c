// The PNM importer through the host: arbitrary bytes as a .ppm file.
#include "FuzzPlugin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzThroughPlugin("ifpnm.spi", "fuzz.ppm", data, size);
}
