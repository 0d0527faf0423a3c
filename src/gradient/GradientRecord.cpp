#include "gradient/GradientRecord.h"

#include "core/CommaText.h"

#include <cstdint>

QString GradientTableToRecord(const GradientTable& table) {
    const std::vector<GradientStop> stops = table.stops();
    QStringList fields;
    fields << table.name << QString::number(stops.size());
    for (const GradientStop& stop : stops)
        fields << QString::number(stop.position);
    for (const GradientStop& stop : stops)
        fields << QString::number(std::int32_t(stop.color));
    return WriteCommaText(fields);
}

GradientTable GradientTableFromRecord(const QString& record) {
    const QStringList fields = ReadCommaText(record);
    GradientTable table;
    if (fields.isEmpty())
        return table;
    table.name = fields.at(0);
    if (fields.size() < 2)
        return table;
    bool ok = false;
    const int n = fields.at(1).toInt(&ok);
    if (!ok || n < 0 || n > kMaxGradientStops || fields.size() < 2 + 2 * n)
        return table;
    std::vector<GradientStop> stops(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        bool positionOk = false;
        bool colorOk = false;
        stops[size_t(i)].position = fields.at(2 + i).toInt(&positionOk);
        stops[size_t(i)].color = TColor(fields.at(2 + n + i).toInt(&colorOk));
        if (!positionOk || !colorOk)
            return table;
    }
    table.setStops(stops);
    return table;
}
