#pragma once

#include "DibContent.h"

#include <functional>

// Splits a 24-bit picture's colours into at most `maxColors` palette entries
// and writes them to `table`; returns how many. Low: the histogram split, one
// entry per box. High: a picture of no more colours than that gets exactly its
// own colours, any other `maxColors` distinct entries. `step` runs `steps` times.
int BuildTrueColorPalette(const DibContent& source, bool high, int maxColors, ColorTable& table,
                          const std::function<void()>& step, int steps = 256, int divideId = 0);
