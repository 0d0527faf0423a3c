#include "colorspace/ColorSpaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using Matrix = std::array<Triple, 3>;

Triple Multiply(const Matrix& m, const Triple& v) {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

Matrix Multiply(const Matrix& a, const Matrix& b) {
    Matrix r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return r;
}

Matrix Inverse(const Matrix& m) {
    const double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
                       m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
                       m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
    Matrix r{};
    r[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
    r[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
    r[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
    r[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
    r[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
    r[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
    r[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
    r[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
    r[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
    return r;
}

// White points as CSS writes them: chromaticities to four digits.
Triple WhiteOf(double x, double y) {
    return {x / y, 1.0, (1.0 - x - y) / y};
}
const Triple kD65 = WhiteOf(0.3127, 0.3290);
const Triple kD50 = WhiteOf(0.3457, 0.3585);

// Linear RGB to XYZ from the primaries' chromaticities and the white point.
Matrix RgbMatrix(double rx, double ry, double gx, double gy, double bx, double by,
                 const Triple& white) {
    const Matrix primaries{{{rx / ry, gx / gy, bx / by},
                            {1.0, 1.0, 1.0},
                            {(1 - rx - ry) / ry, (1 - gx - gy) / gy, (1 - bx - by) / by}}};
    const Triple scale = Multiply(Inverse(primaries), white);
    Matrix m = primaries;
    for (auto& row : m)
        for (int j = 0; j < 3; ++j)
            row[j] *= scale[j];
    return m;
}

Matrix Bradford(const Triple& from, const Triple& to) {
    const Matrix cone{
        {{0.8951, 0.2664, -0.1614}, {-0.7502, 1.7135, 0.0367}, {0.0389, -0.0685, 1.0296}}};
    const Triple a = Multiply(cone, from);
    const Triple b = Multiply(cone, to);
    const Matrix scale{{{b[0] / a[0], 0, 0}, {0, b[1] / a[1], 0}, {0, 0, b[2] / a[2]}}};
    return Multiply(Inverse(cone), Multiply(scale, cone));
}

struct Matrices {
    Matrix toXyz[6];
    Matrix fromXyz[6];
    Matrix d65ToD50 = Bradford(kD65, kD50);
    Matrix d50ToD65 = Bradford(kD50, kD65);
    // OKLab's own matrices, from XYZ-D65.
    Matrix xyzToLms{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                     {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                     {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
    Matrix lmsToOklab{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                       {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                       {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
    Matrix lmsToXyz = Inverse(xyzToLms);
    Matrix oklabToLms = Inverse(lmsToOklab);

    Matrices() {
        const Matrix srgb = RgbMatrix(0.64, 0.33, 0.30, 0.60, 0.15, 0.06, kD65);
        toXyz[int(RgbSpace::Srgb)] = srgb;
        toXyz[int(RgbSpace::SrgbLinear)] = srgb;
        toXyz[int(RgbSpace::DisplayP3)] = RgbMatrix(0.680, 0.320, 0.265, 0.690, 0.150, 0.060, kD65);
        toXyz[int(RgbSpace::A98Rgb)] = RgbMatrix(0.64, 0.33, 0.21, 0.71, 0.15, 0.06, kD65);
        // ProPhoto is defined on D50: adapt its matrix to D65.
        toXyz[int(RgbSpace::ProPhotoRgb)] = Multiply(
            d50ToD65, RgbMatrix(0.734699, 0.265301, 0.159597, 0.840403, 0.036598, 0.000105, kD50));
        toXyz[int(RgbSpace::Rec2020)] = RgbMatrix(0.708, 0.292, 0.170, 0.797, 0.131, 0.046, kD65);
        for (int i = 0; i < 6; ++i)
            fromXyz[i] = Inverse(toXyz[i]);
    }
};

const Matrices& M() {
    static const Matrices m;
    return m;
}

// Transfer functions keep the sign, as CSS extends them to negative values.
double SrgbDecode(double v) {
    const double a = std::abs(v);
    return a <= 0.04045 ? v / 12.92 : std::copysign(std::pow((a + 0.055) / 1.055, 2.4), v);
}
double SrgbEncode(double v) {
    const double a = std::abs(v);
    return a <= 0.0031308 ? v * 12.92 : std::copysign(1.055 * std::pow(a, 1 / 2.4) - 0.055, v);
}

const double kRecAlpha = 1.09929682680944;
const double kRecBeta = 0.018053968510807;

double Decode(RgbSpace space, double v) {
    const double a = std::abs(v);
    switch (space) {
    case RgbSpace::Srgb:
    case RgbSpace::DisplayP3:
        return SrgbDecode(v);
    case RgbSpace::SrgbLinear:
        return v;
    case RgbSpace::A98Rgb:
        return std::copysign(std::pow(a, 563.0 / 256.0), v);
    case RgbSpace::ProPhotoRgb:
        return a <= 16.0 / 512.0 ? v / 16.0 : std::copysign(std::pow(a, 1.8), v);
    case RgbSpace::Rec2020:
        return a < kRecBeta * 4.5
                   ? v / 4.5
                   : std::copysign(std::pow((a + kRecAlpha - 1) / kRecAlpha, 1 / 0.45), v);
    }
    return v;
}

double Encode(RgbSpace space, double v) {
    const double a = std::abs(v);
    switch (space) {
    case RgbSpace::Srgb:
    case RgbSpace::DisplayP3:
        return SrgbEncode(v);
    case RgbSpace::SrgbLinear:
        return v;
    case RgbSpace::A98Rgb:
        return std::copysign(std::pow(a, 256.0 / 563.0), v);
    case RgbSpace::ProPhotoRgb:
        return a < 1.0 / 512.0 ? v * 16.0 : std::copysign(std::pow(a, 1 / 1.8), v);
    case RgbSpace::Rec2020:
        return a < kRecBeta ? v * 4.5
                            : std::copysign(kRecAlpha * std::pow(a, 0.45) - (kRecAlpha - 1), v);
    }
    return v;
}

double NormalizeHue(double hue) {
    double h = std::fmod(hue, 360.0);
    if (h < 0)
        h += 360.0;
    return h;
}

} // namespace

Triple RgbToXyz(RgbSpace space, const Triple& rgb) {
    return Multiply(M().toXyz[int(space)],
                    Triple{Decode(space, rgb[0]), Decode(space, rgb[1]), Decode(space, rgb[2])});
}

Triple XyzToRgb(RgbSpace space, const Triple& xyz) {
    const Triple linear = Multiply(M().fromXyz[int(space)], xyz);
    return {Encode(space, linear[0]), Encode(space, linear[1]), Encode(space, linear[2])};
}

double SrgbToLinear(double v) {
    return SrgbDecode(v);
}

double LinearToSrgb(double v) {
    return SrgbEncode(v);
}

Triple XyzD65ToD50(const Triple& xyz) {
    return Multiply(M().d65ToD50, xyz);
}

Triple XyzD50ToD65(const Triple& xyz) {
    return Multiply(M().d50ToD65, xyz);
}

namespace {
const double kLabEpsilon = 216.0 / 24389.0;
const double kLabKappa = 24389.0 / 27.0;
} // namespace

Triple XyzToLab(const Triple& xyz) {
    const Triple d50 = XyzD65ToD50(xyz);
    Triple f;
    for (int i = 0; i < 3; ++i) {
        const double v = d50[i] / kD50[i];
        f[i] = v > kLabEpsilon ? std::cbrt(v) : (kLabKappa * v + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Triple LabToXyz(const Triple& lab) {
    const double fy = (lab[0] + 16) / 116;
    const double fx = lab[1] / 500 + fy;
    const double fz = fy - lab[2] / 200;
    const double x = fx * fx * fx > kLabEpsilon ? fx * fx * fx : (116 * fx - 16) / kLabKappa;
    const double y = lab[0] > kLabKappa * kLabEpsilon ? fy * fy * fy : lab[0] / kLabKappa;
    const double z = fz * fz * fz > kLabEpsilon ? fz * fz * fz : (116 * fz - 16) / kLabKappa;
    return XyzD50ToD65({x * kD50[0], y * kD50[1], z * kD50[2]});
}

Triple XyzToOklab(const Triple& xyz) {
    const Triple lms = Multiply(M().xyzToLms, xyz);
    return Multiply(M().lmsToOklab,
                    Triple{std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2])});
}

Triple OklabToXyz(const Triple& oklab) {
    const Triple lms = Multiply(M().oklabToLms, oklab);
    return Multiply(M().lmsToXyz, Triple{lms[0] * lms[0] * lms[0], lms[1] * lms[1] * lms[1],
                                         lms[2] * lms[2] * lms[2]});
}

Triple ToPolar(const Triple& lab) {
    const double hue = std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
    return {lab[0], std::hypot(lab[1], lab[2]), NormalizeHue(hue)};
}

Triple FromPolar(const Triple& lch) {
    const double radians = lch[2] * std::numbers::pi / 180;
    return {lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
}

Triple SrgbToHsl(const Triple& rgb) {
    const double max = std::max({rgb[0], rgb[1], rgb[2]});
    const double min = std::min({rgb[0], rgb[1], rgb[2]});
    const double lightness = (max + min) / 2;
    const double d = max - min;
    double hue = 0;
    double saturation = 0;
    if (d != 0) {
        saturation = (lightness == 0 || lightness == 1)
                         ? 0
                         : (max - lightness) / std::min(lightness, 1 - lightness);
        if (max == rgb[0])
            hue = (rgb[1] - rgb[2]) / d + (rgb[1] < rgb[2] ? 6 : 0);
        else if (max == rgb[1])
            hue = (rgb[2] - rgb[0]) / d + 2;
        else
            hue = (rgb[0] - rgb[1]) / d + 4;
        hue *= 60;
    }
    return {NormalizeHue(hue), saturation, lightness};
}

Triple HslToSrgb(const Triple& hsl) {
    const double hue = NormalizeHue(hsl[0]);
    const double s = hsl[1];
    const double l = hsl[2];
    auto f = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        const double a = s * std::min(l, 1 - l);
        return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

Triple SrgbToHwb(const Triple& rgb) {
    const Triple hsl = SrgbToHsl(rgb);
    return {hsl[0], std::min({rgb[0], rgb[1], rgb[2]}), 1 - std::max({rgb[0], rgb[1], rgb[2]})};
}

Triple HwbToSrgb(const Triple& hwb) {
    const double white = hwb[1];
    const double black = hwb[2];
    if (white + black >= 1) {
        const double gray = white / (white + black);
        return {gray, gray, gray};
    }
    Triple rgb = HslToSrgb({hwb[0], 1, 0.5});
    for (double& v : rgb)
        v = v * (1 - white - black) + white;
    return rgb;
}

Triple OklabOf(int red, int green, int blue) {
    return XyzToOklab(RgbToXyz(RgbSpace::Srgb, {red / 255.0, green / 255.0, blue / 255.0}));
}

double DeltaEOk(const Triple& a, const Triple& b) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                     (a[2] - b[2]) * (a[2] - b[2]));
}

const OklabToLinearSrgbMatrices& OklabToLinearSrgb() {
    static const OklabToLinearSrgbMatrices matrices{
        M().oklabToLms, Multiply(M().fromXyz[int(RgbSpace::SrgbLinear)], M().lmsToXyz)};
    return matrices;
}
