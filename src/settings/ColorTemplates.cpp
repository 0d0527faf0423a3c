#include "settings/ColorTemplates.h"

#include "colorspace/ColorTemplate.h"
#include "core/CommaText.h"

#include <algorithm>

namespace {

bool HasControl(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

bool IsStorableColorTemplate(const ColorTemplate& entry) {
    return !entry.name.trimmed().isEmpty() && entry.name.size() <= kColorTemplateNameLength &&
           entry.format.size() <= qsizetype(kColorTemplateMaxLength) &&
           entry.format.toUtf8().size() <= qsizetype(kColorTemplateMaxLength) &&
           !HasControl(entry.name) && !HasControl(entry.format);
}

QString ColorTemplateRecord(const ColorTemplate& entry) {
    return WriteCommaText({entry.name, entry.format});
}

std::optional<ColorTemplate> ReadColorTemplateRecord(const QString& record) {
    // A record far longer than any storable one is not split at all.
    if (record.size() > 2 * qsizetype(kColorTemplateMaxLength + kColorTemplateNameLength) + 8)
        return std::nullopt;
    const QStringList fields = ReadCommaText(record);
    if (fields.size() < 2)
        return std::nullopt;
    ColorTemplate entry{fields[0], fields[1]};
    if (!IsStorableColorTemplate(entry))
        return std::nullopt;
    return entry;
}

const ColorTemplate* FindColorTemplate(const ColorTemplateList& list, const QString& name) {
    for (const ColorTemplate& entry : list)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

void LoadDefaultColorTemplates(ColorTemplateList& list) {
    list.clear();
}
