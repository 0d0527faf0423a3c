#pragma once

#include "colorspace/CssColorWriter.h"
#include "core/Color.h"

#include <QString>
#include <optional>

struct ProgramOptions;

// What the colour page writes: the notation of its radio group, or the entry
// chosen in its format list (a modern notation or a user template), which
// then stands in for the radio group.
struct ColorPageModel {
    int notation = 0; // 0..9
    std::optional<CssFormat> css;
    std::optional<QString> templateName;
    bool operator==(const ColorPageModel&) const = default;
};

// The page's text; when a user template is gone or at fault, no text and why.
struct ColorPageText {
    QString text;
    QString error;        // in the interface language
    QString englishError; // for the command line
};

ColorPageText WriteColorPage(TColor color, const ColorPageModel& page,
                             const ProgramOptions& options);
