#pragma once

// The options that choose how generated markup is written. Their numbers
// are the values stored in the settings.

// Letter case of generated tag names, attribute names and colour names.
enum class HtmlCase { Lower = 0, Upper = 1, Capital = 2 };

// Classic markup uses FONT, bgcolor and the other presentational attributes;
// CSS markup uses style attributes and a style block.
enum class MarkupStyle { Classic = 0, Css = 1 };
