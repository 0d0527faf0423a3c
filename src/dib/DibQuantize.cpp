// Palette building and colour reduction: the 24 -> 8 and 24 -> 4-bit
// quantisers, 8 -> 4 bits and the true-colour palette.
#include "DibQuantize.h"

#include "DibConversions.h"
#include "DibErrors.h"
#include "NearestEntries.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <unordered_map>
#include <vector>

namespace {

// Calls `step` exactly `total` times over a run, spread by the work done.
class StepCounter {
public:
    StepCounter(const std::function<void()>& step, int total) : m_step(step), m_total(total) {}
    void reach(int64_t part, int64_t whole) {
        const int64_t target = whole > 0 ? m_total * part / whole : m_total;
        while (m_done < target) {
            ++m_done;
            if (m_step)
                m_step();
        }
    }
    void finish() { reach(1, 1); }
    // How far the steps have come, in parts of `whole`.
    int64_t done(int64_t whole) const { return m_total > 0 ? m_done * whole / m_total : whole; }

private:
    const std::function<void()>& m_step;
    int64_t m_total;
    int64_t m_done = 0;
};

// A set of pixels of one colour cell: how many and the sums of their channels.
struct ColorPoint {
    int64_t count = 0;
    int64_t sum[3] = {0, 0, 0}; // red, green, blue
    double mean(int c) const { return double(sum[c]) / double(count); }
};

// Channel weights of the variance that picks where a box splits: the Low
// palettes' own, and plain squared error for the High palettes, which are
// judged by it.
constexpr double kLowWeight[3] = {3.0, 4.0, 2.0};
constexpr double kEvenWeight[3] = {1.0, 1.0, 1.0};

struct Box {
    int begin = 0, end = 0;
    double error = 0;   // weighted squared error of the box
    int channel = -1;   // channel to split on, -1 when it cannot split
    double splitAt = 0; // the weighted mean of that channel
};

class Splitter {
public:
    Splitter(std::vector<ColorPoint>& points, const double* weight)
        : m_points(points), m_weight(weight) {
        m_order.resize(points.size());
        for (size_t i = 0; i < points.size(); ++i)
            m_order[i] = int(i);
    }

    Box measure(int begin, int end) const {
        Box box{begin, end};
        double n = 0, s[3] = {0, 0, 0};
        for (int i = begin; i < end; ++i) {
            const ColorPoint& p = m_points[size_t(m_order[size_t(i)])];
            n += double(p.count);
            for (int c = 0; c < 3; ++c)
                s[c] += double(p.sum[c]);
        }
        double mean[3], var[3] = {0, 0, 0};
        for (int c = 0; c < 3; ++c)
            mean[c] = s[c] / n;
        for (int i = begin; i < end; ++i) {
            const ColorPoint& p = m_points[size_t(m_order[size_t(i)])];
            for (int c = 0; c < 3; ++c) {
                const double d = p.mean(c) - mean[c];
                var[c] += double(p.count) * d * d;
            }
        }
        double best = 0;
        for (int c = 0; c < 3; ++c) {
            const double v = m_weight[c] * var[c];
            box.error += v;
            if (v > best) {
                best = v;
                box.channel = c;
                box.splitAt = mean[c];
            }
        }
        if (end - begin < 2)
            box.channel = -1;
        return box;
    }

    // Splits at the mean: values equal to it go to the first part. False when
    // one side would be empty.
    bool split(const Box& box, int& middle) {
        if (box.channel < 0)
            return false;
        auto first = m_order.begin() + box.begin, last = m_order.begin() + box.end;
        auto mid = std::partition(first, last, [&](int i) {
            return m_points[size_t(i)].mean(box.channel) <= box.splitAt;
        });
        middle = int(mid - m_order.begin());
        return middle > box.begin && middle < box.end;
    }

    // Halves every box `depth` times.
    void splitLevels(int begin, int end, int depth, std::vector<Box>& boxes) {
        Box box = measure(begin, end);
        int middle;
        if (depth == 0 || !split(box, middle)) {
            boxes.push_back(box);
            return;
        }
        splitLevels(begin, middle, depth - 1, boxes);
        splitLevels(middle, end, depth - 1, boxes);
    }

    // Splits the box of the largest error (or the most pixels) until `count` boxes.
    void splitGreedy(int count, bool byPixels, std::vector<Box>& boxes) {
        boxes.push_back(measure(0, int(m_order.size())));
        while (int(boxes.size()) < count) {
            int pick = -1;
            double best = 0;
            for (size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].channel < 0)
                    continue;
                const double key = byPixels ? pixels(boxes[i]) : boxes[i].error;
                if (key > best) {
                    best = key;
                    pick = int(i);
                }
            }
            int middle;
            if (pick < 0)
                break;
            const Box box = boxes[size_t(pick)];
            if (!split(box, middle)) {
                boxes[size_t(pick)].channel = -1;
                continue;
            }
            boxes[size_t(pick)] = measure(box.begin, middle);
            boxes.push_back(measure(middle, box.end));
        }
    }

    RgbQuad meanColor(const Box& box) const {
        int64_t n = 0, s[3] = {0, 0, 0};
        for (int i = box.begin; i < box.end; ++i) {
            const ColorPoint& p = m_points[size_t(m_order[size_t(i)])];
            n += p.count;
            for (int c = 0; c < 3; ++c)
                s[c] += p.sum[c];
        }
        auto avg = [&](int c) { return uint8_t((s[c] + n / 2) / n); };
        return RgbQuad{avg(2), avg(1), avg(0), 0};
    }

private:
    double pixels(const Box& box) const {
        double n = 0;
        for (int i = box.begin; i < box.end; ++i)
            n += double(m_points[size_t(m_order[size_t(i)])].count);
        return n;
    }

    std::vector<ColorPoint>& m_points;
    const double* m_weight;
    std::vector<int> m_order;
};

