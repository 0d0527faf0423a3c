#pragma once

#include "DibTypes.h"

#include <QList>
#include <QRgb>
#include <memory>

// A logical palette: up to 256 colours, each red, green, blue.
class TVmPalette {
public:
    TVmPalette() = default;
    explicit TVmPalette(QList<QRgb> entries) : m_entries(std::move(entries)) {}

    const QList<QRgb>& entries() const { return m_entries; }
    int count() const { return int(m_entries.size()); }

private:
    QList<QRgb> m_entries;
};

using TVmPaletteRef = std::shared_ptr<const TVmPalette>;

// A palette of the first `count` entries of a colour table (GetPaletteFromDIBInfos).
TVmPaletteRef GetPaletteFromDIBInfos(const ColorTable& colors, quint32 count);

// The shared 215-colour halftone palette and the black/white one; made once.
TVmPaletteRef HalftonePalette();
TVmPaletteRef BlackWhitePalette();

// The red, green and blue levels of the halftone colour cube.
inline constexpr std::array<int, 6> HalftoneRedLevels{0, 51, 102, 153, 204, 255};
inline constexpr std::array<int, 7> HalftoneGreenLevels{0, 43, 85, 128, 171, 214, 255};
inline constexpr std::array<int, 5> HalftoneBlueLevels{0, 64, 128, 192, 255};
