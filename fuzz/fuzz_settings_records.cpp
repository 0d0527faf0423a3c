// Stored record texts: the comma-text reader, the named colour, body
// preset and colour template records and the colour history must take
// anything, and a record the writer made must read back as the fields it was
// made from. A template read must fill with a colour or name its fault.
#include "core/CommaText.h"
#include "core/CssColorText.h"
#include "core/NamedColorTable.h"
#include "settings/BodyPreset.h"
#include "settings/ColorHistory.h"
#include "settings/ColorTemplates.h"
#include "settings/OptionsStore.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString record = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    const QStringList fields = ReadCommaText(record);
    if (ReadCommaText(WriteCommaText(fields)) != fields)
        std::abort();

    NamedColor color;
    if (ReadNamedColorRecord(record, color)) {
        NamedColor again;
        if (!ReadNamedColorRecord(NamedColorRecord(color), again) || !(again == color))
            std::abort();
    }
    BodyPreset preset;
    if (ReadBodyPresetRecord(record, preset)) {
        BodyPreset again;
        if (!ReadBodyPresetRecord(BodyPresetRecord(preset), again) || !(again == preset))
            std::abort();
    }
    if (const std::optional<ColorTemplate> entry = ReadColorTemplateRecord(record)) {
        if (ReadColorTemplateRecord(ColorTemplateRecord(*entry)) != entry)
            std::abort();
        const ColorTemplateOutput output = WriteColorTemplateText(0x3366FF, entry->format);
        if (output ? !output.where.isEmpty() : !output.text.isEmpty())
            std::abort();
    }
    ColorHistory history;
    history.readRecord(record);
    std::vector<TColor> colors = history.colors();
    ColorHistory again;
    again.readRecord(history.record());
    if (again.colors() != colors || colors.size() > std::size_t(ColorHistory::kCapacity))
        std::abort();
    std::sort(colors.begin(), colors.end());
    if (std::adjacent_find(colors.begin(), colors.end()) != colors.end() ||
        std::any_of(colors.begin(), colors.end(), [](TColor c) { return c > 0xFFFFFF; }))
        std::abort();
    return 0;
}