int Nearest(const ColorTable& table, int count, double r, double g, double b) {
    int best = 0;
    double bestDistance = 1e30;
    for (int i = 0; i < count; ++i) {
        const double dr = table[size_t(i)].rgbRed - r, dg = table[size_t(i)].rgbGreen - g,
                     db = table[size_t(i)].rgbBlue - b;
        const double d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

using Rgb = NearestEntries::Rgb;

inline float Distance(const float* a, const Rgb& b) {
    const float d0 = a[0] - b[0], d1 = a[1] - b[1], d2 = a[2] - b[2];
    return d0 * d0 + d1 * d1 + d2 * d2;
}

inline uint32_t RoundedKey(const Rgb& c) {
    auto q = [](float v) { return uint32_t(std::lround(std::clamp(v, 0.0f, 255.0f))); };
    return (q(c[0]) << 16) | (q(c[1]) << 8) | q(c[2]);
}

// The mean colours of points, the positions that the refinement measures.
std::vector<Rgb> MeansOf(const std::vector<ColorPoint>& points) {
    std::vector<Rgb> at(points.size());
    for (size_t i = 0; i < points.size(); ++i)
        for (int c = 0; c < 3; ++c)
            at[i][size_t(c)] = float(points[i].mean(c));
    return at;
}

// The High palettes' first split: boxes of points are cut greedily, each time
// by the cut, across all channels and all 256 levels, that lowers the squared
// error the most (with `byPixels`, the box of most pixels is cut instead).
class BestCutSplitter {
public:
    explicit BestCutSplitter(const std::vector<ColorPoint>& points) {
        m_points.reserve(points.size());
        for (const ColorPoint& p : points) {
            Point q{{double(p.count), double(p.sum[0]), double(p.sum[1]), double(p.sum[2])}, {}};
            for (int c = 0; c < 3; ++c)
                q.level[c] = uint8_t(std::clamp(int(p.mean(c)), 0, 255));
            m_points.push_back(q);
        }
    }

    // The means of up to `count` boxes.
    std::vector<Rgb> split(int count, bool byPixels) {
        std::vector<Cut> boxes{measure(0, int(m_points.size()))};
        while (int(boxes.size()) < count) {
            int pick = -1;
            double best = 0;
            for (size_t i = 0; i < boxes.size(); ++i) {
                if (boxes[i].channel < 0)
                    continue;
                const double key = byPixels ? boxes[i].pixels : boxes[i].gain;
                if (key > best) {
                    best = key;
                    pick = int(i);
                }
            }
            if (pick < 0)
                break;
            const Cut box = boxes[size_t(pick)];
            const auto middle =
                std::partition(m_points.begin() + box.begin, m_points.begin() + box.end,
                               [&](const Point& p) { return p.level[box.channel] <= box.level; });
            const int m = int(middle - m_points.begin());
            boxes[size_t(pick)] = measure(box.begin, m);
            boxes.push_back(measure(m, box.end));
        }
        std::vector<Rgb> entries;
        for (const Cut& box : boxes) {
            int64_t sum[4] = {0, 0, 0, 0};
            for (int i = box.begin; i < box.end; ++i)
                for (int k = 0; k < 4; ++k)
                    sum[k] += int64_t(m_points[size_t(i)].v[k]);
            const int64_t n = sum[0];
            Rgb e;
            for (int c = 0; c < 3; ++c)
                e[size_t(c)] = float((sum[c + 1] + n / 2) / n);
            entries.push_back(e);
        }
        return entries;
    }

private:
    // Pixels and channel sums (exact below 2^53), four in a row so that
    // they add as vectors.
    struct Sums {
        alignas(16) double v[4] = {0, 0, 0, 0};
        void add(const double* __restrict w) {
            double* __restrict to = v;
            for (int k = 0; k < 4; ++k)
                to[k] += w[k];
        }
    };
    struct Point {
        alignas(16) double v[4];
        uint8_t level[3];
    };
    struct Cut {
        int begin, end;
        double pixels = 0;
        double gain = 0;  // how much the best cut lowers the squared error
        int channel = -1; // -1: the box cannot be cut
        int level = 0;    // levels up to this one go to the first part
    };

    static double Square(const Sums& b) {
        return (b.v[1] * b.v[1] + b.v[2] * b.v[2] + b.v[3] * b.v[3]) / b.v[0];
    }

    // One pass fills the level bins of all three channels; only the levels
    // the box spans are read and cleared again.
    Cut measure(int begin, int end) {
        Cut box{begin, end};
        int first[3] = {255, 255, 255}, last[3] = {0, 0, 0};
        Sums all;
        for (int i = begin; i < end; ++i) {
            const Point& p = m_points[size_t(i)];
            all.add(p.v);
            for (int c = 0; c < 3; ++c) {
                const int level = p.level[c];
                first[c] = std::min(first[c], level);
                last[c] = std::max(last[c], level);
                m_bins[size_t(c)][size_t(level)].add(p.v);
            }
        }
        box.pixels = all.v[0];
        const double whole = end > begin ? Square(all) : 0;
        for (int c = 0; c < 3; ++c) {
            std::array<Sums, 256>& bins = m_bins[size_t(c)];
            Sums left;
            for (int cut = first[c]; cut < last[c] && end - begin >= 2; ++cut) {
                left.add(bins[size_t(cut)].v);
                if (left.v[0] == 0)
                    continue;
                Sums right;
                for (int k = 0; k < 4; ++k)
                    right.v[k] = all.v[k] - left.v[k];
                const double gain = Square(left) + Square(right) - whole;
                if (gain > box.gain) {
                    box.gain = gain;
                    box.channel = c;
                    box.level = cut;
                }
            }
            if (first[c] <= last[c])
                std::fill(bins.begin() + first[c], bins.begin() + last[c] + 1, Sums{});
        }
        return box;
    }

    std::vector<Point> m_points;
    std::array<std::array<Sums, 256>, 3> m_bins{};
};

// Lloyd's method over weighted points at `at`: each entry moves to the
// weighted mean of the points nearest to it. An entry left without points, or
// equal to another once rounded, moves to the point of largest error that no
// entry holds yet. Stops early once no entry moves by `settled` or more.
void Refine(const std::vector<ColorPoint>& points, const std::vector<Rgb>& at,
            std::vector<Rgb>& entries, int rounds, float settled,
            const std::function<void(int)>& roundDone) {
    const size_t n = entries.size();
    NearestEntries nearest;
    struct Sum {
        double count = 0, s[3] = {0, 0, 0};
        void add(double w, const Rgb& c) {
            count += w;
            for (int k = 0; k < 3; ++k)
                s[k] += w * double(c[size_t(k)]);
        }
    };
    // Per point its entry and bounds of the distances to it and to the
    // second-nearest entry: a point whose bounds still separate after the
    // entries moved keeps its entry without a search. The entries' sums
    // change only by the points that change entry.
    std::vector<int> owner(points.size(), 0);
    std::vector<float> upper(points.size(), 0), lower(points.size(), 0), shift(n, 0);
    std::vector<Sum> sums(n);
    bool fresh = true;
    float maxShift = 0;
    for (int round = 0; round < rounds; ++round) {
        nearest.assign(entries);
        if (fresh)
            sums.assign(n, Sum{});
        for (size_t i = 0; i < points.size(); ++i) {
            const int e = owner[i];
            if (!fresh) {
                upper[i] += shift[size_t(e)];
                lower[i] -= maxShift;
                const float bound = std::max(lower[i], nearest.halfGap(e));
                if (upper[i] < bound)
                    continue;
                upper[i] = std::sqrt(Distance(at[i].data(), entries[size_t(e)]));
                if (upper[i] < bound)
                    continue;
            }
            float d1, d2;
            const int found = nearest.nearest(at[i].data(), d1, d2);
            upper[i] = std::sqrt(d1);
            lower[i] = std::sqrt(d2);
            if (!fresh && found == e)
                continue;
            const double w = double(points[i].count);
            if (!fresh)
                sums[size_t(e)].add(-w, at[i]);
            sums[size_t(found)].add(w, at[i]);
            owner[i] = found;
        }
        float moved = 0;
        std::fill(shift.begin(), shift.end(), 0.0f);
        std::vector<size_t> lost;
        for (size_t e = 0; e < n; ++e) {
            if (sums[e].count <= 0) {
                lost.push_back(e);
                continue;
            }
            Rgb mean;
            for (int c = 0; c < 3; ++c)
                mean[size_t(c)] = float(sums[e].s[c] / sums[e].count);
            shift[e] = std::sqrt(Distance(mean.data(), entries[e]));
            moved = std::max(moved, shift[e]);
            entries[e] = mean;
        }
        std::vector<uint32_t> keys;
        for (size_t e = 0; e < n; ++e) {
            const uint32_t key = RoundedKey(entries[e]);
            if (std::find(keys.begin(), keys.end(), key) != keys.end()) {
                if (std::find(lost.begin(), lost.end(), e) == lost.end())
                    lost.push_back(e);
            } else if (sums[e].count > 0) {
                keys.push_back(key);
            }
        }
        if (!lost.empty()) {
            std::vector<double> error(points.size());
            for (size_t i = 0; i < points.size(); ++i)
                error[i] = double(points[i].count) * double(upper[i]) * double(upper[i]);
            std::vector<size_t> order(points.size());
            for (size_t i = 0; i < order.size(); ++i)
                order[i] = i;
            std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
                return error[a] > error[b] || (error[a] == error[b] && a < b);
            });
            size_t next = 0;
            for (size_t e : lost) {
                while (next < order.size() && std::find(keys.begin(), keys.end(),
                                                        RoundedKey(at[order[next]])) != keys.end())
                    ++next;
                if (next == order.size())
                    break;
                entries[e] = at[order[next]];
                keys.push_back(RoundedKey(entries[e]));
                ++next;
            }
            moved = std::numeric_limits<float>::max();
        }
        fresh = !lost.empty();
        maxShift = *std::max_element(shift.begin(), shift.end());
        if (roundDone)
            roundDone(round);
        if (moved < settled)
            break;
    }
}

