#pragma once

#include "core/Color.h"
#include "core/NamedColorTable.h"
#include "settings/BodyPreset.h"

#include <QString>
#include <QStringList>
#include <cstdint>

inline constexpr int kMarkupClassic = 0;
inline constexpr int kMarkupCss = 1;

// The program-wide option record, its fields named after their stored
// values. A fresh record has empty tables; LoadOptions fills them.
struct ProgramOptions {
    // Each entry a complete FACE value, e.g. "Arial,Helvetica".
    QStringList fonttable;
    // The text written into every cell of a generated table.
    QString tblchar = QStringLiteral("★");
    // Letter case of generated markup: 0 lower, 1 upper, 2 first letter upper.
    std::uint8_t htmlcase = 0;
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
    // How the generators write their markup: kMarkupClassic (FONT, bgcolor
    // and the other presentational attributes) or kMarkupCss (style
    // attributes and a style block).
    std::uint8_t markupstyle = 0;
    // The gradient-text page writes '<', '>' and '&' as typed instead of
    // escaping them.
    bool rawtext = false;

    bool operator==(const ProgramOptions&) const = default;
};

// The seven built-in font faces, in order.
QStringList DefaultFontTable();
// Empties the font table and adds the built-in faces.
void LoadDefaultFontTable(QStringList& fonttable);
