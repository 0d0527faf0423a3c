#include "PictureTiling.h"

std::vector<QPoint> TilePositions(QSize picture, QSize area) {
    std::vector<QPoint> positions;
    if (picture.width() <= 0 || picture.height() <= 0)
        return positions;
    for (qint64 y = 0; y <= area.height(); y += picture.height())
        for (qint64 x = 0; x <= area.width(); x += picture.width())
            positions.emplace_back(int(x), int(y));
    return positions;
}