// The weighted squared error of points mapped to their nearest entries.
double SquaredError(const std::vector<ColorPoint>& points, const std::vector<Rgb>& at,
                    const std::vector<Rgb>& entries) {
    NearestEntries nearest;
    nearest.assign(entries);
    double sum = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        float d1, d2;
        nearest.nearest(at[i].data(), d1, d2);
        sum += double(points[i].count) * double(d1);
    }
    return sum;
}

// Lloyd's method keeps an entry where it serves little while points far
// from every entry weigh much: moves the entry whose loss costs least to the
// point of largest error and settles again, while that lowers the error.
// Finds the second-nearest entries by trying all: for few entries.
void Relocate(const std::vector<ColorPoint>& points, const std::vector<Rgb>& at,
              std::vector<Rgb>& entries, int tries, int rounds) {
    const size_t n = entries.size();
    double error = SquaredError(points, at, entries);
    std::vector<double> cost(n);
    for (int t = 0; t < tries && n > 1; ++t) {
        std::fill(cost.begin(), cost.end(), 0.0);
        double worst = -1;
        size_t far = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            float d1 = std::numeric_limits<float>::max(), d2 = d1;
            size_t e1 = 0;
            for (size_t e = 0; e < n; ++e) {
                const float d = Distance(at[i].data(), entries[e]);
                if (d < d1) {
                    d2 = d1;
                    d1 = d;
                    e1 = e;
                } else if (d < d2) {
                    d2 = d;
                }
            }
            const double w = double(points[i].count);
            cost[e1] += w * double(d2 - d1);
            if (w * double(d1) > worst) {
                worst = w * double(d1);
                far = i;
            }
        }
        std::vector<Rgb> trial = entries;
        trial[size_t(std::min_element(cost.begin(), cost.end()) - cost.begin())] = at[far];
        Refine(points, at, trial, rounds, 0.01f, {});
        const double trialError = SquaredError(points, at, trial);
        if (!(trialError < error))
            break;
        entries = trial;
        error = trialError;
    }
}

// The starting palette of a second refinement: boxes split at the mean of
// their widest channel.
std::vector<Rgb> MeanSplitPalette(std::vector<ColorPoint> points, int maxColors, int divideId) {
    Splitter splitter(points, kEvenWeight);
    std::vector<Box> boxes;
    splitter.splitGreedy(maxColors, divideId == 1, boxes);
    std::vector<Rgb> entries;
    for (const Box& box : boxes) {
        const RgbQuad q = splitter.meanColor(box);
        entries.push_back(Rgb{float(q.rgbRed), float(q.rgbGreen), float(q.rgbBlue)});
    }
    return entries;
}

// Builds the palette of a point set into `table`; returns the number of entries.
// Low: the recursive split at the weighted mean, down to as many levels as the
// palette holds. High: a greedy split refined by Lloyd's method.
int PaletteOfPoints(std::vector<ColorPoint>& points, bool high, int maxColors, int divideId,
                    const char* routine, ColorTable& table) {
    if (high && divideId != 0 && divideId != 1)
        throw EVmDIBAssert(std::string(routine) + ": Invalid DivideID");
    points.erase(std::remove_if(points.begin(), points.end(),
                                [](const ColorPoint& p) { return p.count == 0; }),
                 points.end());
    if (points.empty()) {
        table[0] = RgbQuad{};
        return 1;
    }
    if (high) {
        std::vector<Rgb> entries = BestCutSplitter(points).split(maxColors, divideId == 1);
        Refine(points, MeansOf(points), entries, 12, 0.01f, {});
        for (size_t i = 0; i < entries.size(); ++i) {
            const uint32_t k = RoundedKey(entries[i]);
            table[i] = RgbQuad{uint8_t(k), uint8_t(k >> 8), uint8_t(k >> 16), 0};
        }
        return int(entries.size());
    }
    Splitter splitter(points, kLowWeight);
    std::vector<Box> boxes;
    int depth = 0;
    while ((1 << depth) < maxColors)
        ++depth;
    splitter.splitLevels(0, int(points.size()), depth, boxes);
    const int n = int(boxes.size());
    for (int i = 0; i < n; ++i)
        table[size_t(i)] = splitter.meanColor(boxes[size_t(i)]);
    return n;
}

