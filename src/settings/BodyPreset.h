#pragma once

#include "core/Color.h"

#include <QString>
#include <array>

// A named set of the five colours of a page's BODY tag, in the order of
// the stored record: BGCOLOR, TEXT, LINK, ALINK, VLINK.
struct BodyPreset {
    QString name;
    TColor bgcolor = 0;
    TColor text = 0;
    TColor link = 0;
    TColor alink = 0;
    TColor vlink = 0;
    bool operator==(const BodyPreset&) const = default;
};

// The body presets: a fixed number of slots and a count of those in use.
class BodyPresetList {
public:
    static constexpr int Capacity = 51;
    static constexpr int BuiltInCount = 12;

    int count() const { return m_count; }
    // Clamped to 0 .. Capacity.
    void setCount(int count);

    const BodyPreset& at(int index) const { return m_slots.at(std::size_t(index)); }
    BodyPreset& at(int index) { return m_slots.at(std::size_t(index)); }

    // Adds a preset after the last one; false (and nothing added) when full.
    bool append(const BodyPreset& preset);
    // Moves the presets after `index` up by one and shrinks the count.
    void removeAt(int index);

    // Equal counts and equal rows in use; unused slots do not count.
    bool operator==(const BodyPresetList& other) const;

private:
    std::array<BodyPreset, Capacity> m_slots{};
    int m_count = 0;
};

// Count 12 and the built-in presets in slots 0 .. 11.
void LoadDefaultBodyPresets(BodyPresetList& list);
