#pragma once

#include "core/Color.h"

#include <QString>
#include <optional>
#include <span>
#include <utility>

// The colour names of CSS with the colours browsers draw for them. The
// named colour table is the user's own list; these are what a name means
// once it is written into a page.

// The colour a browser reads `name` as, compared without regard to ASCII
// case; nullopt for any text that is not a CSS colour name.
std::optional<TColor> CssNamedColor(const QString& name);

// Whether a browser reads `name` as exactly `color`.
bool IsCssColorName(const QString& name, TColor color);

// Every name, lower case, each once.
std::span<const std::pair<const char*, TColor>> CssColorNames();
