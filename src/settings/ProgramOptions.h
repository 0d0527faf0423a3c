#pragma once

#include "core/Color.h"
#include "core/NamedColorTable.h"
#include "settings/BodyPreset.h"
#include "settings/ColorTemplates.h"
#include "settings/MarkupOptions.h"

#include <QString>
#include <QStringList>

// The program-wide option record, its fields named after their stored
// values. A fresh record holds the defaults of the single values and empty
// tables; LoadOptions fills them.
struct ProgramOptions {
    // Each entry a complete FACE value, e.g. "Arial,Helvetica".
    QStringList fonttable;
    // The text written into every cell of a generated table.
    QString tblchar = QStringLiteral("★");
    // Letter case of generated markup.
    HtmlCase htmlcase = HtmlCase::Lower;
    NamedColorTable colors;
    BodyPresetList bodyPresets;
    // Background of the preview page and of saved pages.
    TColor viewback = 0xFFFFFF;
    // Write a colour by its name when it has one.
    bool colorconst = false;
    // A saved file becomes a complete HTML page.
    bool htmlsave = true;
    // Generators put line breaks into their markup.
    bool htmlcr = true;
    // Preview with the two configured browser programs instead of the file association.
    bool wwwuse = false;
    QString wwwname;
    QString wwwname2;
    // Folder of the picture plug-ins.
    QString plugin;
    // How the generators write their markup.
    MarkupStyle markupstyle = MarkupStyle::Classic;
    // The space gradients walk through between their stops.
    GradientInterpolation interpolation = GradientInterpolation::Srgb;
    // The gradient-text page writes '<', '>' and '&' as typed instead of
    // escaping them.
    bool rawtext = false;
    // The colour page's user templates, in the order the user made them.
    ColorTemplateList colortemplates;

    bool operator==(const ProgramOptions&) const = default;
};

// The seven built-in font faces, in order.
QStringList DefaultFontTable();
// Empties the font table and adds the built-in faces.
void LoadDefaultFontTable(QStringList& fonttable);
