#pragma once

#include "TVmPalette.h"
#include "core/Color.h"
#include "dib/DibContent.h"
#include "dib/DibTypes.h"

#include <QByteArray>
#include <functional>
#include <memory>

class QIODevice;

// One step of a long conversion; the caller knows how many to expect.
using DibProgressStep = std::function<void()>;

// The image data that several TVmDIB objects may share: header, colour
// table, pixel section and the palette made from them.
class TVmInternalDIB {
public:
    // A blank picture: 1 × 1 pixel, 8 bits, two colours, all zero.
    TVmInternalDIB();

    int refCount() const { return m_refCount; }
    void addRef() { ++m_refCount; }
    // Returns the count left.
    int release() { return --m_refCount; }

    qint32 width() const { return m_width; }
    qint32 height() const { return m_height; }
    const BitmapInfoHeader& header() const { return m_content.header; }
    const ColorTable& colors() const { return m_content.colors; }
    const DibSection& bits() const { return m_content.bits; }
    const DibContent& content() const { return m_content; }
    // Pixels that a canvas may draw into; the holder must be the only one.
    uchar* writableBits() { return m_content.bits.data(); }
    qint64 bitsSize() const { return m_content.bits.size(); }

    bool palettePending() const { return m_palettePending; }
    void clearPalettePending() { m_palettePending = false; }
    // The held palette, made from the colour table on first use; none for an empty table.
    TVmPaletteRef palette();
    // Stores the palette's colours as the colour table and keeps the palette.
    void setPalette(TVmPaletteRef palette);

    // Zero pixels and colour table of the given shape; biHeight keeps its sign.
    void CreateDIB(qint32 width, qint32 height, int colors, int bitCount);
    // Reads a BMP file from the device's current position.
    void LoadFromStream(QIODevice& device);
    // Reads a packed DIB: header, colour table and pixels in one block.
    void LoadFromClipboardFormat(const QByteArray& block);
    void SaveToStream(QIODevice& device) const;
    QByteArray SaveToClipboardFormat() const;

    DibPixelFormat GetPixelFormat() const;
    // Converts to `target` through the chain of routines for the pair.
    void SetPixelsFormat(int target, int quality, const DibProgressStep& step, TColor keyColor);
    // Computes a palette for a 24-bit picture and stores it as its colour table.
    void CreateTrueColorPalette(int quality, const DibProgressStep& step);

    // Takes a new header, colour table and section; the old ones are released.
    void ReplaceContent(DibContent&& content);
    std::unique_ptr<TVmInternalDIB> clone() const;

private:
    int m_refCount = 1;
    qint32 m_width = 1;
    qint32 m_height = 1;
    TVmPaletteRef m_palette;
    DibContent m_content;
    bool m_palettePending = false;
};
