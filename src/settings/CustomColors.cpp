#include "settings/CustomColors.h"

#include "settings/SettingsStore.h"

QString CustomColorName(int index) {
    return QStringLiteral("Color") + QChar(u'A' + index);
}

CustomColorSet LoadCustomColors(const SettingsStore& store) {
    CustomColorSet colors{};
    TColor buffer = 0;
    for (int i = 0; i < int(colors.size()); ++i) {
        const std::optional<QByteArray> bytes =
            store.readBytes(kCustomColorsSection, CustomColorName(i));
        if (bytes && bytes->size() == 4) {
            const auto* b = reinterpret_cast<const unsigned char*>(bytes->constData());
            buffer = TColor(b[0]) | TColor(b[1]) << 8 | TColor(b[2]) << 16 | TColor(b[3]) << 24;
        }
        colors[std::size_t(i)] = buffer;
    }
    return colors;
}

void SaveCustomColors(SettingsStore& store, const CustomColorSet& colors) {
    for (int i = 0; i < int(colors.size()); ++i) {
        const TColor c = colors[std::size_t(i)];
        const char bytes[4] = {char(c & 0xFF), char((c >> 8) & 0xFF), char((c >> 16) & 0xFF),
                               char((c >> 24) & 0xFF)};
        store.writeBytes(kCustomColorsSection, CustomColorName(i), QByteArray(bytes, 4));
    }
}
