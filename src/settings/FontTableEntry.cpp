#include "settings/FontTableEntry.h"

#include <QCoreApplication>

#include <algorithm>

bool IsStorableFontTableEntry(const QString& entry) {
    return std::none_of(entry.cbegin(), entry.cend(), [](QChar c) {
        return c == QLatin1Char('"') || c.category() == QChar::Other_Control ||
               c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
}

QString FontTableEntryRefusal() {
    return QCoreApplication::translate(
        "FontTableEntry",
        "フォント名に \" (ダブルクォーテーション) や改行などの制御文字は使えません。");
}
