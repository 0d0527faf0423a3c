#pragma once

#include "dib/DibTypes.h"

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
