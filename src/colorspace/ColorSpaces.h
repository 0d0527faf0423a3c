#pragma once

#include <array>

// Colour spaces of CSS, in doubles. Every conversion goes through CIE XYZ
// relative to D65, the way browsers convert, so that a text written here in
// one space reads back as the same colour in another.

using Triple = std::array<double, 3>;

enum class RgbSpace { Srgb, SrgbLinear, DisplayP3, A98Rgb, ProPhotoRgb, Rec2020 };

// Gamma-encoded RGB of `space` (0..1 in gamut) to and from XYZ-D65.
Triple RgbToXyz(RgbSpace space, const Triple& rgb);
Triple XyzToRgb(RgbSpace space, const Triple& xyz);

// The sRGB transfer function, extended to negative values.
double SrgbToLinear(double v);
double LinearToSrgb(double v);

// Chromatic adaptation between D65 and D50 (Bradford), for lab() and xyz-d50.
Triple XyzD65ToD50(const Triple& xyz);
Triple XyzD50ToD65(const Triple& xyz);

// CIE Lab (D50; L 0..100) and OKLab (L 0..1), from and to XYZ-D65.
Triple XyzToLab(const Triple& xyz);
Triple LabToXyz(const Triple& lab);
Triple XyzToOklab(const Triple& xyz);
Triple OklabToXyz(const Triple& oklab);

// Lab-like to polar (L, chroma, hue in degrees 0..360) and back.
Triple ToPolar(const Triple& lab);
Triple FromPolar(const Triple& lch);

// sRGB 0..1 to and from HSL and HWB (hue in degrees; the others 0..1).
Triple SrgbToHsl(const Triple& rgb);
Triple HslToSrgb(const Triple& hsl);
Triple SrgbToHwb(const Triple& rgb);
Triple HwbToSrgb(const Triple& hwb);

// The colour as OKLab from 8-bit sRGB.
Triple OklabOf(int red, int green, int blue);

// Euclidean distance in OKLab, the measure the gamut mapping and the nearest
// name use; 0.02 is about the smallest difference one sees.
double DeltaEOk(const Triple& oklab1, const Triple& oklab2);

// OKLab to linear sRGB as two matrices around the cube of the cone
// responses, rgb = toRgb · (toLms · oklab)³, for converting many colours
// without a call per colour.
struct OklabToLinearSrgbMatrices {
    std::array<Triple, 3> toLms;
    std::array<Triple, 3> toRgb;
};
const OklabToLinearSrgbMatrices& OklabToLinearSrgb();
