#include "NearestEntries.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <cpuid.h>
#endif

namespace {

using Lists = NearestEntries::Lists;

constexpr int kBlock = 8;        // lists are padded to a multiple of this
constexpr float kFar = 1.0e6f;   // where the padding sits
constexpr float kHuge = 3.0e38f; // farther than any distance
constexpr int kNone = INT_MAX;   // the index of padding: after every entry

// Every path, of whatever vector width, adds the squares in the same order
// without fused operations, so that all give the same distances and the
// same palettes.
#if defined(__GNUC__)

template <int W> struct Lanes {
    typedef float F __attribute__((vector_size(4 * W)));
    typedef std::int32_t I __attribute__((vector_size(4 * W)));
};

// The vectors stay inside these functions: passing them by value between
// functions of different instruction sets would change how they are passed.

template <int W>
inline __attribute__((always_inline)) void Load(const Lists& l, int k, typename Lanes<W>::F* rgb) {
    std::memcpy(&rgb[0], l.red.data() + k, sizeof rgb[0]);
    std::memcpy(&rgb[1], l.green.data() + k, sizeof rgb[1]);
    std::memcpy(&rgb[2], l.blue.data() + k, sizeof rgb[2]);
}

// Whether any lane of a mask is set.
template <int W> inline __attribute__((always_inline)) bool Any(const typename Lanes<W>::I& mask) {
    std::uint64_t words[W / 2];
    std::memcpy(words, &mask, sizeof words);
    std::uint64_t any = 0;
    for (int j = 0; j < W / 2; ++j)
        any |= words[j];
    return any != 0;
}

// The entries that can be nearest to some colour of the box [low, low +
// side] per channel, appended to `lists`: no entry is farther from the whole
// box than another one's farthest corner. `beyond` gets the least squared
// distance from the box of those left out; `near` is scratch.
template <int W>
inline __attribute__((always_inline)) void Candidates(const Lists& l, int count, const float* low,
                                                      float side, float* near, Lists& lists,
                                                      float& beyond) {
    using F = typename Lanes<W>::F;
    using I = typename Lanes<W>::I;
    const F zero = F{};
    F reach = kHuge - F{};
    for (int k = 0; k < int(l.red.size()); k += W) {
        F v[3];
        Load<W>(l, k, v);
        F nearSum = zero, farSum = zero;
        for (int c = 0; c < 3; ++c) {
            const F below = low[c] - v[c], above = v[c] - (low[c] + side);
            const F out = (below > zero ? below : zero) + (above > zero ? above : zero);
            const F toLow = v[c] - low[c], toHigh = (low[c] + side) - v[c];
            const F span = toLow > toHigh ? toLow : toHigh;
            nearSum += out * out;
            farSum += span * span;
        }
        std::memcpy(near + k, &nearSum, sizeof nearSum);
        reach = farSum < reach ? farSum : reach;
    }
    float least = kHuge;
    for (int j = 0; j < W; ++j)
        least = std::min(least, float(reach[j]));
    // Room for rounding.
    const F most = least * 1.0001f + 0.001f - F{};
    F left = kHuge - F{};
    for (int k = 0; k < count; k += W) {
        F d;
        std::memcpy(&d, near + k, sizeof d);
        const I in = d <= most;
        left = in ? left : (d < left ? d : left);
        if (!Any<W>(in))
            continue;
        for (int j = 0; j < W && k + j < count; ++j)
            if (in[j])
                lists.append(l.red[size_t(k + j)], l.green[size_t(k + j)], l.blue[size_t(k + j)],
                             k + j);
    }
    beyond = kHuge;
    for (int j = 0; j < W; ++j)
        beyond = std::min(beyond, float(left[j]));
}

template <int W>
inline __attribute__((always_inline)) int Nearest(const Lists& l, int start, int places,
                                                  const float* c, float& d1, float& d2) {
    using F = typename Lanes<W>::F;
    using I = typename Lanes<W>::I;
    F m1 = kHuge - F{}, m2 = m1;
    I i1 = kNone - I{};
    for (int k = start; k < start + places; k += W) {
        F v[3];
        I index;
        Load<W>(l, k, v);
        std::memcpy(&index, l.index.data() + k, sizeof index);
        v[0] -= c[0];
        v[1] -= c[1];
        v[2] -= c[2];
        const F d = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
        // Nearer, or as near with a lower index.
        const I nearer = (d < m1) | ((d == m1) & (index < i1));
        m2 = nearer ? m1 : (d < m2 ? d : m2);
        i1 = nearer ? index : i1;
        m1 = nearer ? d : m1;
    }
    int lane = 0;
    for (int j = 1; j < W; ++j)
        if (m1[j] < m1[lane] || (m1[j] == m1[lane] && i1[j] < i1[lane]))
            lane = j;
    float second = kHuge;
    for (int j = 0; j < W; ++j) {
        if (j != lane)
            second = std::min(second, float(m1[j]));
        second = std::min(second, float(m2[j]));
    }
    d1 = m1[lane];
    d2 = second;
    return i1[lane];
}

template <int W>
inline __attribute__((always_inline)) void Rivals(const Lists& l, int start, int places,
                                                  const float* c, const float* e, int self,
                                                  float halfWidth, std::vector<int>& found) {
    using F = typename Lanes<W>::F;
    using I = typename Lanes<W>::I;
    const F zero = F{};
    for (int k = start; k < start + places; k += W) {
        F v[3];
        I index;
        Load<W>(l, k, v);
        std::memcpy(&index, l.index.data() + k, sizeof index);
        // How much nearer than `e` the entry gets at the best corner: the
        // difference of the squared distances is linear in the colour.
        F gain = zero, spread = zero;
        for (int j = 0; j < 3; ++j) {
            const F step = v[j] - e[j];
            gain += step * (2 * c[j] - e[j] - v[j]);
            spread += step < zero ? -step : step;
        }
        gain += 2 * halfWidth * spread;
        const I in = (gain >= -0.01f) & (index != self) & (index != kNone);
        if (!Any<W>(in))
            continue;
        for (int j = 0; j < W; ++j)
            if (in[j])
                found.push_back(index[j]);
    }
}

#if defined(__x86_64__) || defined(__i386__)
#define VELLOMAR_WIDE_LANES 1
__attribute__((target("avx2"))) void CandidatesWide(const Lists& l, int count, const float* low,
                                                    float side, float* near, Lists& lists,
                                                    float& beyond) {
    Candidates<8>(l, count, low, side, near, lists, beyond);
}

__attribute__((target("avx2"))) int NearestWide(const Lists& l, int start, int places,
                                                const float* c, float& d1, float& d2) {
    return Nearest<8>(l, start, places, c, d1, d2);
}

__attribute__((target("avx2"))) void RivalsWide(const Lists& l, int start, int places,
                                                const float* c, const float* e, int self,
                                                float halfWidth, std::vector<int>& found) {
    Rivals<8>(l, start, places, c, e, self, halfWidth, found);
}

// Asked of the processor only when first needed: __builtin_cpu_supports would
// add a constructor to every start of the programs, and in a virtual machine
// each cpuid is a trip to the host.
bool HasWideLanes() {
    static const bool wide = [] {
        unsigned a, b, c, d;
        if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE) || !(c & bit_AVX))
            return false;
        // The system must save the vector registers it switches.
        unsigned low, high;
        __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
        if ((low & 6) != 6)
            return false;
        return __get_cpuid_count(7, 0, &a, &b, &c, &d) && (b & bit_AVX2);
    }();
    return wide;
}
#endif

