#include "colorspace/GamutMap.h"

#include <algorithm>

namespace {

// Texts written with a few decimals land a hair outside the cube. Within half
// an 8-bit step, clipping gives the same colour: nothing to tell the user.
constexpr double kEdge = 0.5 / 255;
constexpr double kJnd = 0.02;
constexpr double kEpsilon = 0.0001;

bool InGamut(const Triple& rgb) {
    return std::all_of(rgb.begin(), rgb.end(),
                       [](double v) { return v >= -kEdge && v <= 1 + kEdge; });
}

Triple Clip(const Triple& rgb) {
    return {std::clamp(rgb[0], 0.0, 1.0), std::clamp(rgb[1], 0.0, 1.0),
            std::clamp(rgb[2], 0.0, 1.0)};
}

Triple SrgbOfOklch(const Triple& lch) {
    return XyzToRgb(RgbSpace::Srgb, OklabToXyz(FromPolar(lch)));
}

Triple OklabOfSrgb(const Triple& rgb) {
    return XyzToOklab(RgbToXyz(RgbSpace::Srgb, rgb));
}

} // namespace

SrgbInGamut MapToSrgbGamut(const Triple& xyzD65) {
    const Triple direct = XyzToRgb(RgbSpace::Srgb, xyzD65);
    if (InGamut(direct))
        return {Clip(direct), false};
    Triple current = ToPolar(XyzToOklab(xyzD65));
    if (current[0] >= 1)
        return {{1, 1, 1}, true};
    if (current[0] <= 0)
        return {{0, 0, 0}, true};
    Triple clipped = Clip(direct);
    if (DeltaEOk(OklabOfSrgb(clipped), FromPolar(current)) < kJnd)
        return {clipped, true};
    double low = 0;
    double high = current[1];
    bool lowInGamut = true;
    while (high - low > kEpsilon) {
        current[1] = (low + high) / 2;
        const Triple candidate = SrgbOfOklch(current);
        if (lowInGamut && InGamut(candidate)) {
            low = current[1];
            continue;
        }
        clipped = Clip(candidate);
        const double e = DeltaEOk(OklabOfSrgb(clipped), FromPolar(current));
        if (e < kJnd) {
            if (kJnd - e < kEpsilon)
                break;
            lowInGamut = false;
            low = current[1];
        } else {
            high = current[1];
        }
    }
    return {clipped, true};
}
