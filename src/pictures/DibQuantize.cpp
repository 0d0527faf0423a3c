// Palette building and colour reduction: the 24 -> 8 and 24 -> 4-bit
// quantisers, 8 -> 4 bits and the true-colour palette.
#include "DibQuantize.h"

#include "DibConversions.h"
#include "DibErrors.h"

#include <algorithm>
#include <array>
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
    void reach(qint64 part, qint64 whole) {
        const qint64 target = whole > 0 ? m_total * part / whole : m_total;
        while (m_done < target) {
            ++m_done;
            if (m_step)
                m_step();
        }
    }
    void finish() { reach(1, 1); }

private:
    const std::function<void()>& m_step;
    qint64 m_total;
    qint64 m_done = 0;
};

// A set of pixels of one colour cell: how many and the sums of their channels.
struct ColorPoint {
    qint64 count = 0;
    qint64 sum[3] = {0, 0, 0}; // red, green, blue
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
    // `bestCut`: measure boxes by the best cut of any channel (High) instead
    // of at the mean of the channel of largest weighted variance (Low).
    Splitter(std::vector<ColorPoint>& points, const double* weight, bool bestCut = false)
        : m_points(points), m_weight(weight), m_bestCut(bestCut) {
        m_order.resize(points.size());
        for (size_t i = 0; i < points.size(); ++i)
            m_order[i] = int(i);
    }

