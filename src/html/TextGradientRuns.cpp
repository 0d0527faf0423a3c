#include "html/TextGradientRuns.h"

#include "colorspace/ColorSpaces.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Rgb = std::array<double, 3>;

Rgb RgbOf(TColor color) {
    return {double(ColorRed(color)), double(ColorGreen(color)), double(ColorBlue(color))};
}

// Where the browser's gradient is between two stops, in 8-bit sRGB units.
class Mixer {
public:
    explicit Mixer(GradientInterpolation interpolation) : m_interpolation(interpolation) {}

    Rgb mix(TColor from, TColor to, double t) const {
        if (m_interpolation == GradientInterpolation::Srgb) {
            const Rgb a = RgbOf(from);
            const Rgb b = RgbOf(to);
            return {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t};
        }
        const Triple a = OklabOf(ColorRed(from), ColorGreen(from), ColorBlue(from));
        const Triple b = OklabOf(ColorRed(to), ColorGreen(to), ColorBlue(to));
        Triple lab;
        if (m_interpolation == GradientInterpolation::Oklab) {
            for (size_t i = 0; i < 3; ++i)
                lab[i] = a[i] + (b[i] - a[i]) * t;
        } else {
            Triple p = ToPolar(a);
            Triple q = ToPolar(b);
            // A grey has no hue of its own and takes the other end's.
            constexpr double kGrey = 1e-4;
            if (p[1] < kGrey)
                p[2] = q[2];
            if (q[1] < kGrey)
                q[2] = p[2];
            double turn = q[2] - p[2];
            if (turn > 180)
                turn -= 360;
            else if (turn < -180)
                turn += 360;
            lab = FromPolar({p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t, p[2] + turn * t});
        }
        const Triple rgb = XyzToRgb(RgbSpace::Srgb, OklabToXyz(lab));
        // A colour outside sRGB has each channel cut, as browsers and the walk cut it.
        return {std::clamp(rgb[0] * 255, 0.0, 255.0), std::clamp(rgb[1] * 255, 0.0, 255.0),
                std::clamp(rgb[2] * 255, 0.0, 255.0)};
    }

private:
    GradientInterpolation m_interpolation;
};

// A character whose colour shows.
struct Sample {
    size_t index;
    qsizetype position;
    TColor color;
};

bool IsBlank(const StyledChar& c) {
    return (c.ch == U' ' || c.ch == U'\t' || c.ch == U'\r' || c.ch == U'\n' || c.ch == U'\u3000') &&
           !c.style.underline;
}

// Whether every sample strictly between a and b is within rounding of the
// way from a's colour to b's: the walk truncates each colour it makes.
bool Fits(const std::vector<Sample>& samples, size_t a, size_t b, const Mixer& mixer) {
    const Sample& from = samples[a];
    const Sample& to = samples[b];
    const double span = double(to.position - from.position);
    constexpr double kTolerance = 2.0;
    for (size_t j = a + 1; j < b; ++j) {
        const Rgb want =
            mixer.mix(from.color, to.color, (samples[j].position - from.position) / span);
        const Rgb have = RgbOf(samples[j].color);
        for (size_t c = 0; c < 3; ++c)
            if (std::abs(have[c] - want[c]) > kTolerance)
                return false;
    }
    return true;
}

// The farthest sample the stretch from `a` reaches: doubling, then halving.
size_t StretchEnd(const std::vector<Sample>& samples, size_t a, const Mixer& mixer) {
    const size_t last = samples.size() - 1;
    size_t good = a + 1;
    size_t step = 2;
    size_t bad = last + 1;
    while (a + step <= last) {
        if (!Fits(samples, a, a + step, mixer)) {
            bad = a + step;
            break;
        }
        good = a + step;
        step *= 2;
    }
    if (bad > last && good < last) {
        if (Fits(samples, a, last, mixer))
            return last;
        bad = last;
    }
    while (bad - good > 1) {
        const size_t middle = good + (bad - good) / 2;
        if (Fits(samples, a, middle, mixer))
            good = middle;
        else
            bad = middle;
    }
    return good;
}

} // namespace

