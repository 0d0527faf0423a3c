#include "html/ColorAttribute.h"

#include "core/NamedColorTable.h"
#include "settings/ProgramOptions.h"

QString ColorToAttributeText(TColor color, bool preferName, const NamedColorTable& table,
                             HtmlCase mode) {
    if (preferName) {
        if (const std::optional<int> row = table.indexOfColor(color))
            return ApplyHtmlCase(table.at(*row).name, mode);
    }
    return ColorToHtml(color);
}

QString ColorToAttributeText(TColor color, bool preferName, const ProgramOptions& options) {
    return ColorToAttributeText(color, preferName, options.colors,
                                HtmlCaseFromOption(options.htmlcase));
}
