#pragma once

#include "core/Color.h"

// The window system's window colour (the ground of edit boxes and lists),
// resolved to its red, green and blue now, so markup can name it.
TColor WindowColorRgb();
