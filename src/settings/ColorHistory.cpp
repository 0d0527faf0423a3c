#include "settings/ColorHistory.h"

#include "settings/SettingsStore.h"

#include <QStringList>
#include <QStringView>
#include <algorithm>
#include <cctype>
#include <optional>

namespace {

const QString kSection = QStringLiteral("ColorHistory");
const QString kValue = QStringLiteral("Colors");
// A stored text of more pieces than this is read no further: a huge
// damaged value costs no more than a full history would.
constexpr int kMostPieces = ColorHistory::kCapacity * 4;

std::optional<TColor> ReadHexColor(QStringView piece) {
    piece = piece.trimmed();
    if (piece.size() != 7 || piece.front() != QLatin1Char('#'))
        return std::nullopt;
    const QStringView digits = piece.mid(1);
    // Six hex digits, no sign or space that a number reader would take.
    if (!std::all_of(digits.begin(), digits.end(),
                     [](QChar c) { return c.unicode() < 0x80 && std::isxdigit(c.unicode()); }))
        return std::nullopt;
    const uint rgb = digits.toUInt(nullptr, 16);
    return RgbToColor(int(rgb >> 16), int(rgb >> 8), int(rgb));
}

} // namespace

void ColorHistory::add(TColor color) {
    color &= 0xFFFFFF;
    std::erase(m_colors, color);
    m_colors.insert(m_colors.begin(), color);
    if (m_colors.size() > std::size_t(kCapacity))
        m_colors.resize(std::size_t(kCapacity));
}

QString ColorHistory::record() const {
    QStringList pieces;
    for (const TColor color : m_colors)
        pieces << ColorToHtml(color);
    return pieces.join(QLatin1Char(','));
}

void ColorHistory::readRecord(const QString& text) {
    m_colors.clear();
    int pieces = 0;
    for (const QStringView piece : QStringView(text).tokenize(QLatin1Char(','))) {
        if (++pieces > kMostPieces || m_colors.size() == std::size_t(kCapacity))
            break;
        const std::optional<TColor> color = ReadHexColor(piece);
        if (color && std::find(m_colors.begin(), m_colors.end(), *color) == m_colors.end())
            m_colors.push_back(*color);
    }
}

void ColorHistory::load(const SettingsStore& store) {
    readRecord(store.readString(kSection, kValue));
}

void ColorHistory::save(SettingsStore& store) const {
    store.writeString(kSection, kValue, record());
}
