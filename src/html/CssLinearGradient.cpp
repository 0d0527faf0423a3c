#include "html/CssLinearGradient.h"

#include "gradient/GradientTable.h"
#include "html/CssText.h"

namespace {

QString Percent(double percent) {
    QString text = QString::number(percent, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text + QLatin1Char('%');
}

} // namespace

QString CssLinearGradient(std::span<const CssGradientStop> stops,
                          GradientInterpolation interpolation) {
    QString out = QStringLiteral("linear-gradient(to right") +
                  QLatin1String(CssInterpolationClause(interpolation));
    for (const CssGradientStop& stop : stops) {
        out += QLatin1String(", ");
        AppendCssHexColor(out, stop.color);
        out += QLatin1Char(' ') + Percent(stop.percent);
    }
    out += QLatin1Char(')');
    return out;
}

std::vector<CssGradientStop> CssStopsOfTable(const GradientTable& table) {
    std::vector<GradientStop> sorted = table.stops();
    SortGradientStops(sorted);
    std::vector<CssGradientStop> stops;
    stops.reserve(sorted.size());
    for (const GradientStop& stop : sorted)
        stops.push_back({stop.position * 100.0 / kGradientAxisEnd, stop.color});
    return stops;
}
