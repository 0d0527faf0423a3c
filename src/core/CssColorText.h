#pragma once

#include "colorspace/CssColorWriter.h"
#include "core/Color.h"

#include <QString>

// CSS colour texts for the program's colours: names mean what browsers draw.

struct CssColorInput {
    CssColorError error = CssColorError::None;
    TColor color = 0;
    bool mapped = false; // it lay outside sRGB and was gamut-mapped
    explicit operator bool() const { return error == CssColorError::None; }
};

CssColorInput ReadCssColorText(const QString& text);

QString WriteCssColorText(TColor color, CssFormat format);

// The CSS named colour nearest to `color` in OKLab (the first name in
// alphabetical order on a tie) and its distance, 0 for a named colour.
struct NearestCssName {
    QString name;
    double deltaE = 0;
};
NearestCssName NearestCssColorName(TColor color);
