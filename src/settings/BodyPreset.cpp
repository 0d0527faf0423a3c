#include "settings/BodyPreset.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

struct Row {
    const char* name;
    const char* bgcolor;
    const char* text;
    const char* link;
    const char* alink;
    const char* vlink;
};

// clang-format off
const Row kRows[BodyPresetList::BuiltInCount] = {
    {QT_TRANSLATE_NOOP("BodyPreset", "netscape 標準"), "#FFFFFF", "#000000", "#0000FF", "#000088", "#FF0000"},
    {QT_TRANSLATE_NOOP("BodyPreset", "白地に黒色"), "#FFFFFF", "#000000", "#FF0000", "#0000FF", "#800080"},
    {QT_TRANSLATE_NOOP("BodyPreset", "オフホワイトに黒色"), "#FFF0F0", "#000000", "#FF0000", "#0000FF", "#800080"},
    {QT_TRANSLATE_NOOP("BodyPreset", "ライトイエローに黒色"), "#FFFFC0", "#000000", "#0000FF", "#FF00FF", "#800080"},
    {QT_TRANSLATE_NOOP("BodyPreset", "黄色に黒色"), "#FFFF80", "#400040", "#0000FF", "#FF0080", "#008000"},
    {QT_TRANSLATE_NOOP("BodyPreset", "ライトブルーに黒色"), "#C0C0FF", "#000000", "#0000FF", "#FF0080", "#800080"},
    {QT_TRANSLATE_NOOP("BodyPreset", "ミディアムブルーに黒色"), "#8080C0", "#000000", "#FFFFFF", "#FFFF00", "#800080"},
    {QT_TRANSLATE_NOOP("BodyPreset", "オレンジに青色"), "#FFC040", "#000080", "#0000FF", "#00FFFF", "#008000"},
    {QT_TRANSLATE_NOOP("BodyPreset", "黒字に白色"), "#000000", "#FFFFFF", "#FFFF00", "#C0FFC0", "#C0C0C0"},
    {QT_TRANSLATE_NOOP("BodyPreset", "緑色に白色"), "#004000", "#FFFFFF", "#FFFF00", "#00FF40", "#80FF80"},
    {QT_TRANSLATE_NOOP("BodyPreset", "緑色に白色"), "#000080", "#FFFFFF", "#FFFF00", "#FF00FF", "#8080FF"},
    {QT_TRANSLATE_NOOP("BodyPreset", "バイオレットに白色"), "#800080", "#FFFFFF", "#00FFFF", "#00FF00", "#80FFFF"},
};
// clang-format on

TColor Hex(const char* text) {
    return HtmlToColor(QString::fromLatin1(text));
}

} // namespace

void BodyPresetList::setCount(int count) {
    m_count = std::clamp(count, 0, Capacity);
}

bool BodyPresetList::operator==(const BodyPresetList& other) const {
    return m_count == other.m_count &&
           std::equal(m_slots.begin(), m_slots.begin() + m_count, other.m_slots.begin());
}

bool BodyPresetList::append(const BodyPreset& preset) {
    if (m_count >= Capacity)
        return false;
    m_slots[std::size_t(m_count++)] = preset;
    return true;
}

void BodyPresetList::removeAt(int index) {
    if (index < 0 || index >= m_count)
        return;
    std::move(m_slots.begin() + index + 1, m_slots.begin() + m_count, m_slots.begin() + index);
    m_slots[std::size_t(--m_count)] = BodyPreset();
}

void LoadDefaultBodyPresets(BodyPresetList& list) {
    list.setCount(BodyPresetList::BuiltInCount);
    for (int i = 0; i < BodyPresetList::BuiltInCount; ++i) {
        const Row& row = kRows[i];
        // Named in the interface language; once stored, a name is the user's.
        list.at(i) = {QCoreApplication::translate("BodyPreset", row.name),
                      Hex(row.bgcolor),
                      Hex(row.text),
                      Hex(row.link),
                      Hex(row.alink),
                      Hex(row.vlink)};
    }
}
