#pragma once

#include <array>
#include <cstddef>
#include <vector>

// The palette entries nearest to a colour, by squared distance in RGB. The
// colour cube is cut into boxes; a box keeps, once first asked, the entries
// that can be nearest to some colour inside it, and a search measures those
// several at a time. Cheap to set up, so it is rebuilt whenever the entries
// move; every result is the one a search of all entries would give.
class NearestEntries {
public:
    using Rgb = std::array<float, 3>; // red, green, blue

    // Boxes of 2^shift levels a side; a palette of up to 32 entries has one.
    explicit NearestEntries(int shift = 5);

    void assign(const std::vector<Rgb>& entries);
    int size() const { return m_count; }

    // Half the distance from entry `e` to its nearest other entry: a colour
    // nearer to `e` than that has `e` as its nearest entry.
    float halfGap(int e) const { return m_halfGap[std::size_t(e)]; }

    // The nearest entry to `colour` (channels in [0, 256)), the first of
    // equals; `d1` gets its squared distance and `d2` a lower bound of the
    // next entry's.
    int nearest(const float* colour, float& d1, float& d2);
    // Appends, in order, the entries other than `e` that are at least as near
    // as `e` to some colour within `halfWidth` of `colour` in every channel
    // (a cube inside the box of `colour`).
    void rivals(const float* colour, int e, float halfWidth, std::vector<int>& found);

    // Entries one array a channel, padded with far-away ones to whole blocks.
    struct Lists {
        std::vector<float> red, green, blue;
        std::vector<int> index; // the entry in each place; padding comes last
        void append(float r, float g, float b, int i);
        void pad();
        void clear(); // keeps the memory for the next entries
    };

private:
    int boxOf(const float* colour) const;
    void build(int box);

    int m_boxShift, m_shift, m_side;
    int m_count = 0;
    Lists m_entries;
    std::vector<float> m_halfGap;
    // Per box: where its candidates start in m_lists (-1: not built yet),
    // how many places they take, and the least squared distance from the box
    // of the entries left out.
    std::vector<int> m_start, m_places;
    std::vector<float> m_beyond;
    Lists m_lists;
    std::vector<float> m_near; // scratch of build()
};
