#include "html/GradientTextFont.h"

#include "core/jString.h"

#include <array>
#include <vector>

namespace {

constexpr std::array<int, 8> kItemPoints{11, 8, 10, 12, 14, 18, 24, 36};

} // namespace

int FindFontEntry(const QStringList& fonttable, const QString& fontName) {
    const QByteArray name = ToCp932(fontName);
    std::vector<QByteArray> entries;
    entries.reserve(size_t(fonttable.size()));
    for (const QString& entry : fonttable)
        entries.push_back(ToCp932(entry));
    for (size_t i = 0; i < entries.size(); ++i)
        if (CharPos(name, entries[i]) == 1)
            return int(i);
    for (size_t i = 0; i < entries.size(); ++i)
        if (CharPos(name, entries[i]) > 0)
            return int(i);
    return 0;
}

QString FontNameOfEntry(const QString& entry) {
    // A comma is one byte in code page 932 and never a trail byte, so the
    // first comma of the Qt text is the first comma character.
    const qsizetype comma = entry.indexOf(QLatin1Char(','));
    return comma < 0 ? entry : entry.left(comma);
}

int FontCharSet(const QString& fontName) {
    // Characters the code page cannot hold count as two bytes, so they make
    // the name a double-byte one as well.
    return Cp932TextWidth(fontName) == fontName.toUcs4().size() ? kDefaultCharSet
                                                                : kShiftJisCharSet;
}

QString FontSizeToHtml(double points) {
    const char* digit = points <= 8    ? "1"
                        : points <= 10 ? "2"
                        : points <= 12 ? "3"
                        : points <= 14 ? "4"
                        : points <= 18 ? "5"
                        : points <= 24 ? "6"
                                       : "7";
    return QString::fromLatin1(digit);
}

QStringList FontSizeItems() {
    return {QStringLiteral("Normal"),   QStringLiteral("1 ( 8pt)"), QStringLiteral("2 (10pt)"),
            QStringLiteral("3 (12pt)"), QStringLiteral("4 (14pt)"), QStringLiteral("5 (18pt)"),
            QStringLiteral("6 (24pt)"), QStringLiteral("7 (36pt)")};
}

double PointsOfFontSizeItem(int item) {
    return item >= 1 && item < kFontSizeItemCount ? kItemPoints[size_t(item)] : kItemPoints[0];
}

int FontSizeItemOfPoints(double points) {
    for (int item = 1; item < kFontSizeItemCount; ++item)
        if (points == kItemPoints[size_t(item)])
            return item;
    return 0;
}
