#pragma once

#include "DibContent.h"

#include <functional>
#include <optional>
#include <string_view>

// The names of the pixel formats on the command line, in DibPixelFormat order.
inline constexpr const char* DibPixelFormatNames[] = {"1bit",    "4bit",  "4bitrle",  "8bit",
                                                      "8bitrle", "24bit", "halftone", "halftonebw"};
// The format of that name; nothing for any other name.
std::optional<DibPixelFormat> DibPixelFormatFromName(std::string_view name);

// The pixel format a header describes; EVmDIBInvalidDIB for any other header.
DibPixelFormat PixelFormatOf(const BitmapInfoHeader& header);

// `source` converted to `target` (a DibPixelFormat) through the chain of
// routines for the pair; nothing when it is in that format already. `quality`
// is a DibConvertQuality; the key colour decides the one-bit conversions.
std::optional<DibContent> ConvertPixelFormat(const DibContent& source, int target, int quality,
                                             const std::function<void()>& step, int keyRed,
                                             int keyGreen, int keyBlue);
