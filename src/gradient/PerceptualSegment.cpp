#include "gradient/PerceptualSegment.h"

#include "colorspace/ColorSpaces.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Below this OKLCH chroma a colour is a grey and its hue means nothing;
// 8-bit greys come out below 1e-6, the faintest tints above 1e-3.
constexpr double kGreyChroma = 1e-4;

// OKLab to 8-bit sRGB without a cube root or a power per colour: the two
// matrices, and the sRGB encoding as the linear values where each 8-bit
// value begins. A table over the linear range gives the value at the start
// of its bucket; the buckets are narrower than the smallest gap between two
// of those values, so at most one more is passed inside one.
struct Conversion {
    static constexpr int kBuckets = 4096;

    std::array<Triple, 3> toLms;
    std::array<Triple, 3> toRgb;
    // Where 8-bit value k begins, k >= 1; never for 256.
    double threshold[257] = {};
    unsigned char bucket[kBuckets + 1] = {};

    Conversion() : toLms(OklabToLinearSrgb().toLms), toRgb(OklabToLinearSrgb().toRgb) {
        // Rounded to nearest: value k from (k - 0.5) / 255 encoded.
        for (int k = 1; k < 256; ++k)
            threshold[k] = SrgbToLinear((k - 0.5) / 255);
        threshold[256] = 2;
        int k = 0;
        for (int i = 0; i <= kBuckets; ++i) {
            while (k < 255 && threshold[k + 1] <= double(i) / kBuckets)
                ++k;
            bucket[i] = static_cast<unsigned char>(k);
        }
    }

    // Clipped to the sRGB cube; without branches, which cost more here
    // than the arithmetic.
    int byteOf(double linear) const {
        const double v = std::min(std::max(linear, 0.0), 1.0);
        const int k = bucket[int(v * kBuckets)];
        return k + int(v >= threshold[k + 1]);
    }
};

const Conversion& Convert() {
    static const Conversion conversion;
    return conversion;
}

TColor ColorOfLinear(const Conversion& convert, double red, double green, double blue) {
    return RgbToColor(convert.byteOf(red), convert.byteOf(green), convert.byteOf(blue));
}

// The linear sRGB of OKLab cone responses before their cube.
TColor ColorOfCones(const Conversion& convert, const double (&cones)[3]) {
    double lms[3];
    for (int i = 0; i < 3; ++i)
        lms[i] = cones[i] * cones[i] * cones[i];
    double rgb[3];
    for (int c = 0; c < 3; ++c) {
        const Triple& row = convert.toRgb[size_t(c)];
        rgb[c] = row[0] * lms[0] + row[1] * lms[1] + row[2] * lms[2];
    }
    return ColorOfLinear(convert, rgb[0], rgb[1], rgb[2]);
}

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

} // namespace

PerceptualSegment::PerceptualSegment(TColor from) : m_from(from), m_to(from) {}

PerceptualSegment::PerceptualSegment(TColor from, TColor to, GradientInterpolation space,
                                     std::int64_t steps)
    : m_from(from), m_to(to), m_constant(from == to),
      m_polar(space == GradientInterpolation::Oklch), m_steps(steps < 1 ? 1 : steps),
      m_perStep(1.0 / double(m_steps)) {
    Triple start = OklabOf(ColorRed(from), ColorGreen(from), ColorBlue(from));
    Triple end = OklabOf(ColorRed(to), ColorGreen(to), ColorBlue(to));
    if (!m_polar) {
        // Cone responses are linear in t: p + t q; their cubes and the
        // matrix after them give a cubic per channel.
        const Conversion& convert = Convert();
        double p[3];
        double q[3];
        for (int i = 0; i < 3; ++i) {
            const Triple& row = convert.toLms[size_t(i)];
            p[i] = row[0] * start[0] + row[1] * start[1] + row[2] * start[2];
            q[i] = row[0] * (end[0] - start[0]) + row[1] * (end[1] - start[1]) +
                   row[2] * (end[2] - start[2]);
        }
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < 3; ++i) {
                const double m = convert.toRgb[size_t(c)][size_t(i)];
                m_cubic[c][0] += m * p[i] * p[i] * p[i];
                m_cubic[c][1] += m * 3 * p[i] * p[i] * q[i];
                m_cubic[c][2] += m * 3 * p[i] * q[i] * q[i];
                m_cubic[c][3] += m * q[i] * q[i] * q[i];
            }
        }
        return;
    }
    start = ToPolar(start);
    end = ToPolar(end);
    // A grey takes the other end's hue, so the arc does not swing round
    // through a hue neither end has.
    if (start[1] < kGreyChroma)
        start[2] = end[2];
    if (end[1] < kGreyChroma)
        end[2] = start[2];
    start[2] = Radians(start[2]);
    end[2] = Radians(end[2]);
    // The shorter way round.
    if (end[2] - start[2] > std::numbers::pi)
        start[2] += 2 * std::numbers::pi;
    else if (end[2] - start[2] < -std::numbers::pi)
        end[2] += 2 * std::numbers::pi;
    for (int i = 0; i < 3; ++i) {
        m_start[i] = start[size_t(i)];
        m_delta[i] = (end[size_t(i)] - start[size_t(i)]) * m_perStep;
    }
    m_turnCos = std::cos(kTurns * m_delta[2]);
    m_turnSin = std::sin(kTurns * m_delta[2]);
    seek(0);
}

void PerceptualSegment::seek(std::int64_t step) {
    m_step = step;
    if (!m_polar)
        return;
    for (std::int64_t s = step; s < step + kTurns; ++s) {
        const double hue = m_start[2] + double(s) * m_delta[2];
        m_cos[s % kTurns] = std::cos(hue);
        m_sin[s % kTurns] = std::sin(hue);
    }
}

TColor PerceptualSegment::next() {
    const std::int64_t step = m_step++;
    if (m_constant)
        return m_from;
    if (m_polar)
        return polarColor(step);
    if (step <= 0)
        return m_from;
    if (step >= m_steps)
        return m_to;
    const double t = double(step) * m_perStep;
    const auto cubic = [t](const double(&k)[4]) {
        return k[0] + t * (k[1] + t * (k[2] + t * k[3]));
    };
    return ColorOfLinear(Convert(), cubic(m_cubic[0]), cubic(m_cubic[1]), cubic(m_cubic[2]));
}

TColor PerceptualSegment::polarColor(std::int64_t step) {
    const double j = double(step);
    const double chroma = m_start[1] + j * m_delta[1];
    // The hue turns by a rotation rather than a sine and cosine each step.
    double& cos = m_cos[step % kTurns];
    double& sin = m_sin[step % kTurns];
    const double a = chroma * cos;
    const double b = chroma * sin;
    const double c = cos;
    cos = c * m_turnCos - sin * m_turnSin;
    sin = sin * m_turnCos + c * m_turnSin;
    if (step <= 0)
        return m_from;
    if (step >= m_steps)
        return m_to;
    const Conversion& convert = Convert();
    const double lightness = m_start[0] + j * m_delta[0];
    double cones[3];
    for (int i = 0; i < 3; ++i) {
        const Triple& row = convert.toLms[size_t(i)];
        cones[i] = row[0] * lightness + row[1] * a + row[2] * b;
    }
    return ColorOfCones(convert, cones);
}
