#pragma once

#include "core/Color.h"

#include <QString>
#include <vector>

class SettingsStore;

// The colours last chosen as a whole (not every slider step), most recent
// first, each at most once. Stored in the section ColorHistory as the value
// Colors: "#RRGGBB" texts separated by commas.
class ColorHistory {
public:
    static constexpr int kCapacity = 32;

    const std::vector<TColor>& colors() const { return m_colors; }
    bool isEmpty() const { return m_colors.empty(); }

    // Puts `color` first: a colour already kept moves there, and the oldest
    // falls off beyond the capacity.
    void add(TColor color);
    void clear() { m_colors.clear(); }

    // The stored text is outside input: at most the capacity is read, and a
    // piece that is not "#RRGGBB" or repeats an earlier one is dropped.
    void load(const SettingsStore& store);
    void save(SettingsStore& store) const;

    // The stored text and back.
    QString record() const;
    void readRecord(const QString& text);

private:
    std::vector<TColor> m_colors;
};