// A small open-addressing set of up to `limit` distinct 24-bit colours.
class ColorSet {
public:
    explicit ColorSet(int limit) : m_limit(limit), m_keys(4096, kEmpty), m_index(4096, 0) {}
    // False once more than `limit` colours were seen.
    bool add(uint32_t key) {
        size_t h = slot(key);
        if (m_keys[h] == key)
            return true;
        if (m_keys[h] != kEmpty)
            return true; // unreachable: slot() stops at the key or an empty slot
        if (int(m_colors.size()) >= m_limit)
            return false;
        m_keys[h] = key;
        m_index[h] = uint8_t(m_colors.size());
        m_colors.push_back(key);
        return true;
    }
    int indexOf(uint32_t key) const { return m_index[slot(key)]; }
    const std::vector<uint32_t>& colors() const { return m_colors; }
    // Orders the entries by colour value so that palettes do not depend on pixel order.
    void sort() {
        std::sort(m_colors.begin(), m_colors.end());
        for (size_t i = 0; i < m_colors.size(); ++i)
            m_index[slot(m_colors[i])] = uint8_t(i);
    }

private:
    static constexpr uint32_t kEmpty = 0xFFFFFFFFu;
    size_t slot(uint32_t key) const {
        size_t h = (key * 2654435761u) >> 20;
        while (m_keys[h] != key && m_keys[h] != kEmpty)
            h = (h + 1) & 4095;
        return h;
    }
    int m_limit;
    std::vector<uint32_t> m_keys;
    std::vector<uint8_t> m_index;
    std::vector<uint32_t> m_colors;
};

inline uint32_t PixelKey(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

// Collects the picture's colours while there are no more than the set holds.
bool ExactColors(const DibContent& source, ColorSet& set) {
    const int32_t w = source.width(), h = source.absHeight();
    uint32_t last = 0xFFFFFFFFu;
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* p = source.row(y);
        for (int32_t x = 0; x < w; ++x, p += 3) {
            const uint32_t key = PixelKey(p);
            if (key == last)
                continue;
            last = key;
            if (!set.add(key))
                return false;
        }
    }
    return true;
}

constexpr int kCells = 32 * 64 * 32;
inline int CellOf(const uint8_t* p) { // p: blue, green, red
    return ((p[2] >> 3) << 11) | ((p[1] >> 2) << 5) | (p[0] >> 3);
}

// The 32 x 64 x 32 histogram: per cell the pixel count and the exact channel sums.
std::vector<ColorPoint> Histogram(const DibContent& source, StepCounter& counter,
                                  int64_t stepsWhole) {
    std::vector<ColorPoint> cells(kCells);
    const int32_t w = source.width(), h = source.absHeight();
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* p = source.row(y);
        for (int32_t x = 0; x < w; ++x, p += 3) {
            ColorPoint& c = cells[size_t(CellOf(p))];
            ++c.count;
            c.sum[0] += p[2];
            c.sum[1] += p[1];
            c.sum[2] += p[0];
        }
        counter.reach(y + 1, stepsWhole);
    }
    return cells;
}

void Require24(const DibContent& source, const char* routine) {
    if (source.header.biBitCount != 24 || source.header.biCompression != BI_RGB)
        throw EVmDIBBadDIBType(std::string(routine) + ": Invalid Bitcount");
}

// The fine histogram of the High palettes: the picture's cells of a
// 64 x 64 x 64 cut of the colour cube, each with its pixel count and exact
// channel sums. A table of all cells numbers the ones met; its zero pages
// come lazily from calloc, and as the cells are numbered in Morton order
// (the levels' bits interleaved) near colours share pages, so that a
// photograph touches few of them. The table also serves the mapping.
constexpr int kFineCells = 64 * 64 * 64;

// A channel's six high bits spread three apart, from bit `shift` up.
constexpr std::array<uint32_t, 256> SpreadLevels(int shift) {
    std::array<uint32_t, 256> spread{};
    for (int v = 0; v < 256; ++v)
        for (int bit = 0; bit < 6; ++bit)
            spread[size_t(v)] |= uint32_t((v >> (2 + bit)) & 1) << (3 * bit + shift);
    return spread;
}
constexpr std::array<uint32_t, 256> kSpreadRed = SpreadLevels(2);
constexpr std::array<uint32_t, 256> kSpreadGreen = SpreadLevels(1);
constexpr std::array<uint32_t, 256> kSpreadBlue = SpreadLevels(0);

inline int FineCellOf(const uint8_t* p) { // p: blue, green, red
    return int(kSpreadRed[p[2]] | kSpreadGreen[p[1]] | kSpreadBlue[p[0]]);
}

// Which of the 64 colours of its fine cell pixel `p` (blue, green, red) is.
inline int ColourInCell(const uint8_t* p) {
    return ((p[2] & 3) << 4) | ((p[1] & 3) << 2) | (p[0] & 3);
}

