// The TGA importer through the host: arbitrary bytes as a .tga file.
#include "FuzzPlugin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzThroughPlugin("iftga.spi", "fuzz.tga", data, size);
}
