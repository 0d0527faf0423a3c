#pragma once

#include "settings/ProgramOptions.h"

#include <cstdint>

namespace {

// Options with the built-in colour names and the given markup settings.
inline ProgramOptions HtmlOptions(int htmlcase, bool htmlcr = false, bool colorconst = false) {
    ProgramOptions options;
    LoadDefaultNamedColors(options.colors);
    options.htmlcase = HtmlCase(htmlcase);
    options.htmlcr = htmlcr;
    options.colorconst = colorconst;
    return options;
}

} // namespace
