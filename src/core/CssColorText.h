#pragma once

#include "colorspace/ColorTemplate.h"
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

// A user template filled with `color`; no text when the template has a fault.
struct ColorTemplateOutput {
    QString text;
    ColorTemplateError error = ColorTemplateError::None;
    QString where; // the placeholder at fault
    explicit operator bool() const { return error == ColorTemplateError::None; }
};
ColorTemplateOutput WriteColorTemplateText(TColor color, const QString& format);
// The fault in the interface language, naming the placeholder.
QString ColorTemplateFaultText(const ColorTemplateOutput& output);

// The CSS named colour nearest to `color` in OKLab (the first name in
// alphabetical order on a tie) and its distance, 0 for a named colour.
struct NearestCssName {
    QString name;
    double deltaE = 0;
};
NearestCssName NearestCssColorName(TColor color);
