// Palette building and colour reduction: the 24 -> 8 and 24 -> 4-bit
// quantisers, 8 -> 4 bits and the true-colour palette.
#include "DibQuantize.h"

#include "DibConversions.h"
#include "DibErrors.h"

#include <algorithm>
#include <cmath>
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

// Channel weights of the variance that picks where a box splits.
constexpr double kWeight[3] = {3.0, 4.0, 2.0};

struct Box {
    int begin = 0, end = 0;
    double error = 0;   // weighted squared error of the box
    int channel = -1;   // channel to split on, -1 when it cannot split
    double splitAt = 0; // the weighted mean of that channel
};

class Splitter {
public:
    explicit Splitter(std::vector<ColorPoint>& points) : m_points(points) {
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
            const double v = kWeight[c] * var[c];
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

// Builds the palette of a point set into `table`; returns the number of entries.
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
    Splitter splitter(points);
    std::vector<Box> boxes;
    if (high) {
        splitter.splitGreedy(maxColors, divideId == 1, boxes);
    } else {
        int depth = 0;
        while ((1 << depth) < maxColors)
            ++depth;
        splitter.splitLevels(0, int(points.size()), depth, boxes);
    }
    const int n = int(boxes.size());
    for (int i = 0; i < n; ++i)
        table[size_t(i)] = splitter.meanColor(boxes[size_t(i)]);
    if (high) {
        // Two rounds of moving each entry to the mean of the points nearest to it.
        for (int round = 0; round < 2; ++round) {
            std::vector<ColorPoint> acc(static_cast<size_t>(n));
            for (const ColorPoint& p : points) {
                ColorPoint& a = acc[size_t(Nearest(table, n, p.mean(0), p.mean(1), p.mean(2)))];
                a.count += p.count;
                for (int c = 0; c < 3; ++c)
                    a.sum[c] += p.sum[c];
            }
            for (int i = 0; i < n; ++i) {
                const ColorPoint& a = acc[size_t(i)];
                if (a.count == 0)
                    continue;
                auto avg = [&](int c) { return quint8((a.sum[c] + a.count / 2) / a.count); };
                table[size_t(i)] = RgbQuad{avg(2), avg(1), avg(0), 0};
            }
        }
    }
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

// Collects the picture's colours when there are no more than `limit`.
bool ExactColors(const DibContent& source, int limit, ColorSet& set) {
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
    (void)limit;
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

// 24 bits to 8 or 4 bits with a palette built from the picture.
DibContent QuantizeTrueColor(const DibContent& source, int bits, bool high, int divideId,
                             const std::function<void()>& step, const char* routine) {
    Require24(source, routine);
    if (high && divideId != 0 && divideId != 1)
        throw EVmDIBAssert(QString::fromLatin1(routine) + QStringLiteral(": Invalid DivideID"));
    const int maxColors = 1 << bits;
    StepCounter counter(step, maxColors);
    const qint32 w = source.width(), h = source.absHeight();
    const qint64 whole = 2 * qint64(h);

    ColorSet exact(maxColors);
    if (ExactColors(source, maxColors, exact)) {
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

    std::vector<ColorPoint> cells = Histogram(source, counter, whole);
    std::vector<int> occupied;
    for (int i = 0; i < kCells; ++i)
        if (cells[size_t(i)].count)
            occupied.push_back(i);
    std::vector<ColorPoint> points = cells;
    ColorTable table{};
    const int n = PaletteOfPoints(points, high, maxColors, divideId, routine, table);
    // Every occupied cell maps to the entry nearest to its mean colour.
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
    StepCounter counter(step, steps);
    ColorSet exact(maxColors);
    if (ExactColors(source, maxColors, exact)) {
        exact.sort();
        const int n = int(exact.colors().size());
        for (int i = 0; i < n; ++i) {
            const quint32 k = exact.colors()[size_t(i)];
            table[size_t(i)] = RgbQuad{quint8(k), quint8(k >> 8), quint8(k >> 16), 0};
        }
        counter.finish();
        return n;
    }
    std::vector<ColorPoint> points = Histogram(source, counter, source.absHeight());
    const int n =
        PaletteOfPoints(points, high, maxColors, divideId, "ConvertTrueColorTo8BitRGBHigh", table);
    counter.finish();
    return n;
}

DibContent ConvertTrueColorTo8BitRGBLow(const DibContent& source,
                                        const std::function<void()>& step) {
    return QuantizeTrueColor(source, 8, false, 0, step, "ConvertTrueColorTo8BitRGBLow");
}

DibContent ConvertTrueColorTo8BitRGBHigh(const DibContent& source,
                                         const std::function<void()>& step, int divideId) {
    return QuantizeTrueColor(source, 8, true, divideId, step, "ConvertTrueColorTo8BitRGBHigh");
}

DibContent ConvertTrueColorTo4BitRGBLow(const DibContent& source,
                                        const std::function<void()>& step) {
    return QuantizeTrueColor(source, 4, false, 0, step, "ConvertTrueColorTo4BitRGBLow");
}

DibContent ConvertTrueColorTo4BitRGBHigh(const DibContent& source,
                                         const std::function<void()>& step, int divideId) {
    // The 4-bit routine reports its division setting under the 8-bit routine's name.
    if (divideId != 0 && divideId != 1)
        throw EVmDIBAssert(QStringLiteral("ConvertTrueColorTo8BitRGBHigh: Invalid DivideID"));
    return QuantizeTrueColor(source, 4, true, divideId, step, "ConvertTrueColorTo4BitRGBHigh");
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
