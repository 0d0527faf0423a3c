#pragma once

#include "dib/DibTypes.h"

#include <QImage>
#include <memory>

class QPainter;
class TVmDIB;

// A drawing surface on a TVmDIB. 24-bit pictures are drawn into in place;
// other formats are drawn through 24 bits and mapped back to their own
// colour table (and compression) when the canvas goes away. Coordinates
// have their origin at the picture's top-left corner.
class TVmDIBCanvas {
public:
    explicit TVmDIBCanvas(TVmDIB& dib);
    ~TVmDIBCanvas();
    TVmDIBCanvas(const TVmDIBCanvas&) = delete;
    TVmDIBCanvas& operator=(const TVmDIBCanvas&) = delete;

    QPainter& painter() { return *m_painter; }

private:
    void MapBack();

    TVmDIB& m_dib;
    DibPixelFormat m_original;
    ColorTable m_originalColors{};
    quint32 m_originalColorCount = 0;
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
};