// std::popcount() calls a library routine on the baseline x86-64.
inline uint32_t BitCount(uint64_t v) {
    v -= (v >> 1) & 0x5555555555555555u;
    v = (v & 0x3333333333333333u) + ((v >> 2) & 0x3333333333333333u);
    v = (v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Fu;
    return uint32_t((v * 0x0101010101010101u) >> 56);
}

// The lowest level of a fine cell in channel 0 (red), 1 (green) or 2 (blue).
inline int FineCellBase(int cell, int channel) {
    int level = 0;
    for (int bit = 0; bit < 6; ++bit)
        level |= ((cell >> (3 * bit + 2 - channel)) & 1) << bit;
    return level << 2;
}

class FineHistogram {
public:
    FineHistogram(const DibContent& source, StepCounter& counter, int64_t stepsWhole)
        : m_table(static_cast<uint32_t*>(std::calloc(kFineCells, sizeof(uint32_t))), std::free) {
        if (!m_table)
            throw std::bad_alloc();
        const int32_t w = source.width(), h = source.absHeight();
        // Room for every cell the picture can meet: only the pages used are
        // ever touched, and no growing copies the cells again.
        const size_t most = size_t(std::min<int64_t>(int64_t(w) * h, kFineCells));
        m_cells.reserve(most);
        m_counts.reserve(most);
        int64_t pending = 0;
        for (int32_t y = 0; y < h; ++y) {
            const uint8_t* p = source.row(y);
            for (int32_t x = 0; x < w;) {
                // The low-bit sums fit 32 bits up to 2^30 pixels.
                if (pending == kFold) {
                    fold();
                    pending = 0;
                }
                const int32_t end = int32_t(std::min<int64_t>(w, x + kFold - pending));
                pending += end - x;
                for (; x < end; ++x, p += 3) {
                    uint32_t& number = m_table.get()[FineCellOf(p)];
                    if (number == 0) {
                        m_cells.push_back(uint32_t(FineCellOf(p)));
                        m_counts.push_back({});
                        number = uint32_t(m_cells.size());
                    }
                    Count& c = m_counts[number - 1];
                    ++c.pixels;
                    c.seen |= uint64_t(1) << ColourInCell(p);
                    c.low[0] += p[2] & 3;
                    c.low[1] += p[1] & 3;
                    c.low[2] += p[0] & 3;
                }
            }
            counter.reach(y + 1, stepsWhole);
        }
        fold();
    }

    // The cells met, in the order the scan first met them: the same for the
    // same picture.
    const std::vector<ColorPoint>& points() const { return m_points; }
    // The number of the point of pixel `p` (blue, green, red) of the picture.
    int pointOf(const uint8_t* p) const { return int(m_table.get()[FineCellOf(p)]) - 1; }
    int cellOf(int point) const { return int(m_cells[size_t(point)]); }

    // How many distinct colours the picture has.
    int64_t colours() const {
        int64_t n = 0;
        for (const Count& c : m_counts)
            n += BitCount(c.seen);
        return n;
    }

    // The picture's distinct colours, each a point of its pixels, in the
    // order of their cells and by value within a cell: a second pass counts
    // them, each pixel's place found from the colours its cell has.
    std::vector<ColorPoint> distinctColours(const DibContent& source) const {
        std::vector<uint32_t> first(m_counts.size());
        uint32_t n = 0;
        for (size_t i = 0; i < m_counts.size(); ++i) {
            first[i] = n;
            n += uint32_t(BitCount(m_counts[i].seen));
        }
        std::vector<int64_t> pixels(n, 0);
        const int32_t w = source.width(), h = source.absHeight();
        for (int32_t y = 0; y < h && w > 0; ++y) {
            const uint8_t* p = source.row(y);
            // Runs of one colour are common where colours are few.
            uint32_t last = PixelKey(p), place = placeOf(first, p);
            int64_t run = 0;
            for (int32_t x = 0; x < w; ++x, p += 3) {
                const uint32_t key = PixelKey(p);
                if (key != last) {
                    pixels[place] += run;
                    run = 0;
                    last = key;
                    place = placeOf(first, p);
                }
                ++run;
            }
            pixels[place] += run;
        }
        std::vector<ColorPoint> points;
        points.reserve(n);
        for (size_t i = 0; i < m_counts.size(); ++i) {
            const int cell = int(m_cells[i]);
            for (uint64_t seen = m_counts[i].seen; seen; seen &= seen - 1) {
                const int colour = std::countr_zero(seen);
                const int64_t count = pixels[points.size()];
                ColorPoint point{count, {}};
                for (int c = 0; c < 3; ++c)
                    point.sum[c] = count * (FineCellBase(cell, c) + ((colour >> (4 - 2 * c)) & 3));
                points.push_back(point);
            }
        }
        return points;
    }

    // Where the colour of pixel `p` comes among the cells' colours.
    uint32_t placeOf(const std::vector<uint32_t>& first, const uint8_t* p) const {
        const size_t point = size_t(pointOf(p));
        return first[point] +
               BitCount(m_counts[point].seen & ((uint64_t(1) << ColourInCell(p)) - 1));
    }

    // Puts a value for each point into the table in place of its number,
    // for a last pass that then reads one table instead of two.
    void relabel(const std::vector<int>& values) {
        for (size_t i = 0; i < values.size(); ++i)
            m_table.get()[m_cells[i]] = uint32_t(values[i]);
    }
    int valueOf(const uint8_t* p) const { return int(m_table.get()[FineCellOf(p)]); }

private:
    static constexpr int64_t kFold = int64_t(1) << 30;
    struct Count {
        uint32_t pixels;
        uint32_t low[3]; // red, green, blue
        uint64_t seen;   // the colours of the cell met, bit ColourInCell()
    };

    void fold() {
        m_points.resize(m_counts.size());
        for (size_t i = 0; i < m_counts.size(); ++i) {
            Count& c = m_counts[i];
            ColorPoint& point = m_points[i];
            point.count += c.pixels;
            for (int k = 0; k < 3; ++k)
                point.sum[k] += int64_t(c.pixels) * FineCellBase(int(m_cells[i]), k) + c.low[k];
            c.pixels = 0;
            c.low[0] = c.low[1] = c.low[2] = 0;
        }
    }

    std::unique_ptr<uint32_t, void (*)(void*)> m_table; // per cell: 0 not met, else its number + 1
    std::vector<uint32_t> m_cells;                      // per point: its cell
    std::vector<Count> m_counts;
    std::vector<ColorPoint> m_points;
};

inline void PutIndex(uint8_t* row, int32_t x, int index, int bits) {
    if (bits == 8)
        row[x] = uint8_t(index);
    else
        row[x >> 1] |= uint8_t((x & 1) ? index : index << 4);
}

inline RgbQuad QuadOf(uint32_t key) { // key: 0xRRGGBB
    return RgbQuad{uint8_t(key), uint8_t(key >> 8), uint8_t(key >> 16), 0};
}

// The nearest entry of each pixel of a palette of whole-number colours,
// found cell by cell: every cell of the histogram keeps the entries that can
// be nearest to one of its 64 colours, which is mostly one.
class CellMapper {
public:
    CellMapper(const FineHistogram& histogram, const std::vector<Rgb>& palette)
        : m_histogram(histogram) {
        NearestEntries nearest;
        nearest.assign(palette);
        for (const Rgb& e : palette)
            m_colours.push_back({int(e[0]), int(e[1]), int(e[2])});
        const int points = int(histogram.points().size());
        m_entry.resize(size_t(points));
        std::vector<int> found;
        for (int i = 0; i < points; ++i) {
            const int cell = histogram.cellOf(i);
            const float centre[3] = {float(FineCellBase(cell, 0)) + 1.5f,
                                     float(FineCellBase(cell, 1)) + 1.5f,
                                     float(FineCellBase(cell, 2)) + 1.5f};
            float d1, d2;
            const int e = nearest.nearest(centre, d1, d2);
            // Clear of every other entry by more than twice the reach.
            const float margin = std::sqrt(d1) + 2 * kReach + 0.01f;
            if (d2 > margin * margin) {
                m_entry[size_t(i)] = e;
                continue;
            }
            found.clear();
            nearest.rivals(centre, e, 1.5f, found);
            if (found.empty()) {
                m_entry[size_t(i)] = e;
                continue;
            }
            found.insert(std::lower_bound(found.begin(), found.end(), e), e);
            m_entry[size_t(i)] = -1 - int(m_listStart.size());
            m_listStart.push_back(int(m_lists.size()));
            m_lists.push_back(uint16_t(found.size()));
            for (int f : found)
                m_lists.push_back(uint16_t(f));
        }
    }

    // The entry nearest to pixel `p` (blue, green, red), the first of
    // equals, and its squared distance.
    int find(const uint8_t* p, int& distance) const {
        const int e = m_entry[size_t(m_histogram.pointOf(p))];
        if (e >= 0) {
            distance = squared(e, p);
            return e;
        }
        return search(e, p, &distance);
    }

    // The last use: the histogram's table takes each cell's entry or list,
    // and map() finds a pixel's entry through it alone, without distance. It
    // remembers, for a cell of several entries, the entry of each of its 64
    // colours once searched: a photograph has many pixels of each colour.
    void relabel(FineHistogram& histogram) {
        histogram.relabel(m_entry);
        m_known.assign(m_listStart.size(), 0);
        m_remembered.resize(m_listStart.size() * 64);
    }
    int map(const FineHistogram& relabelled, const uint8_t* p) {
        const int e = relabelled.valueOf(p);
        if (e >= 0)
            return e;
        const size_t cell = size_t(-1 - e);
        const int colour = ColourInCell(p);
        uint8_t& entry = m_remembered[cell * 64 + size_t(colour)];
        if (!(m_known[cell] >> colour & 1)) {
            entry = uint8_t(search(e, p, nullptr));
            m_known[cell] |= uint64_t(1) << colour;
        }
        return entry;
    }

private:
    // Every colour of a cell lies within this distance of its centre.
    static constexpr float kReach = 1.5f * 1.7320508f;

    int squared(int e, const uint8_t* p) const {
        const std::array<int, 3>& c = m_colours[size_t(e)];
        const int dr = c[0] - p[2], dg = c[1] - p[1], db = c[2] - p[0];
        return dr * dr + dg * dg + db * db;
    }

    int search(int code, const uint8_t* p, int* distance) const {
        const uint16_t* k = m_lists.data() + m_listStart[size_t(-1 - code)];
        const int count = *k++;
        int best = k[0], bestDistance = squared(k[0], p);
        for (int j = 1; j < count; ++j) {
            const int d = squared(k[j], p);
            if (d < bestDistance) {
                bestDistance = d;
                best = k[j];
            }
        }
        if (distance)
            *distance = bestDistance;
        return best;
    }

    const FineHistogram& m_histogram;
    std::vector<std::array<int, 3>> m_colours;
    std::vector<int> m_entry;          // per point: its one entry, or -1 - its list's number
    std::vector<int> m_listStart;      // per list: where it starts in m_lists
    std::vector<uint16_t> m_lists;     // per point of several: their count, then the entries
    std::vector<uint64_t> m_known;     // per list: the colours whose entry is remembered
    std::vector<uint8_t> m_remembered; // per list: 64 entries, one a colour of the cell
};

// The distinct whole-number colours of `entries`, in their order.
std::vector<Rgb> DistinctColours(const std::vector<Rgb>& entries) {
    std::vector<Rgb> distinct;
    std::vector<uint32_t> keys;
    for (const Rgb& e : entries) {
        const uint32_t key = RoundedKey(e);
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            keys.push_back(key);
            distinct.push_back(Rgb{float(key >> 16), float((key >> 8) & 0xFF), float(key & 0xFF)});
        }
    }
    return distinct;
}

