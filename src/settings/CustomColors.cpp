#include "settings/CustomColors.h"

#include "settings/SettingsStore.h"

QString CustomColorName(int index) {
    return QStringLiteral("Color") + QChar(u'A' + index);
}

QByteArray CustomColorBytes(TColor color) {
    const char bytes[4] = {char(color & 0xFF), char((color >> 8) & 0xFF),
                           char((color >> 16) & 0xFF), char((color >> 24) & 0xFF)};
    return QByteArray(bytes, 4);
}

std::optional<TColor> CustomColorFromBytes(const QByteArray& bytes) {
    if (bytes.size() != 4)
        return std::nullopt;
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.constData());
    return TColor(b[0]) | TColor(b[1]) << 8 | TColor(b[2]) << 16 | TColor(b[3]) << 24;
}

namespace {

std::optional<TColor> StoredColor(const SettingsStore& store, int index) {
    const std::optional<QByteArray> bytes =
        store.readBytes(kCustomColorsSection, CustomColorName(index));
    return bytes ? CustomColorFromBytes(*bytes) : std::nullopt;
}

} // namespace

CustomColorSet LoadCustomColors(const SettingsStore& store) {
    CustomColorSet colors{};
    TColor buffer = 0;
    for (int i = 0; i < int(colors.size()); ++i) {
        if (const std::optional<TColor> stored = StoredColor(store, i))
            buffer = *stored;
        colors[std::size_t(i)] = buffer;
    }
    return colors;
}

void SaveCustomColors(SettingsStore& store, const CustomColorSet& colors) {
    for (int i = 0; i < int(colors.size()); ++i) {
        TColor color = colors[std::size_t(i)];
        const std::optional<TColor> stored = StoredColor(store, i);
        if (stored && (color >> 24) == 0 && (*stored & 0xFFFFFF) == color)
            color = *stored;
        store.writeBytes(kCustomColorsSection, CustomColorName(i), CustomColorBytes(color));
    }
}
