#pragma once

#include "DibContent.h"

#include <array>
#include <functional>

// The pixel-format conversion routines. Each reads a source and returns a new
// header, colour table and section; the source is never changed.

// RLE decoders: zero-filled output; malformed data raise "Bad RLE Data n".
DibContent Convert8BitRLETo8BitRGB(const DibContent& source);
DibContent Convert4BitRLETo4BitRGB(const DibContent& source);
// RLE encoders: the output must fit into the uncompressed size.
DibContent Convert8BitRGBTo8BitRLE(const DibContent& source);
DibContent Convert4BitRGBTo4BitRLE(const DibContent& source);

// More bits per pixel, same colours.
DibContent Convert1BitRGBTo4BitRGB(const DibContent& source);
DibContent Convert1BitRGBTo8BitRGB(const DibContent& source);
DibContent Convert4BitRGBTo8BitRGB(const DibContent& source);
DibContent Convert1BitRGBToTrueColor(const DibContent& source);
DibContent Convert4BitRGBToTrueColor(const DibContent& source);
DibContent Convert8BitRGBToTrueColor(const DibContent& source);

// One bit: a pixel of exactly the key colour becomes 1 (white), others 0 (black).
DibContent ConvertTrueColorTo1BitRGB(const DibContent& source, int red, int green, int blue);
DibContent Convert8BitTo1BitRGB(const DibContent& source, int red, int green, int blue);
DibContent Convert4BitRGBTo1BitRGB(const DibContent& source, int red, int green, int blue);

// Fewer colours with a computed palette; `step` is called 256 (8-bit) or 16 (4-bit) times.
DibContent ConvertTrueColorTo8BitRGBLow(const DibContent& source,
                                        const std::function<void()>& step);
DibContent ConvertTrueColorTo8BitRGBHigh(const DibContent& source,
                                         const std::function<void()>& step, int divideId = 0);
DibContent ConvertTrueColorTo4BitRGBLow(const DibContent& source,
                                        const std::function<void()>& step);
DibContent ConvertTrueColorTo4BitRGBHigh(const DibContent& source,
                                         const std::function<void()>& step, int divideId = 0);
DibContent Convert8BitRGBTo4BitRGB(const DibContent& source, const std::function<void()>& step);

// The red, green and blue levels of the halftone colour cube.
inline constexpr std::array<int, 6> HalftoneRedLevels{0, 51, 102, 153, 204, 255};
inline constexpr std::array<int, 7> HalftoneGreenLevels{0, 43, 85, 128, 171, 214, 255};
inline constexpr std::array<int, 5> HalftoneBlueLevels{0, 64, 128, 192, 255};
// The 215 halftone colours: the cube, red slowest, then five more.
inline constexpr int HalftoneColorCount = 215;
const ColorTable& HalftoneColors();

// Error diffusion onto the 215-colour halftone palette, or onto black and white.
DibContent ConvertToHalfTone(const DibContent& source);
DibContent ConvertToHalfToneBW(const DibContent& source);
