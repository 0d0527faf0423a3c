#include "TVmPalette.h"

#include "dib/DibConversions.h"

TVmPaletteRef GetPaletteFromDIBInfos(const ColorTable& colors, quint32 count) {
    QList<QRgb> entries;
    const quint32 n = count > 256 ? 256 : count;
    entries.reserve(n);
    for (quint32 i = 0; i < n; ++i)
        entries.append(qRgb(colors[i].rgbRed, colors[i].rgbGreen, colors[i].rgbBlue));
    return std::make_shared<const TVmPalette>(std::move(entries));
}

TVmPaletteRef HalftonePalette() {
    static const TVmPaletteRef palette = [] {
        return GetPaletteFromDIBInfos(HalftoneColors(), HalftoneColorCount);
    }();
    return palette;
}

TVmPaletteRef BlackWhitePalette() {
    static const TVmPaletteRef palette =
        std::make_shared<const TVmPalette>(QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)});
    return palette;
}
