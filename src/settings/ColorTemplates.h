#pragma once

#include <QList>
#include <QString>
#include <optional>

// A user template of the colour page: a name and a text with placeholders
// (colorspace/ColorTemplate.h) that the colour is written into.
struct ColorTemplate {
    QString name;
    QString format;
    bool operator==(const ColorTemplate&) const = default;
};

using ColorTemplateList = QList<ColorTemplate>;

inline constexpr int kColorTemplateCapacity = 64;
inline constexpr int kColorTemplateNameLength = 64;

// Whether a template may be kept: a name of 1..64 characters that is not
// only blanks, a text no longer than the formatter takes, and neither
// holding a control character (it is stored as one line).
bool IsStorableColorTemplate(const ColorTemplate& entry);

// The stored record, "name","format", and its reader: nullopt for a record
// with too few fields or one that is not storable.
QString ColorTemplateRecord(const ColorTemplate& entry);
std::optional<ColorTemplate> ReadColorTemplateRecord(const QString& record);

// The template of that exact name, or null.
const ColorTemplate* FindColorTemplate(const ColorTemplateList& list, const QString& name);

// No templates: the list a first start has.
void LoadDefaultColorTemplates(ColorTemplateList& list);