#else

inline float Square(float r, float g, float b) {
    return r * r + g * g + b * b;
}

#endif

void BoxCandidates(const Lists& l, int count, const float* low, float side, float* near,
                   Lists& lists, float& beyond) {
#if defined(__GNUC__)
#if defined(VELLOMAR_WIDE_LANES)
    if (HasWideLanes()) {
        CandidatesWide(l, count, low, side, near, lists, beyond);
        return;
    }
#endif
    Candidates<4>(l, count, low, side, near, lists, beyond);
#else
    float reach = kHuge;
    for (size_t k = 0; k < l.red.size(); ++k) {
        const float v[3] = {l.red[k], l.green[k], l.blue[k]};
        float nearSum = 0, farSum = 0;
        for (int c = 0; c < 3; ++c) {
            const float out =
                std::max(low[c] - v[c], 0.0f) + std::max(v[c] - (low[c] + side), 0.0f);
            const float span = std::max(v[c] - low[c], (low[c] + side) - v[c]);
            nearSum += out * out;
            farSum += span * span;
        }
        near[k] = nearSum;
        reach = std::min(reach, farSum);
    }
    reach = reach * 1.0001f + 0.001f;
    beyond = kHuge;
    for (int i = 0; i < count; ++i) {
        if (near[size_t(i)] <= reach)
            lists.append(l.red[size_t(i)], l.green[size_t(i)], l.blue[size_t(i)], i);
        else
            beyond = std::min(beyond, near[size_t(i)]);
    }
#endif
}

int NearestIn(const Lists& l, int start, int places, const float* c, float& d1, float& d2) {
#if defined(__GNUC__)
#if defined(VELLOMAR_WIDE_LANES)
    if (HasWideLanes())
        return NearestWide(l, start, places, c, d1, d2);
#endif
    return Nearest<4>(l, start, places, c, d1, d2);
#else
    int best = kNone;
    d1 = d2 = kHuge;
    for (int k = start; k < start + places; ++k) {
        const float d =
            Square(l.red[size_t(k)] - c[0], l.green[size_t(k)] - c[1], l.blue[size_t(k)] - c[2]);
        const int index = l.index[size_t(k)];
        if (d < d1 || (d == d1 && index < best)) {
            d2 = d1;
            d1 = d;
            best = index;
        } else if (d < d2) {
            d2 = d;
        }
    }
    return best;
#endif
}

