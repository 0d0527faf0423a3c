#include "core/CommaText.h"

namespace {

bool IsBlank(QChar ch) {
    return ch.unicode() >= 1 && ch.unicode() <= 0x20;
}

} // namespace

QStringList ReadCommaText(const QString& record) {
    QStringList fields;
    const qsizetype n = record.size();
    // A NUL ends the record, as it ends the stored string it came from.
    qsizetype end = record.indexOf(QChar(0));
    if (end < 0)
        end = n;
    qsizetype p = 0;
    while (p < end && IsBlank(record[p]))
        ++p;
    while (p < end) {
        QString field;
        if (record[p] == QLatin1Char('"')) {
            ++p;
            while (p < end) {
                if (record[p] == QLatin1Char('"')) {
                    if (p + 1 < end && record[p + 1] == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p; // the closing quote
                    break;
                }
                field += record[p++];
            }
        } else {
            const qsizetype first = p;
            while (p < end && !IsBlank(record[p]) && record[p] != QLatin1Char(','))
                ++p;
            field = record.mid(first, p - first);
        }
        fields.append(field);
        while (p < end && IsBlank(record[p]))
            ++p;
        if (p < end && record[p] == QLatin1Char(',')) {
            ++p;
            while (p < end && IsBlank(record[p]))
                ++p;
        }
    }
    return fields;
}

QString WriteCommaText(const QStringList& fields) {
    QString record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += QLatin1Char(',');
        QString field = fields[i];
        field.replace(QLatin1Char('"'), QLatin1String("\"\""));
        record += QLatin1Char('"') + field + QLatin1Char('"');
    }
    return record;
}
