#include "ColorArgument.h"

#include "CliContext.h"
#include "core/CssColorNames.h"
#include "core/CssColorText.h"
#include "settings/ProgramOptions.h"

#include <QRegularExpression>

TColor ParseColorArgument(const CliContext& context, const QString& text) {
    static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
    if (hex.match(text).hasMatch())
        return HtmlToColor(text);
    const QStringList parts = text.split(QLatin1Char(','));
    // "rgb(1, 2, 3)" has commas too: it is a CSS text, read below.
    if (parts.size() == 3 && !text.contains(QLatin1Char('('))) {
        int rgb[3];
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            rgb[i] = parts[i].trimmed().toInt(&ok);
            if (!ok || rgb[i] < 0 || rgb[i] > 255)
                throw UsageError(QStringLiteral("bad colour '%1': R,G,B take 0..255").arg(text));
        }
        return RgbToColor(rgb[0], rgb[1], rgb[2]);
    }
    // A colour name means what browsers draw for it, whatever the table says.
    if (const std::optional<TColor> css = CssNamedColor(text))
        return *css;
    const ProgramOptions options = context.loadOptions();
    if (const std::optional<int> row = options.colors.indexOfName(text))
        return options.colors.at(*row).value;
    const CssColorInput css = ReadCssColorText(text);
    if (css)
        return css.color;
    if (css.error == CssColorError::UnknownName)
        throw UsageError(QStringLiteral("unknown colour '%1'").arg(text));
    throw UsageError(QStringLiteral("bad colour '%1': %2")
                         .arg(text, QString::fromLatin1(CssColorErrorText(css.error))));
}