    Box measure(int begin, int end) const {
        if (m_bestCut)
            return measureBestCut(begin, end);
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

    // The cut of the box, across all channels and all 256 levels, that lowers
    // the squared error the most; the box's error is that gain, so that greedy
    // splitting takes the most useful cut first.
    Box measureBestCut(int begin, int end) const {
        Box box{begin, end};
        if (end - begin < 2)
            return box;
        struct Bin {
            double n = 0, s[3] = {0, 0, 0};
        };
        std::array<Bin, 256> bins;
        for (int c = 0; c < 3; ++c) {
            // Only the levels between the box's lowest and highest are filled,
            // read and cleared again.
            int first = 255, last = 0;
            Bin all;
            for (int i = begin; i < end; ++i) {
                const ColorPoint& p = m_points[size_t(m_order[size_t(i)])];
                const int level = std::clamp(int(p.mean(c)), 0, 255);
                first = std::min(first, level);
                last = std::max(last, level);
                Bin& b = bins[size_t(level)];
                b.n += double(p.count);
                all.n += double(p.count);
                for (int k = 0; k < 3; ++k) {
                    b.s[k] += double(p.sum[k]);
                    all.s[k] += double(p.sum[k]);
                }
            }
            auto square = [](const Bin& b) {
                return (b.s[0] * b.s[0] + b.s[1] * b.s[1] + b.s[2] * b.s[2]) / b.n;
            };
            const double whole = square(all);
            Bin left;
            for (int cut = first; cut < last; ++cut) {
                const Bin& b = bins[size_t(cut)];
                left.n += b.n;
                for (int k = 0; k < 3; ++k)
                    left.s[k] += b.s[k];
                if (left.n == 0)
                    continue;
                Bin right;
                right.n = all.n - left.n;
                for (int k = 0; k < 3; ++k)
                    right.s[k] = all.s[k] - left.s[k];
                const double gain = square(left) + square(right) - whole;
                if (gain > box.error) {
                    box.error = gain;
                    box.channel = c;
                    box.splitAt = std::nextafter(double(cut + 1), 0.0);
                }
            }
            std::fill(bins.begin() + first, bins.begin() + last + 1, Bin{});
        }
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
        qint64 n = 0, s[3] = {0, 0, 0};
        for (int i = box.begin; i < box.end; ++i) {
            const ColorPoint& p = m_points[size_t(m_order[size_t(i)])];
            n += p.count;
            for (int c = 0; c < 3; ++c)
                s[c] += p.sum[c];
        }
        auto avg = [&](int c) { return quint8((s[c] + n / 2) / n); };
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
    bool m_bestCut;
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

using Rgb = std::array<float, 3>; // red, green, blue

inline float Distance(const float* a, const Rgb& b) {
    const float d0 = a[0] - b[0], d1 = a[1] - b[1], d2 = a[2] - b[2];
    return d0 * d0 + d1 * d1 + d2 * d2;
}

inline quint32 RoundedKey(const Rgb& c) {
    auto q = [](float v) { return quint32(std::lround(std::clamp(v, 0.0f, 255.0f))); };
    return (q(c[0]) << 16) | (q(c[1]) << 8) | q(c[2]);
}

// The nearest palette entry of a colour. The colour cube is cut into boxes; a
// box keeps, once first asked, the entries that can be nearest to some colour
// inside it, ordered by their distance to the box, so that a search reads a
// few entries and stops early.
class NearestMap {
public:
    explicit NearestMap(int shift) : m_shift(shift), m_side(256 >> shift) {}

    void reset(const std::vector<Rgb>& entries) {
        m_entries = entries;
        for (int c = 0; c < 3; ++c) {
            m_channel[size_t(c)].resize(entries.size());
            for (size_t i = 0; i < entries.size(); ++i)
                m_channel[size_t(c)][i] = entries[i][size_t(c)];
        }
        m_start.assign(size_t(m_side) * m_side * m_side, -1);
        m_count.assign(m_start.size(), 0);
        m_beyond.assign(m_start.size(), std::numeric_limits<float>::max());
        m_list.clear();
    }

    // Index of the nearest entry; `distance` gets the squared distance.
    int find(const float* c, float& distance) {
        const int box = (boxOf(c[0]) * m_side + boxOf(c[1])) * m_side + boxOf(c[2]);
        if (m_start[size_t(box)] < 0)
            build(box);
        const Candidate* k = m_list.data() + m_start[size_t(box)];
        const Candidate* end = k + m_count[size_t(box)];
        int best = k->index;
        float bestDistance = std::numeric_limits<float>::max();
        for (; k != end && k->bound < bestDistance; ++k) {
            const float d = Distance(c, m_entries[k->index]);
            if (d < bestDistance) {
                bestDistance = d;
                best = k->index;
            }
        }
        distance = bestDistance;
        return best;
    }

    // As find(), also giving a lower bound of the second-nearest entry's
    // squared distance.
    int find2(const float* c, float& distance, float& second) {
        const int box = (boxOf(c[0]) * m_side + boxOf(c[1])) * m_side + boxOf(c[2]);
        if (m_start[size_t(box)] < 0)
            build(box);
        const Candidate* k = m_list.data() + m_start[size_t(box)];
        const Candidate* end = k + m_count[size_t(box)];
        int best = k->index;
        float d1 = std::numeric_limits<float>::max(), d2 = d1;
        for (; k != end && k->bound < d2; ++k) {
            const float d = Distance(c, m_entries[k->index]);
            if (d < d1) {
                d2 = d1;
                d1 = d;
                best = k->index;
            } else if (d < d2) {
                d2 = d;
            }
        }
        distance = d1;
        second = std::min(d2, m_beyond[size_t(box)]);
        return best;
    }

private:
    struct Candidate {
        float bound; // squared distance from the entry to the box
        int index;
    };

    int boxOf(float v) const { return std::clamp(int(v), 0, 255) >> m_shift; }

    void build(int box) {
        const float size = float(1 << m_shift);
        const float low[3] = {float(box / (m_side * m_side)) * size,
                              float(box / m_side % m_side) * size, float(box % m_side) * size};
        // Channel by channel over flat arrays, so that the compiler can use
        // vector instructions.
        const size_t n = m_entries.size();
        m_near.assign(n, 0.0f);
        m_far.assign(n, 0.0f);
        for (int c = 0; c < 3; ++c) {
            const float* v = m_channel[size_t(c)].data();
            const float lo = low[c], hi = low[c] + size;
            for (size_t i = 0; i < n; ++i) {
                const float inside = std::max(lo - v[i], 0.0f) + std::max(v[i] - hi, 0.0f);
                const float outside = std::max(v[i] - lo, hi - v[i]);
                m_near[i] += inside * inside;
                m_far[i] += outside * outside;
            }
        }
        const float reach = *std::min_element(m_far.begin(), m_far.end());
        m_scratch.clear();
        for (size_t i = 0; i < n; ++i)
            m_scratch.push_back(Candidate{m_near[i], int(i)});
        // An entry farther from the whole box than another entry's farthest
        // point can never be the nearest.
        for (const Candidate& k : m_scratch)
            if (k.bound > reach)
                m_beyond[size_t(box)] = std::min(m_beyond[size_t(box)], k.bound);
        m_scratch.erase(std::remove_if(m_scratch.begin(), m_scratch.end(),
                                       [&](const Candidate& k) { return k.bound > reach; }),
                        m_scratch.end());
        std::sort(m_scratch.begin(), m_scratch.end(), [](const Candidate& a, const Candidate& b) {
            return a.bound < b.bound || (a.bound == b.bound && a.index < b.index);
        });
        m_start[size_t(box)] = int(m_list.size());
        m_count[size_t(box)] = int(m_scratch.size());
        m_list.insert(m_list.end(), m_scratch.begin(), m_scratch.end());
    }

    int m_shift, m_side;
    std::vector<Rgb> m_entries;
    std::vector<int> m_start, m_count;
    std::vector<float> m_beyond; // per box: nearest of the entries left out
    std::vector<Candidate> m_list, m_scratch;
    std::array<std::vector<float>, 3> m_channel; // the entries, one array a channel
    std::vector<float> m_near, m_far;
};

// Lloyd's method over weighted points: each entry moves to the weighted mean of
// the points nearest to it. An entry left without points, or equal to another
// once rounded, moves to the point of largest error that no entry holds yet.
void Refine(const std::vector<ColorPoint>& points, std::vector<Rgb>& entries, int rounds,
            const std::function<void(int)>& roundDone) {
    const size_t n = entries.size();
    std::vector<Rgb> at(points.size());
    for (size_t i = 0; i < points.size(); ++i)
        for (int c = 0; c < 3; ++c)
            at[i][size_t(c)] = float(points[i].mean(c));
    NearestMap map(5);
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
        map.reset(entries);
        if (fresh)
            sums.assign(n, Sum{});
        for (size_t i = 0; i < points.size(); ++i) {
            const int e = owner[i];
            if (!fresh) {
                upper[i] += shift[size_t(e)];
                lower[i] -= maxShift;
                if (upper[i] < lower[i])
                    continue;
                upper[i] = std::sqrt(Distance(at[i].data(), entries[size_t(e)]));
                if (upper[i] < lower[i])
                    continue;
            }
            float d1, d2;
            const int nearest = map.find2(at[i].data(), d1, d2);
            upper[i] = std::sqrt(d1);
            lower[i] = std::sqrt(d2);
            if (!fresh && nearest == e)
                continue;
            const double w = double(points[i].count);
            if (!fresh)
                sums[size_t(e)].add(-w, at[i]);
            sums[size_t(nearest)].add(w, at[i]);
            owner[i] = nearest;
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
        std::vector<quint32> keys;
        for (size_t e = 0; e < n; ++e) {
            const quint32 key = RoundedKey(entries[e]);
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
        if (moved < 0.01f)
            break;
    }
}

// The weighted squared error of points mapped to their nearest entries.
double SquaredError(const std::vector<ColorPoint>& points, const std::vector<Rgb>& entries) {
    NearestMap map(5);
    map.reset(entries);
    double sum = 0;
    for (const ColorPoint& p : points) {
        const float at[3] = {float(p.mean(0)), float(p.mean(1)), float(p.mean(2))};
        float d;
        map.find(at, d);
        sum += double(p.count) * double(d);
    }
    return sum;
}

// The starting palette of the refinement: the boxes of a greedy variance split.
std::vector<Rgb> SplitPalette(std::vector<ColorPoint>& points, int maxColors, int divideId,
                              bool bestCut = true) {
    Splitter splitter(points, kEvenWeight, bestCut);
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
        throw EVmDIBAssert(QString::fromLatin1(routine) + QStringLiteral(": Invalid DivideID"));
    points.erase(std::remove_if(points.begin(), points.end(),
                                [](const ColorPoint& p) { return p.count == 0; }),
                 points.end());
    if (points.empty()) {
        table[0] = RgbQuad{};
        return 1;
    }
    if (high) {
        std::vector<Rgb> entries = SplitPalette(points, maxColors, divideId);
        Refine(points, entries, 12, {});
        for (size_t i = 0; i < entries.size(); ++i) {
            const quint32 k = RoundedKey(entries[i]);
            table[i] = RgbQuad{quint8(k), quint8(k >> 8), quint8(k >> 16), 0};
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
    bool add(quint32 key) {
        size_t h = slot(key);
        if (m_keys[h] == key)
            return true;
        if (m_keys[h] != kEmpty)
            return true; // unreachable: slot() stops at the key or an empty slot
        if (int(m_colors.size()) >= m_limit)
            return false;
        m_keys[h] = key;
        m_index[h] = quint8(m_colors.size());
        m_colors.push_back(key);
        return true;
    }
    int indexOf(quint32 key) const { return m_index[slot(key)]; }
    const std::vector<quint32>& colors() const { return m_colors; }
    // Orders the entries by colour value so that palettes do not depend on pixel order.
    void sort() {
        std::sort(m_colors.begin(), m_colors.end());
        for (size_t i = 0; i < m_colors.size(); ++i)
            m_index[slot(m_colors[i])] = quint8(i);
    }

private:
    static constexpr quint32 kEmpty = 0xFFFFFFFFu;
    size_t slot(quint32 key) const {
        size_t h = (key * 2654435761u) >> 20;
        while (m_keys[h] != key && m_keys[h] != kEmpty)
            h = (h + 1) & 4095;
        return h;
    }
    int m_limit;
    std::vector<quint32> m_keys;
    std::vector<quint8> m_index;
    std::vector<quint32> m_colors;
};

inline quint32 PixelKey(const uchar* p) {
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16);
}

// Collects the picture's colours while there are no more than the set holds.
bool ExactColors(const DibContent& source, ColorSet& set) {
    const qint32 w = source.width(), h = source.absHeight();
    quint32 last = 0xFFFFFFFFu;
    for (qint32 y = 0; y < h; ++y) {
        const uchar* p = source.row(y);
        for (qint32 x = 0; x < w; ++x, p += 3) {
            const quint32 key = PixelKey(p);
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
inline int CellOf(const uchar* p) { // p: blue, green, red
    return ((p[2] >> 3) << 11) | ((p[1] >> 2) << 5) | (p[0] >> 3);
}

// The 32 x 64 x 32 histogram: per cell the pixel count and the exact channel sums.
std::vector<ColorPoint> Histogram(const DibContent& source, StepCounter& counter,
                                  qint64 stepsWhole) {
    std::vector<ColorPoint> cells(kCells);
    const qint32 w = source.width(), h = source.absHeight();
    for (qint32 y = 0; y < h; ++y) {
        const uchar* p = source.row(y);
        for (qint32 x = 0; x < w; ++x, p += 3) {
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

// The finer histogram of the High palettes: 64 x 64 x 64 cells, each counting
// its pixels and summing their two dropped low bits. Zero pages come lazily
// from calloc and only the cells met are read back, so that a small picture
// does not pay for the whole table.
constexpr int kFineCells = 64 * 64 * 64;
constexpr qint64 kFinePixels = qint64(1) << 30; // low-bit sums fit 32 bits

struct FineCell {
    quint32 count;
    quint32 low[3]; // red, green, blue
};

std::vector<ColorPoint> FineHistogram(const DibContent& source, StepCounter& counter,
                                      qint64 stepsWhole) {
    std::unique_ptr<FineCell, void (*)(void*)> cells(
        static_cast<FineCell*>(std::calloc(kFineCells, sizeof(FineCell))), std::free);
    if (!cells)
        throw std::bad_alloc();
    std::vector<int> met;
    const qint32 w = source.width(), h = source.absHeight();
    for (qint32 y = 0; y < h; ++y) {
        const uchar* p = source.row(y);
        for (qint32 x = 0; x < w; ++x, p += 3) {
            const int i = ((p[2] >> 2) << 12) | ((p[1] >> 2) << 6) | (p[0] >> 2);
            FineCell& c = cells.get()[i];
            if (c.count++ == 0)
                met.push_back(i);
            c.low[0] += p[2] & 3;
            c.low[1] += p[1] & 3;
            c.low[2] += p[0] & 3;
        }
        counter.reach(y + 1, stepsWhole);
    }
    // Cells in the order the scan first met them: the same for the same picture.
    std::vector<ColorPoint> points;
    points.reserve(met.size());
    for (int i : met) {
        const FineCell& c = cells.get()[i];
        const qint64 n = c.count;
        const int base[3] = {(i >> 12) << 2, ((i >> 6) & 63) << 2, (i & 63) << 2};
        ColorPoint point{n, {}};
        for (int k = 0; k < 3; ++k)
            point.sum[k] = n * base[k] + c.low[k];
        points.push_back(point);
    }
    return points;
}

void Require24(const DibContent& source, const char* routine) {
    if (source.header.biBitCount != 24 || source.header.biCompression != BI_RGB)
        throw EVmDIBBadDIBType(QString::fromLatin1(routine) + QStringLiteral(": Invalid Bitcount"));
}

inline void PutIndex(uchar* row, qint32 x, int index, int bits) {
    if (bits == 8)
        row[x] = uchar(index);
    else
        row[x >> 1] |= uchar((x & 1) ? index : index << 4);
}

inline RgbQuad QuadOf(quint32 key) { // key: 0xRRGGBB
    return RgbQuad{quint8(key), quint8(key >> 8), quint8(key >> 16), 0};
}

// Adds picture colours of largest error until the palette has `maxColors`
// distinct entries: for pictures whose many colours share few cells.
void FillDistinct(const DibContent& source, int maxColors, std::vector<Rgb>& entries) {
    std::vector<Rgb> distinct;
    std::vector<quint32> keys;
    for (const Rgb& e : entries) {
        const quint32 key = RoundedKey(e);
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) {
            keys.push_back(key);
            distinct.push_back(Rgb{float(key >> 16), float((key >> 8) & 0xFF), float(key & 0xFF)});
        }
    }
    entries = distinct;
    if (int(entries.size()) >= maxColors)
        return;
    NearestMap map(4);
    map.reset(entries);
    std::unordered_map<quint32, float> missing;
    const qint32 w = source.width(), h = source.absHeight();
    for (qint32 y = 0; y < h; ++y) {
        const uchar* p = source.row(y);
        for (qint32 x = 0; x < w; ++x, p += 3) {
            const float c[3] = {float(p[2]), float(p[1]), float(p[0])};
            float d;
            map.find(c, d);
            if (d > 0)
                missing.emplace(PixelKey(p), d);
        }
    }
    std::vector<std::pair<float, quint32>> order;
    for (const auto& [key, d] : missing)
        order.emplace_back(d, key);
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return a.first > b.first || (a.first == b.first && a.second < b.second);
    });
    for (size_t i = 0; i < order.size() && int(entries.size()) < maxColors; ++i) {
        const quint32 k = order[i].second; // 0xRRGGBB
        entries.push_back(Rgb{float((k >> 16) & 0xFF), float((k >> 8) & 0xFF), float(k & 0xFF)});
    }
}

// The High palette of a picture of more than `maxColors` colours: a greedy
// split of the fine histogram refined by Lloyd's method, with distinct entries.
std::vector<Rgb> HighPalette(const DibContent& source, int maxColors, int divideId,
                             StepCounter& counter, qint64 whole) {
    const qint32 h = source.absHeight();
    // Pictures too large for the fine table's 32-bit sums use the coarse one.
    std::vector<ColorPoint> points = qint64(source.width()) * h <= kFinePixels
                                         ? FineHistogram(source, counter, whole)
                                         : Histogram(source, counter, whole);
    points.erase(std::remove_if(points.begin(), points.end(),
                                [](const ColorPoint& p) { return p.count == 0; }),
                 points.end());
    // Past eight rounds 256 entries gain little (a few hundredths of a dB on
    // photographs). Sixteen entries take many more rounds to settle, and each
    // round is cheap; they also fall into poorer local optima, so a second
    // start is tried.
    const bool few = maxColors <= 16;
    const int rounds = few ? 40 : 8;
    const int starts = few ? 2 : 1;
    std::vector<Rgb> entries;
    double error = 0;
    for (int start = 0; start < starts; ++start) {
        std::vector<Rgb> trial = SplitPalette(points, maxColors, divideId, start == 0);
        Refine(points, trial, rounds, [&](int round) {
            counter.reach(h + qint64(start * rounds + round + 1) * h / (starts * rounds), whole);
        });
        const double trialError = starts > 1 ? SquaredError(points, trial) : 0;
        if (start == 0 || trialError < error) {
            entries = trial;
            error = trialError;
        }
    }
    FillDistinct(source, maxColors, entries);
    counter.reach(2 * qint64(h), whole);
    return entries;
}

// High quality 24 bits to 8 or 4 bits: the picture's own colours when they
// fit, else the refined palette with every pixel mapped to its nearest entry.
DibContent QuantizeHigh(const DibContent& source, int bits, int divideId,
                        const std::function<void()>& step) {
    const int maxColors = 1 << bits;
    StepCounter counter(step, maxColors);
    const qint32 w = source.width(), h = source.absHeight();

    ColorSet exact(maxColors);
    if (ExactColors(source, exact)) {
        exact.sort();
        const int n = int(exact.colors().size());
        DibContent out = MakeDibContent(w, source.header.biHeight, bits, quint32(qMax(n, 1)));
        for (int i = 0; i < n; ++i) {
            const quint32 k = exact.colors()[size_t(i)];
            out.colors[size_t(i)] = RgbQuad{quint8(k), quint8(k >> 8), quint8(k >> 16), 0};
        }
        for (qint32 y = 0; y < h; ++y) {
            const uchar* p = source.row(y);
            uchar* d = out.row(y);
            for (qint32 x = 0; x < w; ++x, p += 3)
                PutIndex(d, x, exact.indexOf(PixelKey(p)), bits);
            counter.reach(y + 1, h);
        }
        counter.finish();
        return out;
    }

    const qint64 whole = 3 * qint64(h);
    const std::vector<Rgb> entries = HighPalette(source, maxColors, divideId, counter, whole);
    const int n = int(entries.size());
    DibContent out = MakeDibContent(w, source.header.biHeight, bits, quint32(n));
    for (int i = 0; i < n; ++i)
        out.colors[size_t(i)] = QuadOf(RoundedKey(entries[size_t(i)]));
    NearestMap map(bits == 8 ? 4 : 5);
    map.reset(entries);
    // A fine cell whose whole cube lies nearer to one entry than to any other
    // maps all its pixels at once: the second entry is farther from the cube's
    // centre by more than the cube's diagonal.
    constexpr int kUnknown = -2, kMixed = -1;
    const float diagonal = 2 * std::sqrt(3 * 1.5f * 1.5f);
    std::vector<qint16> cellEntry(kFineCells, qint16(kUnknown));
    for (qint32 y = 0; y < h; ++y) {
        const uchar* p = source.row(y);
        uchar* d = out.row(y);
        quint32 lastKey = 0xFFFFFFFFu;
        int last = 0;
        for (qint32 x = 0; x < w; ++x, p += 3) {
            const quint32 key = PixelKey(p);
            if (key != lastKey) {
                const int cell = ((p[2] >> 2) << 12) | ((p[1] >> 2) << 6) | (p[0] >> 2);
                qint16& known = cellEntry[size_t(cell)];
                if (known == kUnknown) {
                    const float centre[3] = {float(p[2] & ~3) + 1.5f, float(p[1] & ~3) + 1.5f,
                                             float(p[0] & ~3) + 1.5f};
                    float d1, d2;
                    const int e = map.find2(centre, d1, d2);
                    known = qint16(std::sqrt(d2) - std::sqrt(d1) > diagonal ? e : kMixed);
                }
                if (known >= 0) {
                    last = known;
                } else {
                    const float c[3] = {float(p[2]), float(p[1]), float(p[0])};
                    float distance;
                    last = map.find(c, distance);
                }
                lastKey = key;
            }
            PutIndex(d, x, last, bits);
        }
        counter.reach(2 * qint64(h) + y + 1, whole);
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
    const qint32 w = source.width(), h = source.absHeight();
    const qint64 whole = 2 * qint64(h);
    std::vector<ColorPoint> cells = Histogram(source, counter, whole);
    std::vector<int> occupied;
    for (int i = 0; i < kCells; ++i)
        if (cells[size_t(i)].count)
            occupied.push_back(i);
    std::vector<ColorPoint> points = cells;
    ColorTable table{};
    const int n = PaletteOfPoints(points, false, maxColors, 0, routine, table);
    std::vector<uchar> cellIndex(kCells, 0);
    for (int i : occupied) {
        const ColorPoint& c = cells[size_t(i)];
        cellIndex[size_t(i)] = uchar(Nearest(table, n, c.mean(0), c.mean(1), c.mean(2)));
    }
    DibContent out = MakeDibContent(w, source.header.biHeight, bits, quint32(n));
    out.colors = table;
    for (qint32 y = 0; y < h; ++y) {
        const uchar* p = source.row(y);
        uchar* d = out.row(y);
        for (qint32 x = 0; x < w; ++x, p += 3)
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
        throw EVmDIBAssert(QStringLiteral("ConvertTrueColorTo8BitRGBHigh: Invalid DivideID"));
    StepCounter counter(step, steps);
    if (high) {
        ColorSet exact(maxColors);
        if (ExactColors(source, exact)) {
            exact.sort();
            const int n = int(exact.colors().size());
            for (int i = 0; i < n; ++i)
                table[size_t(i)] = QuadOf(exact.colors()[size_t(i)] & 0xFFFFFFu);
            counter.finish();
            return qMax(n, 1);
        }
        const std::vector<Rgb> entries =
            HighPalette(source, maxColors, divideId, counter, 2 * qint64(source.absHeight()));
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
        throw EVmDIBAssert(QStringLiteral("ConvertTrueColorTo8BitRGBHigh: Invalid DivideID"));
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
        throw EVmDIBAssert(QStringLiteral("ConvertTrueColorTo8BitRGBHigh: Invalid DivideID"));
    return QuantizeHigh(source, 4, divideId, step);
}
DibContent Convert8BitRGBTo4BitRGB(const DibContent& source, const std::function<void()>& step) {
    if (source.header.biBitCount != 8 || source.header.biCompression != BI_RGB)
        throw EVmDIBBadDIBType(
            QStringLiteral("Convert8BitRGBTo4BitRGB: Invalid Bitcount or Compression"));
    StepCounter counter(step, 16);
    const qint32 w = source.width(), h = source.absHeight();
    qint64 used[256] = {};
    for (qint32 y = 0; y < h; ++y) {
        const uchar* p = source.row(y);
        for (qint32 x = 0; x < w; ++x)
            ++used[p[x]];
        counter.reach(y + 1, 2 * qint64(h));
    }
    // Each used colour of the table is a point weighted by its pixels; equal
    // table entries fall together.
    std::vector<ColorPoint> points;
    std::vector<quint32> keys;
    for (int i = 0; i < 256; ++i) {
        if (!used[i])
            continue;
        const RgbQuad& c = source.colors[size_t(i)];
        const quint32 key =
            quint32(c.rgbBlue) | (quint32(c.rgbGreen) << 8) | (quint32(c.rgbRed) << 16);
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
        n = qMax(1, int(points.size()));
        for (size_t i = 0; i < points.size(); ++i) {
            const quint32 k = keys[i];
            table[i] = RgbQuad{quint8(k), quint8(k >> 8), quint8(k >> 16), 0};
        }
    } else {
        n = PaletteOfPoints(points, true, 16, 0, "Convert8BitRGBTo4BitRGB", table);
    }
    uchar map[256];
    for (int i = 0; i < 256; ++i) {
        const RgbQuad& c = source.colors[size_t(i)];
        map[i] = uchar(Nearest(table, n, c.rgbRed, c.rgbGreen, c.rgbBlue));
    }
    DibContent out = MakeDibContent(w, source.header.biHeight, 4, quint32(n));
    out.colors = table;
    for (qint32 y = 0; y < h; ++y) {
        const uchar* p = source.row(y);
        uchar* d = out.row(y);
        for (qint32 x = 0; x < w; ++x)
            PutIndex(d, x, map[p[x]], 4);
        counter.reach(h + y + 1, 2 * qint64(h));
    }
    counter.finish();
    return out;
}