// Adds picture colours of largest error until the palette has `maxColors`
// distinct entries: for pictures whose many colours share few cells.
void FillDistinct(const DibContent& source, const FineHistogram& histogram, int maxColors,
                  std::vector<Rgb>& entries) {
    entries = DistinctColours(entries);
    if (int(entries.size()) >= maxColors)
        return;
    const CellMapper mapper(histogram, entries);
    std::unordered_map<uint32_t, int> missing;
    const int32_t w = source.width(), h = source.absHeight();
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* p = source.row(y);
        for (int32_t x = 0; x < w; ++x, p += 3) {
            int d;
            mapper.find(p, d);
            if (d > 0)
                missing.emplace(PixelKey(p), d);
        }
    }
    std::vector<std::pair<int, uint32_t>> order;
    for (const auto& [key, d] : missing)
        order.emplace_back(d, key);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
    for (size_t i = 0; i < order.size() && int(entries.size()) < maxColors; ++i) {
        const uint32_t k = order[i].second; // 0xRRGGBB
        entries.push_back(Rgb{float((k >> 16) & 0xFF), float((k >> 8) & 0xFF), float(k & 0xFF)});
    }
}

// The points merged into the cells of a coarser cut, 2^bits levels a
// channel, in the order their cells were first met.
std::vector<ColorPoint> MergedPoints(const std::vector<ColorPoint>& points, int bits) {
    const int side = 1 << bits;
    std::vector<ColorPoint> cells(size_t(side) * side * side);
    std::vector<int> met;
    for (const ColorPoint& p : points) {
        int cell = 0;
        for (int c = 0; c < 3; ++c)
            cell = cell * side + (std::clamp(int(p.mean(c)), 0, 255) >> (8 - bits));
        ColorPoint& merged = cells[size_t(cell)];
        if (merged.count == 0)
            met.push_back(cell);
        merged.count += p.count;
        for (int c = 0; c < 3; ++c)
            merged.sum[c] += p.sum[c];
    }
    std::vector<ColorPoint> merged;
    merged.reserve(met.size());
    for (int cell : met)
        merged.push_back(cells[size_t(cell)]);
    return merged;
}