std::vector<TextGradientRun> FindTextGradientRuns(const StyledText& text,
                                                  GradientInterpolation interpolation) {
    std::vector<TextGradientRun> runs;
    std::vector<Sample> samples;
    std::vector<qsizetype> positions;
    positions.reserve(text.chars.size() + 1);
    qsizetype position = 0;
    for (size_t k = 0; k < text.chars.size(); ++k) {
        positions.push_back(position);
        if (!IsBlank(text.chars[k]))
            samples.push_back({k, position, text.chars[k].style.color});
        position += CharPositions(text.chars[k].ch);
    }
    positions.push_back(position);
    if (samples.size() < 4)
        return runs;

    const Mixer mixer(interpolation);
    // The stretches, as sample indexes; each ends where the next begins.
    std::vector<std::pair<size_t, size_t>> stretches;
    for (size_t a = 0; a + 1 < samples.size();) {
        const size_t b = StretchEnd(samples, a, mixer);
        stretches.emplace_back(a, b);
        a = b;
    }
    // Two characters between the ends show that the colours follow a way
    // rather than jump. A stretch without them joins its neighbours when it
    // changes no faster than they do: a bend at a stop between two
    // characters, or the last character's closing step.
    const auto smooth = [](const std::pair<size_t, size_t>& s) { return s.second - s.first >= 3; };
    const auto flat = [&](const std::pair<size_t, size_t>& s) {
        return samples[s.first].color == samples[s.second].color;
    };
    const auto slope = [&](const std::pair<size_t, size_t>& s) {
        const Rgb from = RgbOf(samples[s.first].color);
        const Rgb to = RgbOf(samples[s.second].color);
        const double span = double(samples[s.second].position - samples[s.first].position);
        return Rgb{std::abs(to[0] - from[0]) / span, std::abs(to[1] - from[1]) / span,
                   std::abs(to[2] - from[2]) / span};
    };
    std::vector<bool> joins(stretches.size());
    for (size_t i = 0; i < stretches.size(); ++i) {
        if (smooth(stretches[i])) {
            joins[i] = true;
            continue;
        }
        Rgb bound{-1, -1, -1};
        for (const size_t n : {i - 1, i + 1})
            if (n < stretches.size() && smooth(stretches[n]) && !flat(stretches[n])) {
                const Rgb next = slope(stretches[n]);
                for (size_t c = 0; c < 3; ++c)
                    bound[c] = std::max(bound[c], next[c]);
            }
        const Rgb own = slope(stretches[i]);
        joins[i] = bound[0] >= 0;
        for (size_t c = 0; c < 3 && joins[i]; ++c)
            joins[i] = own[c] <= 2 * bound[c] + 2;
    }
    for (size_t i = 0; i < stretches.size();) {
        if (!joins[i]) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j + 1 < stretches.size() && joins[j + 1])
            ++j;
        const size_t next = j + 1;
        size_t last = j;
        while (i < last && flat(stretches[i]))
            ++i;
        while (last > i && flat(stretches[last]))
            --last;
        bool changes = false;
        for (size_t s = i; s <= last; ++s)
            changes = changes || (smooth(stretches[s]) && !flat(stretches[s]));
        if (!changes) {
            i = next;
            continue;
        }
        const size_t firstSample = stretches[i].first;
        const size_t lastSample = stretches[last].second;
        TextGradientRun run;
        run.first = samples[firstSample].index;
        run.end = samples[lastSample].index + 1;
        // Blanks after the run show nothing; inside it they make no span of their own.
        while (run.end < text.chars.size() && IsBlank(text.chars[run.end]))
            ++run.end;
        const qsizetype start = positions[run.first];
        const double length = double(positions[run.end] - start);
        const auto stopAt = [&](size_t s) {
            const Sample& sample = samples[s];
            const double centre =
                double(sample.position - start) + CharPositions(text.chars[sample.index].ch) / 2.0;
            run.stops.push_back({100.0 * centre / length, sample.color});
        };
        stopAt(firstSample);
        for (size_t s = i; s <= last; ++s)
            stopAt(stretches[s].second);
        run.fallback = samples[(firstSample + lastSample) / 2].color;
        runs.push_back(std::move(run));
        i = next;
    }
    return runs;
}
