#include "html/ColorAttribute.h"

#include "core/CssColorNames.h"
#include "core/NamedColorTable.h"
#include "settings/ProgramOptions.h"

QString ColorToAttributeText(TColor color, bool preferName, const NamedColorTable& table,
                             HtmlCase mode) {
    // Only a name a browser reads as this very colour: not the odd built-in
    // row, nor a stored name that is no colour name at all.
    if (preferName) {
        for (int i = 0; i < table.count(); ++i) {
            const NamedColor& row = table.at(i);
            if (row.value == color && IsCssColorName(row.name, color))
                return ApplyHtmlCase(row.name, mode);
        }
    }
    return ColorToHtml(color);
}

QString ColorToAttributeText(TColor color, bool preferName, const ProgramOptions& options) {
    return ColorToAttributeText(color, preferName, options.colors, options.htmlcase);
}
