// What vellomar-cli does with `bmp convert` before the toolkit is loaded: the
// file read through its own byte source, converted to every format and
// written through its own sink.
#include "clistart/FileBytes.h"
#include "dib/DibErrors.h"
#include "dib/DibFormat.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const int in = memfd_create("in.bmp", MFD_CLOEXEC);
    static const int out = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (in < 0 || out < 0 || ftruncate(in, 0) != 0 || pwrite(in, data, size, 0) != ssize_t(size) ||
        lseek(in, 0, SEEK_SET) != 0)
        std::abort();
    DibContent content;
    try {
        FileByteSource source(in, int64_t(size));
        content = ReadDibFile(source);
    } catch (const EPictureError&) {
        return 0;
    }
    // Time, not memory: the sanitizers make the quantisers slow, and an RLE
    // picture may be large without its file being so.
    const int64_t pixels = int64_t(content.width()) * content.absHeight();
    for (int format = DibFormat1Bit; format <= DibFormatHalftoneBW; ++format) {
        for (int quality : {ConvertQualityLow, ConvertQualityHigh}) {
            const bool quantised = format == DibFormat4Bit || format == DibFormat4BitRLE ||
                                   format == DibFormat8Bit || format == DibFormat8BitRLE;
            if (pixels > (quantised ? 4096 : int64_t(1) << 22))
                continue;
            try {
                auto converted = ConvertPixelFormat(content, format, quality, {}, 255, 255, 255);
                FileByteSink sink(out);
                WriteDibFile(sink, converted ? *converted : content);
            } catch (const EPictureError&) {
            }
        }
    }
    return 0;
}
