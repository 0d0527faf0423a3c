#include "colorspace/ColorSpaces.h"
#include "gradient/PerceptualSegment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

int Byte(double linear) {
    return int(std::floor(LinearToSrgb(std::clamp(linear, 0.0, 1.0)) * 255 + 0.5));
}

// Step j of `steps` through the colour library's exact conversions.
TColor Exact(TColor from, TColor to, bool polar, double t) {
    Triple a = OklabOf(ColorRed(from), ColorGreen(from), ColorBlue(from));
    Triple b = OklabOf(ColorRed(to), ColorGreen(to), ColorBlue(to));
    if (polar) {
        a = ToPolar(a);
        b = ToPolar(b);
        a[2] = a[1] < 1e-4 ? b[2] : a[2];
        b[2] = b[1] < 1e-4 ? a[2] : b[2];
        a[2] += b[2] - a[2] > 180 ? 360 : 0;
        b[2] += b[2] - a[2] < -180 ? 360 : 0;
    }
    Triple m;
    for (int i = 0; i < 3; ++i)
        m[size_t(i)] = a[size_t(i)] + (b[size_t(i)] - a[size_t(i)]) * t;
    const Triple rgb = XyzToRgb(RgbSpace::SrgbLinear, OklabToXyz(polar ? FromPolar(m) : m));
    return RgbToColor(Byte(rgb[0]), Byte(rgb[1]), Byte(rgb[2]));
}

} // namespace

// The segment skips the steps its bounds say keep the colour and turns the
// hue by rotations; every step must still be the exact colour.
TEST(PerceptualSegment, EveryStepIsTheExactColour) {
    std::mt19937 random(7);
    for (int n = 0; n < 40; ++n) {
        const TColor from = n % 5 == 0 ? 0xFFFFFF : random() & 0xFFFFFF;
        const TColor to = n % 5 == 1 ? 0x808080 : random() & 0xFFFFFF;
        const std::int64_t steps = n % 2 ? 20000 : 7;
        const std::int64_t first = n % 3 ? 0 : steps / 3;
        for (const bool polar : {false, true}) {
            using enum GradientInterpolation;
            PerceptualSegment segment(from, to, polar ? Oklch : Oklab, steps);
            segment.seek(first);
            for (std::int64_t j = first; j < steps; ++j)
                ASSERT_EQ(segment.next(), j == 0 ? from : Exact(from, to, polar, double(j) / steps))
                    << std::hex << from << " " << to << " " << polar << std::dec << " " << j;
            EXPECT_EQ(segment.next(), to);
        }
    }
}
