#include "html/ColorPageModel.h"

#include "core/CssColorText.h"
#include "html/ColorNotation.h"
#include "settings/ProgramOptions.h"

#include <QCoreApplication>

ColorPageText WriteColorPage(TColor color, const ColorPageModel& page,
                             const ProgramOptions& options) {
    if (page.templateName) {
        const ColorTemplate* entry = FindColorTemplate(options.colortemplates, *page.templateName);
        if (!entry)
            return {{},
                    QCoreApplication::translate("ColorPageModel", "テンプレート「%1」がありません")
                        .arg(*page.templateName),
                    QStringLiteral("no template named \"%1\"").arg(*page.templateName)};
        const ColorTemplateOutput output = WriteColorTemplateText(color, entry->format);
        if (!output)
            return {{},
                    QCoreApplication::translate("ColorPageModel", "テンプレート「%1」: %2")
                        .arg(entry->name, ColorTemplateFaultText(output)),
                    QStringLiteral("template \"%1\": %2: %3")
                        .arg(entry->name, output.where,
                             QString::fromLatin1(ColorTemplateErrorText(output.error)))};
        return {output.text, {}, {}};
    }
    if (page.css)
        return {WriteCssColorText(color, *page.css), {}, {}};
    return {WriteColorNotation(color, page.notation, options), {}, {}};
}
