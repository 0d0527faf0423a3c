// Colour texts typed or pasted by the user: any bytes must read as a colour
// or an error, and a colour must write back to texts that read as itself.
#include "colorspace/CssColorWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const CssColorReading reading =
        ParseCssColor(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!reading)
        return 0;
    for (const auto& [name, format] : CssFormatNames()) {
        if (!IsCssText(format))
            continue;
        const CssColorReading back = ParseCssColor(WriteCssColor(reading.color, format));
        if (!back || !(back.color == reading.color))
            std::abort();
    }
    return 0;
}