// Up to this many distinct colours the High palettes are built on the
// colours themselves rather than on the means of the fine cells: renders,
// screenshots and graded pictures have several colours in a cell, and its
// mean then misleads the refinement. That work grows with the colours, the
// rest with the pixels: a picture of fewer than kFewPixels pixels a colour,
// a small photograph, keeps the cells. Rounds on so few points are cheap:
// those of 256 entries up to a budget of points times rounds.
constexpr int64_t kFewColours = 65536;
constexpr int64_t kFewPixels = 8;
constexpr int kFewRounds = 12;
constexpr size_t kFewBudget = 262144;

// The High palette of a picture of more than `maxColors` colours: a greedy
// split of the fine histogram, or of the picture's colours when they are
// few, refined by Lloyd's method, with distinct entries. Steps run to `done`
// of `whole`.
std::vector<Rgb> HighPalette(const DibContent& source, const FineHistogram& histogram,
                             int maxColors, int divideId, StepCounter& counter, int64_t done,
                             int64_t whole) {
    const int64_t colours = histogram.colours();
    const bool few = colours <= kFewColours &&
                     colours * kFewPixels <= int64_t(source.width()) * source.absHeight();
    // Where every cell holds one colour, the cells are the colours already.
    const std::vector<ColorPoint> distinct = few && colours > int64_t(histogram.points().size())
                                                 ? histogram.distinctColours(source)
                                                 : std::vector<ColorPoint>{};
    const std::vector<ColorPoint>& points = distinct.empty() ? histogram.points() : distinct;
    const std::vector<Rgb> at = MeansOf(points);
    const int fewRounds =
        int(std::clamp<size_t>(kFewBudget / std::max<size_t>(points.size(), 1), 4, kFewRounds));
    std::vector<Rgb> entries;
    int rounds;
    if (maxColors > 16) {
        // Past four rounds 256 entries gain a few hundredths of a dB on
        // photographs.
        entries = BestCutSplitter(points).split(maxColors, divideId == 1);
        rounds = few ? fewRounds : 4;
    } else {
        // Sixteen entries take many rounds to settle and fall into poorer
        // local optima: two starts settle on the points merged into
        // 16 x 16 x 16 cells, where rounds are cheap, and the better one is
        // refined on the fine points (or the colours).
        const std::vector<ColorPoint> coarse = MergedPoints(points, 4);
        const std::vector<Rgb> coarseAt = MeansOf(coarse);
        double error = 0;
        for (int start = 0; start < 2; ++start) {
            std::vector<Rgb> trial = start == 0
                                         ? BestCutSplitter(coarse).split(maxColors, divideId == 1)
                                         : MeanSplitPalette(coarse, maxColors, divideId);
            Refine(coarse, coarseAt, trial, 40, 0.01f, {});
            const double trialError = SquaredError(coarse, coarseAt, trial);
            if (start == 0 || trialError < error) {
                entries = trial;
                error = trialError;
            }
        }
        rounds = few ? kFewRounds : 10;
    }
    const int64_t from = counter.done(whole);
    Refine(points, at, entries, rounds, 0.01f, [&](int round) {
        counter.reach(from + int64_t(round + 1) * (done - from) / rounds, whole);
    });
    if (few && maxColors <= 16)
        Relocate(points, at, entries, 8, kFewRounds);
    FillDistinct(source, histogram, maxColors, entries);
    counter.reach(done, whole);
    return entries;
}

// High quality 24 bits to 8 or 4 bits: the picture's own colours when they
// fit, else the refined palette with every pixel mapped to its nearest entry.
DibContent QuantizeHigh(const DibContent& source, int bits, int divideId,
                        const std::function<void()>& step) {
    const int maxColors = 1 << bits;
    StepCounter counter(step, maxColors);
    const int32_t w = source.width(), h = source.absHeight();

    ColorSet exact(maxColors);
    if (ExactColors(source, exact)) {
        exact.sort();
        const int n = int(exact.colors().size());
        DibContent out = MakeDibContent(w, source.header.biHeight, bits, uint32_t(std::max(n, 1)));
        for (int i = 0; i < n; ++i) {
            const uint32_t k = exact.colors()[size_t(i)];
            out.colors[size_t(i)] = RgbQuad{uint8_t(k), uint8_t(k >> 8), uint8_t(k >> 16), 0};
        }
        for (int32_t y = 0; y < h; ++y) {
            const uint8_t* p = source.row(y);
            uint8_t* d = out.row(y);
            for (int32_t x = 0; x < w; ++x, p += 3)
                PutIndex(d, x, exact.indexOf(PixelKey(p)), bits);
            counter.reach(y + 1, h);
        }
        counter.finish();
        return out;
    }

    const int64_t whole = 3 * int64_t(h);
    FineHistogram histogram(source, counter, whole);
    // The pixels are mapped to the palette as written: the whole-number colours.
    const std::vector<Rgb> palette = DistinctColours(
        HighPalette(source, histogram, maxColors, divideId, counter, 2 * int64_t(h), whole));
    const int n = int(palette.size());
    DibContent out = MakeDibContent(w, source.header.biHeight, bits, uint32_t(n));
    for (int i = 0; i < n; ++i)
        out.colors[size_t(i)] = QuadOf(RoundedKey(palette[size_t(i)]));
    CellMapper mapper(histogram, palette);
    mapper.relabel(histogram);
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* p = source.row(y);
        uint8_t* d = out.row(y);
        if (bits == 8) {
            for (int32_t x = 0; x < w; ++x, p += 3)
                d[x] = uint8_t(mapper.map(histogram, p));
        } else {
            int32_t x = 0;
            for (; x + 1 < w; x += 2, p += 6)
                d[x >> 1] = uint8_t((mapper.map(histogram, p) << 4) | mapper.map(histogram, p + 3));
            if (x < w)
                d[x >> 1] = uint8_t(mapper.map(histogram, p) << 4);
        }
        counter.reach(2 * int64_t(h) + y + 1, whole);
    }
    counter.finish();
    return out;
}

