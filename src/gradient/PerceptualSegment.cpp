#include "gradient/PerceptualSegment.h"

#include "colorspace/ColorSpaces.h"

#include <algorithm>
#include <cmath>
#include <limits>
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
        threshold[256] = std::numeric_limits<double>::infinity();
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

double Radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// How many steps surely keep a channel's 8-bit value, from its linear
// value, its change per step and the bound on how that change changes:
// the value moves at most m·slope ± m²·curve/2 in m steps.
double Room(const Conversion& convert, double linear, int byte, double slope, double curve) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    // A margin for the rounding of the sums.
    constexpr double kDust = 1e-12;
    const double above = convert.threshold[byte + 1] - linear - kDust;
    const double below = byte == 0 ? kInfinity : linear - convert.threshold[byte] - kDust;
    if (above <= 0 || below <= 0)
        return 0;
    const auto within = [curve](double distance, double toward) {
        if (distance == kInfinity)
            return kInfinity;
        if (curve <= 0)
            return toward > 0 ? distance / toward : kInfinity;
        return (std::sqrt(toward * toward + 2 * curve * distance) - toward) / curve;
    };
    return std::min(within(above, slope), within(below, -slope));
}

} // namespace

PerceptualSegment::PerceptualSegment(TColor from) : m_from(from), m_to(from) {}

PerceptualSegment::PerceptualSegment(TColor from, TColor to, GradientInterpolation space,
                                     std::int64_t steps)
    : m_from(from), m_to(to), m_constant(from == to),
      m_polar(space == GradientInterpolation::Oklch), m_steps(steps < 1 ? 1 : steps),
      m_perStep(1.0 / double(m_steps)) {
    const Conversion& convert = Convert();
    Triple start = OklabOf(ColorRed(from), ColorGreen(from), ColorBlue(from));
    Triple end = OklabOf(ColorRed(to), ColorGreen(to), ColorBlue(to));
    if (!m_polar) {
        // Cone responses are linear in t: p + t q; their cubes and the
        // matrix after them give a cubic per channel.
        double p[3];
        double q[3];
        for (int i = 0; i < 3; ++i) {
            const Triple& row = convert.toLms[size_t(i)];
            p[i] = row[0] * start[0] + row[1] * start[1] + row[2] * start[2];
            q[i] = row[0] * (end[0] - start[0]) + row[1] * (end[1] - start[1]) +
                   row[2] * (end[2] - start[2]);
        }
        for (int c = 0; c < 3; ++c) {
            double(&k)[4] = m_cubic[c];
            for (int i = 0; i < 3; ++i) {
                const double m = convert.toRgb[size_t(c)][size_t(i)];
                k[0] += m * p[i] * p[i] * p[i];
                k[1] += m * 3 * p[i] * p[i] * q[i];
                k[2] += m * 3 * p[i] * q[i] * q[i];
                k[3] += m * q[i] * q[i] * q[i];
            }
            m_curve[c] = (2 * std::abs(k[2]) + 6 * std::abs(k[3])) * m_perStep * m_perStep;
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
    m_turnCos = std::cos(m_delta[2]);
    m_turnSin = std::sin(m_delta[2]);
    // Bounds on each cone response (before its cube), its change per step
    // and how that changes, and from them on the channels' curvature.
    const double lightness = std::max(std::abs(start[0]), std::abs(end[0]));
    const double chroma = std::max(start[1], end[1]);
    const double dL = std::abs(m_delta[0]);
    const double dC = std::abs(m_delta[1]);
    const double dh = std::abs(m_delta[2]);
    double cubeCurve[3];
    for (int i = 0; i < 3; ++i) {
        const Triple& row = convert.toLms[size_t(i)];
        const double radius = std::hypot(row[1], row[2]);
        const double size = std::abs(row[0]) * lightness + radius * chroma;
        const double slope = std::abs(row[0]) * dL + radius * (dC + chroma * dh);
        const double curve = radius * (2 * dC * dh + chroma * dh * dh);
        cubeCurve[i] = 6 * size * slope * slope + 3 * size * size * curve;
    }
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 3; ++i)
            m_curve[c] += std::abs(convert.toRgb[size_t(c)][size_t(i)]) * cubeCurve[i];
}

void PerceptualSegment::seek(std::int64_t step) {
    m_step = step;
    m_repeat = 0;
}

void PerceptualSegment::evaluate(std::int64_t step) {
    const Conversion& convert = Convert();
    const double j = double(step);
    double linear[3];
    double slope[3];
    if (m_polar) {
        // The hue turns by a rotation from the step before; after a jump it
        // is computed afresh.
        if (step != m_hueStep) {
            const double hue = m_start[2] + j * m_delta[2];
            m_cos = std::cos(hue);
            m_sin = std::sin(hue);
        }
        const double lightness = m_start[0] + j * m_delta[0];
        const double chroma = m_start[1] + j * m_delta[1];
        double cones[3];
        double coneSlope[3];
        for (int i = 0; i < 3; ++i) {
            const Triple& row = convert.toLms[size_t(i)];
            const double u = row[1] * m_cos + row[2] * m_sin;
            const double w = row[2] * m_cos - row[1] * m_sin;
            cones[i] = row[0] * lightness + chroma * u;
            coneSlope[i] = 3 * cones[i] * cones[i] *
                           (row[0] * m_delta[0] + m_delta[1] * u + chroma * w * m_delta[2]);
            cones[i] = cones[i] * cones[i] * cones[i];
        }
        for (int c = 0; c < 3; ++c) {
            const Triple& row = convert.toRgb[size_t(c)];
            linear[c] = row[0] * cones[0] + row[1] * cones[1] + row[2] * cones[2];
            slope[c] = row[0] * coneSlope[0] + row[1] * coneSlope[1] + row[2] * coneSlope[2];
        }
        const double c = m_cos;
        m_cos = c * m_turnCos - m_sin * m_turnSin;
        m_sin = m_sin * m_turnCos + c * m_turnSin;
        m_hueStep = step + 1;
    } else {
        const double t = j * m_perStep;
        for (int c = 0; c < 3; ++c) {
            const double(&k)[4] = m_cubic[c];
            linear[c] = k[0] + t * (k[1] + t * (k[2] + t * k[3]));
            slope[c] = (k[1] + t * (2 * k[2] + t * 3 * k[3])) * m_perStep;
        }
    }
    int bytes[3];
    double room = double(m_steps - 1 - step);
    for (int c = 0; c < 3; ++c) {
        bytes[c] = convert.byteOf(linear[c]);
        room = std::min(room, Room(convert, linear[c], bytes[c], slope[c], m_curve[c]));
    }
    m_last = RgbToColor(bytes[0], bytes[1], bytes[2]);
    // One step less than the bound, for the rounding of the sums.
    m_repeat = room >= 1 ? std::int64_t(room) - 1 : 0;
}
