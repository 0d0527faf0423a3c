#include "gradient/GradientRecord.h"

#include <cstdint>

namespace {

QString Quoted(const QString& field) {
    QString escaped = field;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

bool IsBlank(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= 0x20;
}

} // namespace

QString GradientTableToRecord(const GradientTable& table) {
    const std::vector<GradientStop> stops = table.stops();
    QStringList fields;
    fields << Quoted(table.name) << Quoted(QString::number(stops.size()));
    for (const GradientStop& stop : stops)
        fields << Quoted(QString::number(stop.position));
    for (const GradientStop& stop : stops)
        fields << Quoted(QString::number(std::int32_t(stop.color)));
    return fields.join(QLatin1Char(','));
}

GradientTable GradientTableFromRecord(const QString& record) {
    const QStringList fields = SplitCommaText(record);
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

QStringList SplitCommaText(const QString& text) {
    QStringList fields;
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < size && IsBlank(text.at(i)))
            ++i;
    };
    skipBlanks();
    while (i < size && text.at(i) != QChar(0)) {
        QString field;
        if (text.at(i) == QLatin1Char('"')) {
            ++i;
            while (i < size) {
                if (text.at(i) == QLatin1Char('"')) {
                    if (i + 1 < size && text.at(i + 1) == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text.at(i++);
            }
        } else {
            const qsizetype start = i;
            while (i < size && !IsBlank(text.at(i)) && text.at(i) != QLatin1Char(',') &&
                   text.at(i) != QChar(0))
                ++i;
            field = text.mid(start, i - start);
        }
        fields << field;
        skipBlanks();
        if (i < size && text.at(i) == QLatin1Char(',')) {
            ++i;
            skipBlanks();
        }
    }
    return fields;
}