// Low quality 24 bits to 8 or 4 bits: the histogram split at the weighted
// means; each cell maps to the entry nearest to its mean colour.
DibContent QuantizeLow(const DibContent& source, int bits, const std::function<void()>& step,
                       const char* routine) {
    const int maxColors = 1 << bits;
    StepCounter counter(step, maxColors);
    const int32_t w = source.width(), h = source.absHeight();
    const int64_t whole = 2 * int64_t(h);
    std::vector<ColorPoint> cells = Histogram(source, counter, whole);
    std::vector<int> occupied;
    for (int i = 0; i < kCells; ++i)
        if (cells[size_t(i)].count)
            occupied.push_back(i);
    std::vector<ColorPoint> points = cells;
    ColorTable table{};
    const int n = PaletteOfPoints(points, false, maxColors, 0, routine, table);
    std::vector<uint8_t> cellIndex(kCells, 0);
    for (int i : occupied) {
        const ColorPoint& c = cells[size_t(i)];
        cellIndex[size_t(i)] = uint8_t(Nearest(table, n, c.mean(0), c.mean(1), c.mean(2)));
    }
    DibContent out = MakeDibContent(w, source.header.biHeight, bits, uint32_t(n));
    out.colors = table;
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* p = source.row(y);
        uint8_t* d = out.row(y);
        for (int32_t x = 0; x < w; ++x, p += 3)
            PutIndex(d, x, cellIndex[size_t(CellOf(p))], bits);
        counter.reach(h + y + 1, whole);
    }
    counter.finish();
    return out;
}

} // namespace

int BuildTrueColorPalette(const DibContent& source, bool high, int maxColors, ColorTable& table,
                          const std::function<void()>& step, int steps, int divideId) {
    if (high && divideId != 0 && divideId != 1)
        throw EVmDIBAssert("ConvertTrueColorTo8BitRGBHigh: Invalid DivideID");
    StepCounter counter(step, steps);
    if (high) {
        ColorSet exact(maxColors);
        if (ExactColors(source, exact)) {
            exact.sort();
            const int n = int(exact.colors().size());
            for (int i = 0; i < n; ++i)
                table[size_t(i)] = QuadOf(exact.colors()[size_t(i)] & 0xFFFFFFu);
            counter.finish();
            return std::max(n, 1);
        }
        const int64_t whole = 2 * int64_t(source.absHeight());
        const FineHistogram histogram(source, counter, whole);
        const std::vector<Rgb> entries =
            HighPalette(source, histogram, maxColors, divideId, counter, whole, whole);
        for (size_t i = 0; i < entries.size(); ++i)
            table[i] = QuadOf(RoundedKey(entries[i]));
        counter.finish();
        return int(entries.size());
    }
    std::vector<ColorPoint> points = Histogram(source, counter, source.absHeight());
    const int n = PaletteOfPoints(points, false, maxColors, 0, "CreateTrueColorPalette", table);
    counter.finish();
    return n;
}

DibContent ConvertTrueColorTo8BitRGBLow(const DibContent& source,
                                        const std::function<void()>& step) {
    Require24(source, "ConvertTrueColorTo8BitRGBLow");
    return QuantizeLow(source, 8, step, "ConvertTrueColorTo8BitRGBLow");
}

DibContent ConvertTrueColorTo8BitRGBHigh(const DibContent& source,
                                         const std::function<void()>& step, int divideId) {
    Require24(source, "ConvertTrueColorTo8BitRGBHigh");
    if (divideId != 0 && divideId != 1)
        throw EVmDIBAssert("ConvertTrueColorTo8BitRGBHigh: Invalid DivideID");
    return QuantizeHigh(source, 8, divideId, step);
}

DibContent ConvertTrueColorTo4BitRGBLow(const DibContent& source,
                                        const std::function<void()>& step) {
    Require24(source, "ConvertTrueColorTo4BitRGBLow");
    return QuantizeLow(source, 4, step, "ConvertTrueColorTo4BitRGBLow");
}

DibContent ConvertTrueColorTo4BitRGBHigh(const DibContent& source,
                                         const std::function<void()>& step, int divideId) {
    Require24(source, "ConvertTrueColorTo4BitRGBHigh");
    // The 4-bit routine reports its division setting under the 8-bit routine's name.
    if (divideId != 0 && divideId != 1)
        throw EVmDIBAssert("ConvertTrueColorTo8BitRGBHigh: Invalid DivideID");
    return QuantizeHigh(source, 4, divideId, step);
}
DibContent Convert8BitRGBTo4BitRGB(const DibContent& source, const std::function<void()>& step) {
    if (source.header.biBitCount != 8 || source.header.biCompression != BI_RGB)
        throw EVmDIBBadDIBType("Convert8BitRGBTo4BitRGB: Invalid Bitcount or Compression");
    StepCounter counter(step, 16);
    const int32_t w = source.width(), h = source.absHeight();
    int64_t used[256] = {};
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* p = source.row(y);
        for (int32_t x = 0; x < w; ++x)
            ++used[p[x]];
        counter.reach(y + 1, 2 * int64_t(h));
    }
    // Each used colour of the table is a point weighted by its pixels; equal
    // table entries fall together.
    std::vector<ColorPoint> points;
    std::vector<uint32_t> keys;
    for (int i = 0; i < 256; ++i) {
        if (!used[i])
            continue;
        const RgbQuad& c = source.colors[size_t(i)];
        const uint32_t key =
            uint32_t(c.rgbBlue) | (uint32_t(c.rgbGreen) << 8) | (uint32_t(c.rgbRed) << 16);
        const auto at = std::find(keys.begin(), keys.end(), key);
        if (at == keys.end()) {
            keys.push_back(key);
            points.push_back(ColorPoint{
                used[i], {used[i] * c.rgbRed, used[i] * c.rgbGreen, used[i] * c.rgbBlue}});
        } else {
            ColorPoint& p = points[size_t(at - keys.begin())];
            p.count += used[i];
            p.sum[0] += used[i] * c.rgbRed;
            p.sum[1] += used[i] * c.rgbGreen;
            p.sum[2] += used[i] * c.rgbBlue;
        }
    }
    ColorTable table{};
    int n;
    if (points.size() <= 16) {
        n = std::max(1, int(points.size()));
        for (size_t i = 0; i < points.size(); ++i) {
            const uint32_t k = keys[i];
            table[i] = RgbQuad{uint8_t(k), uint8_t(k >> 8), uint8_t(k >> 16), 0};
        }
    } else {
        n = PaletteOfPoints(points, true, 16, 0, "Convert8BitRGBTo4BitRGB", table);
    }
    uint8_t map[256];
    for (int i = 0; i < 256; ++i) {
        const RgbQuad& c = source.colors[size_t(i)];
        map[i] = uint8_t(Nearest(table, n, c.rgbRed, c.rgbGreen, c.rgbBlue));
    }
    DibContent out = MakeDibContent(w, source.header.biHeight, 4, uint32_t(n));
    out.colors = table;
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* p = source.row(y);
        uint8_t* d = out.row(y);
        for (int32_t x = 0; x < w; ++x)
            PutIndex(d, x, map[p[x]], 4);
        counter.reach(h + y + 1, 2 * int64_t(h));
    }
    counter.finish();
    return out;
}
