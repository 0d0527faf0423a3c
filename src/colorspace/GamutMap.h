#pragma once

#include "colorspace/ColorSpaces.h"

// A colour brought into sRGB as CSS Color 4 maps gamuts: lightness and hue
// kept, OKLCH chroma reduced until clipping the rest changes the colour by
// less than one can see. `mapped` is false for a colour that was in gamut
// (rounding dust at the edges aside).
struct SrgbInGamut {
    Triple rgb; // gamma-encoded sRGB, each 0..1
    bool mapped = false;
};

SrgbInGamut MapToSrgbGamut(const Triple& xyzD65);
