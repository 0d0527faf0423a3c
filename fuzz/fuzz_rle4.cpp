// The RLE4 decoder, and the encoder on whatever it decodes.
#include "FuzzRle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzRle(data, size, 4);
    return 0;
}
