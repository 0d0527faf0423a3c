#include "gradient/GplPalette.h"

namespace {

// Palette lines end at a line break; names must not hold one.
QByteArray OneLine(const QString& text) {
    QString line;
    for (const QChar c : text)
        line += c.isPrint() ? c : QChar(u' ');
    return line.toUtf8();
}

} // namespace

QByteArray WriteGplPalette(std::span<const GradientTable> tables, const QString& name) {
    QByteArray gpl = "GIMP Palette\nName: " + OneLine(name) + "\nColumns: 0\n#\n";
    for (const GradientTable& table : tables) {
        gpl += "# " + OneLine(table.name) + '\n';
        std::vector<GradientStop> stops = table.stops();
        SortGradientStops(stops);
        for (const GradientStop& stop : stops) {
            gpl += QStringLiteral("%1 %2 %3\t")
                       .arg(ColorRed(stop.color), 3)
                       .arg(ColorGreen(stop.color), 3)
                       .arg(ColorBlue(stop.color), 3)
                       .toLatin1() +
                   OneLine(table.name) + " @" + QByteArray::number(stop.position) + '\n';
        }
    }
    return gpl;
}
