#include "DibFormat.h"

#include "DibConversions.h"
#include "DibErrors.h"

#include <iterator>

namespace {

[[noreturn]] void Fail(const char* message) {
    throw EVmDIBInvalidDIB(message);
}

} // namespace

std::optional<DibPixelFormat> DibPixelFormatFromName(std::string_view name) {
    for (size_t f = 0; f < std::size(DibPixelFormatNames); ++f)
        if (name == DibPixelFormatNames[f])
            return DibPixelFormat(f);
    return std::nullopt;
}

DibPixelFormat PixelFormatOf(const BitmapInfoHeader& header) {
    const uint32_t c = header.biCompression;
    switch (header.biBitCount) {
    case 1:
        if (c == BI_RGB)
            return DibFormat1Bit;
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(1Bit)");
    case 4:
        if (c == BI_RGB)
            return DibFormat4Bit;
        if (c == BI_RLE4)
            return DibFormat4BitRLE;
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(4Bit)");
    case 8:
        if (c == BI_RGB)
            return DibFormat8Bit;
        if (c == BI_RLE8)
            return DibFormat8BitRLE;
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(8Bit)");
    case 24:
        if (c == BI_RGB)
            return DibFormat24Bit;
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(24Bit)");
    default:
        Fail("TVmInternalDIB.GetPixelFormat: Invalid DIB(Illegal BitCount)");
    }
}

std::optional<DibContent> ConvertPixelFormat(const DibContent& source, int target, int quality,
                                             const std::function<void()>& step, int r, int g,
                                             int b) {
    auto pixelFormatError = [] {
        throw EVmDIBAssert("TVmIntenalDIB.SetPixelsFormat: PixelFormat Error");
    };
    if (quality != ConvertQualityLow && quality != ConvertQualityHigh)
        pixelFormatError();
    if (target < DibFormat1Bit || target > DibFormatHalftoneBW)
        pixelFormatError();
    DibPixelFormat from = PixelFormatOf(source.header);
    if (target == from)
        return std::nullopt;
    const bool high = quality == ConvertQualityHigh;

    // Each routine reads the previous result and makes a new one; the caller's
    // data change only when the whole chain has succeeded.
    DibContent result;
    const DibContent* current = &source;
    auto apply = [&](DibContent next) {
        result = std::move(next);
        current = &result;
    };
    if (from == DibFormat8BitRLE) {
        apply(Convert8BitRLETo8BitRGB(*current));
        from = DibFormat8Bit;
    } else if (from == DibFormat4BitRLE) {
        apply(Convert4BitRLETo4BitRGB(*current));
        from = DibFormat4Bit;
    }
    if (target == DibFormatHalftone || target == DibFormatHalftoneBW) {
        apply(target == DibFormatHalftone ? ConvertToHalfTone(*current)
                                          : ConvertToHalfToneBW(*current));
        return result;
    }
    const DibPixelFormat base = target == DibFormat4BitRLE   ? DibFormat4Bit
                                : target == DibFormat8BitRLE ? DibFormat8Bit
                                                             : DibPixelFormat(target);
    if (from != base) {
        switch (from) {
        case DibFormat1Bit:
            apply(base == DibFormat4Bit   ? Convert1BitRGBTo4BitRGB(*current)
                  : base == DibFormat8Bit ? Convert1BitRGBTo8BitRGB(*current)
                                          : Convert1BitRGBToTrueColor(*current));
            break;
        case DibFormat4Bit:
            apply(base == DibFormat1Bit   ? Convert4BitRGBTo1BitRGB(*current, r, g, b)
                  : base == DibFormat8Bit ? Convert4BitRGBTo8BitRGB(*current)
                                          : Convert4BitRGBToTrueColor(*current));
            break;
        case DibFormat8Bit:
            apply(base == DibFormat1Bit   ? Convert8BitTo1BitRGB(*current, r, g, b)
                  : base == DibFormat4Bit ? Convert8BitRGBTo4BitRGB(*current, step)
                                          : Convert8BitRGBToTrueColor(*current));
            break;
        case DibFormat24Bit:
            if (base == DibFormat1Bit)
                apply(ConvertTrueColorTo1BitRGB(*current, r, g, b));
            else if (base == DibFormat4Bit)
                apply(high ? ConvertTrueColorTo4BitRGBHigh(*current, step)
                           : ConvertTrueColorTo4BitRGBLow(*current, step));
            else
                apply(high ? ConvertTrueColorTo8BitRGBHigh(*current, step)
                           : ConvertTrueColorTo8BitRGBLow(*current, step));
            break;
        default:
            pixelFormatError();
        }
    }
    if (target == DibFormat4BitRLE)
        apply(Convert4BitRGBTo4BitRLE(*current));
    else if (target == DibFormat8BitRLE)
        apply(Convert8BitRGBTo8BitRLE(*current));
    if (current == &source)
        return std::nullopt;
    return result;
}