void RivalsIn(const Lists& l, int start, int places, const float* c, const float* e, int self,
              float halfWidth, std::vector<int>& found) {
#if defined(__GNUC__)
#if defined(VELLOMAR_WIDE_LANES)
    if (HasWideLanes()) {
        RivalsWide(l, start, places, c, e, self, halfWidth, found);
        return;
    }
#endif
    Rivals<4>(l, start, places, c, e, self, halfWidth, found);
#else
    for (int k = start; k < start + places; ++k) {
        const int index = l.index[size_t(k)];
        if (index == self || index == kNone)
            continue;
        const float v[3] = {l.red[size_t(k)], l.green[size_t(k)], l.blue[size_t(k)]};
        float gain = 0, spread = 0;
        for (int j = 0; j < 3; ++j) {
            const float step = v[j] - e[j];
            gain += step * (2 * c[j] - e[j] - v[j]);
            spread += std::abs(step);
        }
        if (gain + 2 * halfWidth * spread >= -0.01f)
            found.push_back(index);
    }
#endif
}

} // namespace

void NearestEntries::Lists::append(float r, float g, float b, int i) {
    red.push_back(r);
    green.push_back(g);
    blue.push_back(b);
    index.push_back(i);
}

void NearestEntries::Lists::clear() {
    red.clear();
    green.clear();
    blue.clear();
    index.clear();
}

void NearestEntries::Lists::pad() {
    while (red.size() % kBlock)
        append(kFar, kFar, kFar, kNone);
}

NearestEntries::NearestEntries(int shift)
    : m_boxShift(shift), m_shift(shift), m_side(256 >> shift) {}

void NearestEntries::assign(const std::vector<Rgb>& entries) {
    m_count = int(entries.size());
    // A few entries are searched all at once.
    m_shift = m_count <= 32 ? 8 : m_boxShift;
    m_side = 256 >> m_shift;
    m_entries.clear();
    for (size_t i = 0; i < entries.size(); ++i)
        m_entries.append(entries[i][0], entries[i][1], entries[i][2], int(i));
    m_entries.pad();
    const size_t boxes = size_t(m_side) * m_side * m_side;
    m_start.assign(boxes, -1);
    m_places.assign(boxes, 0);
    m_beyond.assign(boxes, kHuge);
    m_lists.clear();
    m_near.resize(m_entries.red.size());
    // An entry's nearest other entry, found through the boxes as well.
    m_halfGap.resize(entries.size());
    for (size_t e = 0; e < entries.size(); ++e) {
        float d1, d2;
        nearest(entries[e].data(), d1, d2);
        m_halfGap[e] = std::sqrt(d2) / 2;
    }
}

int NearestEntries::boxOf(const float* colour) const {
    auto level = [&](float v) { return std::clamp(int(v), 0, 255) >> m_shift; };
    return (level(colour[0]) * m_side + level(colour[1])) * m_side + level(colour[2]);
}

// An entry farther from the whole box than another entry's farthest corner
// is nearer to no colour inside it.
void NearestEntries::build(int box) {
    const float side = float(1 << m_shift);
    const float low[3] = {float(box / (m_side * m_side)) * side,
                          float(box / m_side % m_side) * side, float(box % m_side) * side};
    const int start = int(m_lists.red.size());
    BoxCandidates(m_entries, m_count, low, side, m_near.data(), m_lists, m_beyond[size_t(box)]);
    m_lists.pad();
    m_start[size_t(box)] = start;
    m_places[size_t(box)] = int(m_lists.red.size()) - start;
}

int NearestEntries::nearest(const float* colour, float& d1, float& d2) {
    if (m_count == 0) {
        d1 = d2 = kHuge;
        return 0;
    }
    const int box = boxOf(colour);
    if (m_start[size_t(box)] < 0)
        build(box);
    const int best =
        NearestIn(m_lists, m_start[size_t(box)], m_places[size_t(box)], colour, d1, d2);
    d2 = std::min(d2, m_beyond[size_t(box)]);
    return best;
}

void NearestEntries::rivals(const float* colour, int e, float halfWidth, std::vector<int>& found) {
    if (m_count == 0)
        return;
    const int box = boxOf(colour);
    if (m_start[size_t(box)] < 0)
        build(box);
    const float entry[3] = {m_entries.red[size_t(e)], m_entries.green[size_t(e)],
                            m_entries.blue[size_t(e)]};
    RivalsIn(m_lists, m_start[size_t(box)], m_places[size_t(box)], colour, entry, e, halfWidth,
             found);
}
