#include "core/CssColorNames.h"

#include "core/NamedColorTable.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace {

// Names the built-in table leaves out: the grey spellings and the one colour
// added to CSS later.
constexpr std::pair<const char*, TColor> kExtraNames[] = {
    {"darkgrey", RgbToColor(0xA9, 0xA9, 0xA9)},
    {"darkslategrey", RgbToColor(0x2F, 0x4F, 0x4F)},
    {"dimgrey", RgbToColor(0x69, 0x69, 0x69)},
    {"grey", RgbToColor(0x80, 0x80, 0x80)},
    {"lightgray", RgbToColor(0xD3, 0xD3, 0xD3)},
    {"lightslategrey", RgbToColor(0x77, 0x88, 0x99)},
    {"rebeccapurple", RgbToColor(0x66, 0x33, 0x99)},
    {"slategrey", RgbToColor(0x70, 0x80, 0x90)},
};

// The built-in row that names #A0CE00 "aliceblue": browsers draw #F0F8FF.
constexpr int kOddBuiltInRow = 61;

struct NameList {
    std::vector<QByteArray> names; // owns the texts the pairs point into
    std::vector<std::pair<const char*, TColor>> pairs;
    QHash<QString, TColor> byName;
};

const NameList& Names() {
    static const NameList list = [] {
        NameList result;
        const auto& rows = BuiltInNamedColors();
        for (int i = 0; i < int(rows.size()); ++i) {
            if (i != kOddBuiltInRow)
                result.byName.insert(rows[size_t(i)].name, rows[size_t(i)].value);
        }
        for (const auto& [name, color] : kExtraNames)
            result.byName.insert(QString::fromLatin1(name), color);
        result.names.reserve(size_t(result.byName.size()));
        for (auto it = result.byName.cbegin(); it != result.byName.cend(); ++it)
            result.names.push_back(it.key().toLatin1());
        std::sort(result.names.begin(), result.names.end());
        for (const QByteArray& name : result.names)
            result.pairs.emplace_back(name.constData(),
                                      result.byName.value(QString::fromLatin1(name)));
        return result;
    }();
    return list;
}

} // namespace

std::optional<TColor> CssNamedColor(const QString& name) {
    // Browsers fold ASCII letters only.
    QString key = name;
    for (QChar& ch : key) {
        if (ch.unicode() > 0x7F)
            return std::nullopt;
        if (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
            ch = QChar(ch.unicode() + 32);
    }
    const NameList& list = Names();
    const auto it = list.byName.constFind(key);
    if (it == list.byName.constEnd())
        return std::nullopt;
    return *it;
}

bool IsCssColorName(const QString& name, TColor color) {
    return CssNamedColor(name) == color;
}

std::span<const std::pair<const char*, TColor>> CssColorNames() {
    return Names().pairs;
}
