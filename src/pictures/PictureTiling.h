#pragma once

#include <QPoint>
#include <QSize>
#include <vector>

// Where a picture is drawn to tile an area: from (0, 0) in steps of the
// picture's size, while a tile's start is not beyond the area's width and
// height (a tile starting exactly on the far edge is drawn). A picture with
// no width or height never tiles.
std::vector<QPoint> TilePositions(QSize picture, QSize area);
