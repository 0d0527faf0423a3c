#pragma once

// The options that choose how generated markup is written. Their numbers
// are the values stored in the settings.

// Letter case of generated tag names, attribute names and colour names.
enum class HtmlCase { Lower = 0, Upper = 1, Capital = 2 };

// Classic markup uses FONT, bgcolor and the other presentational attributes;
// CSS markup uses style attributes and a style block; modern markup is CSS
// markup that leaves continuous gradients to the browser's linear-gradient.
enum class MarkupStyle { Classic = 0, Css = 1, Modern = 2 };

// The colour space a gradient walks through between two stops. sRGB is the
// straight walk of the 8-bit channels; OKLCH takes the shorter hue arc.
enum class GradientInterpolation { Srgb = 0, Oklab = 1, Oklch = 2 };

// The interpolation words of a CSS linear-gradient(), with a leading space:
// empty for sRGB, which is the browsers' default for hex colour stops.
constexpr const char* CssInterpolationClause(GradientInterpolation interpolation) {
    switch (interpolation) {
    case GradientInterpolation::Oklab:
        return " in oklab";
    case GradientInterpolation::Oklch:
        return " in oklch shorter hue";
    case GradientInterpolation::Srgb:
        break;
    }
    return "";
}
