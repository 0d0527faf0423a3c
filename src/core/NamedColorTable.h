#pragma once

#include "core/Color.h"

#include <QString>
#include <array>
#include <optional>

// One row of the named colour table. The hex text is kept as stored; in
// the built-in rows it always equals ColorToHtml(value).
struct NamedColor {
    TColor value = 0;
    QString hex;
    QString name;
    bool operator==(const NamedColor&) const = default;
};
using NamedColorEntry = NamedColor;

// The HTML colour names the program knows: a fixed number of slots and a
// count of those in use. Lookups only ever look at slots 0 .. count - 1.
class NamedColorTable {
public:
    static constexpr int Capacity = 256;
    static constexpr int BuiltInCount = 141;

    int count() const { return m_count; }
    // Clamped to 0 .. Capacity, so a damaged count can never reach past the slots.
    void setCount(int count);

    // Any slot 0 .. Capacity - 1, whether in use or not.
    const NamedColor& at(int index) const { return m_entries.at(std::size_t(index)); }
    NamedColor& at(int index) { return m_entries.at(std::size_t(index)); }

    // The first row in use whose value equals `color` in all 32 bits.
    std::optional<int> indexOfColor(TColor color) const;
    // The first row in use with this name, compared without regard to ASCII case.
    std::optional<int> indexOfName(const QString& name) const;

    // Equal counts and equal rows in use; unused slots do not count.
    bool operator==(const NamedColorTable& other) const;

private:
    std::array<NamedColor, Capacity> m_entries{};
    int m_count = 0;
};

// The built-in rows, ordered by hex text (two names of one colour in
// alphabetical order); row 61 keeps its odd value "#A0CE00" "aliceblue".
const std::array<NamedColor, NamedColorTable::BuiltInCount>& BuiltInNamedColors();

// Count 141 and the built-in rows in slots 0 .. 140; later slots are left alone.
void LoadDefaultNamedColors(NamedColorTable& table);
