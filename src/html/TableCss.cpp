#include "html/TableCss.h"

#include "html/CellColors.h"
#include "html/CssText.h"
#include "html/HtmlCase.h"
#include "html/TableMarkup.h"
#include "settings/ProgramOptions.h"

#include <algorithm>
#include <optional>

namespace {

// One colour, or gray when a side has none.
QString SideColor(const std::optional<TColor>& color) {
    if (!color)
        return QStringLiteral("gray");
    QString text;
    AppendCssHexColor(text, *color);
    return text;
}

// "border-color" for a box whose top and left take `topLeft` and whose
// bottom and right take `bottomRight`: one value when they agree.
QString BorderColors(const std::optional<TColor>& topLeft,
                     const std::optional<TColor>& bottomRight) {
    const QString a = SideColor(topLeft);
    const QString b = SideColor(bottomRight);
    if (a == b)
        return QStringLiteral("border-color:") + a;
    return QStringLiteral("border-color:%1 %2 %2 %1").arg(a, b);
}

} // namespace

QString WriteGradientTableCss(const TablePageModel& page, const CellColors& cells,
                              const ProgramOptions& options) {
    const HtmlCase mode = options.htmlcase;
    const QString nl = HtmlLineBreak(options);
    const QString table = ApplyHtmlCase(QStringLiteral("TABLE"), mode);
    const QString tr = ApplyHtmlCase(QStringLiteral("TR"), mode);
    const QString td = ApplyHtmlCase(QStringLiteral("TD"), mode);
    const QString style =
        QLatin1Char(' ') + ApplyHtmlCase(QStringLiteral("STYLE"), mode) + QLatin1String("=\"");
    const int rows = std::clamp(page.rows, TablePageModel::kMinSize, TablePageModel::kMaxSize);
    const int columns =
        std::clamp(page.columns, TablePageModel::kMinSize, TablePageModel::kMaxSize);

    const bool borders = page.border.on || page.borderLight.on || page.borderDark.on;
    std::optional<TColor> border;
    if (page.border.on)
        border = page.border.color;
    const std::optional<TColor> light = page.borderLight.on ? page.borderLight.color : border;
    const std::optional<TColor> dark = page.borderDark.on ? page.borderDark.color : border;

    QStringList tableStyle;
    if (page.background.on) {
        QString text = QStringLiteral("background-color:");
        AppendCssHexColor(text, page.background.color);
        tableStyle.append(text);
    }
    QString cellBorder;
    if (borders) {
        // The table is raised and its cells sunk: light above and left of
        // the table, dark above and left of each cell. A border colour alone
        // draws flat, as browsers draw a table with bordercolor.
        const bool flat = !page.borderLight.on && !page.borderDark.on;
        const QString raised = flat ? QStringLiteral("solid") : QStringLiteral("outset");
        const QString sunk = flat ? QStringLiteral("solid") : QStringLiteral("inset");
        tableStyle.append(QStringLiteral("border:1px ") + raised);
        tableStyle.append(BorderColors(light, dark));
        tableStyle.append(QStringLiteral("border-spacing:3px"));
        cellBorder = QStringLiteral("border:1px ") + sunk + QLatin1Char(';') +
                     BorderColors(dark, light) + QStringLiteral(";padding:3px");
    }

    QString out;
    out.reserve(rows * columns * (70 + cellBorder.size() + page.cellText.size()) + rows * 16 + 256);
    out += QLatin1Char('<');
    out += table;
    if (!tableStyle.isEmpty())
        out += style + tableStyle.join(QLatin1Char(';')) + QLatin1Char('"');
    out += QLatin1Char('>');
    out += nl;

    for (int row = 0; row < rows; ++row) {
        out += QLatin1Char('<') + tr + QLatin1Char('>') + nl;
        for (int column = 0; column < columns; ++column) {
            out += QLatin1Char('<');
            out += td;
            const std::optional<TColor> back = cells.background({column, row});
            const std::optional<TColor> text = cells.text({column, row});
            if (back || text || borders) {
                out += style;
                bool first = true;
                if (back) {
                    out += QLatin1String("background-color:");
                    AppendCssHexColor(out, *back);
                    first = false;
                }
                if (text) {
                    out += first ? QLatin1String("color:") : QLatin1String(";color:");
                    AppendCssHexColor(out, *text);
                    first = false;
                }
                if (borders) {
                    if (!first)
                        out += QLatin1Char(';');
                    out += cellBorder;
                }
                out += QLatin1Char('"');
            }
            out += QLatin1Char('>');
            out += page.cellText;
            out += QLatin1String("</");
            out += td;
            out += QLatin1Char('>');
        }
        out += QLatin1String("</") + tr + QLatin1Char('>') + nl;
    }
    out += QLatin1String("</") + table + QLatin1Char('>') + nl;
    return out;
}
