#include "settings/OptionsStore.h"

#include "core/CommaText.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <numeric>
#include <type_traits>

namespace {

QString Indexed(const char* prefix, int i) {
    return QLatin1String(prefix) + QString::number(i);
}

// Signed, as the gradient records write colours: -1 stays "-1".
QString ColorText(TColor color) {
    return QString::number(std::int32_t(color));
}

// The indices below `count` that have a value named prefix + index. A stored
// count can be anything, so the values present are looked at, not the count.
QList<int> StoredIndices(const SettingsStore& store, const QString& section, const char* prefix,
                         int count) {
    const QLatin1String head(prefix);
    QList<int> indices;
    for (const QString& name : store.valueNames(section)) {
        if (!name.startsWith(head))
            continue;
        const QStringView digits = QStringView(name).mid(head.size());
        bool ok = false;
        const int index = digits.toInt(&ok);
        // Only the spelling the store writes: plain digits, no leading zero.
        if (ok && index >= 0 && index < count && digits == QString::number(index))
            indices.append(index);
    }
    std::sort(indices.begin(), indices.end());
    return indices;
}

} // namespace

QString CheckedPluginFolder(const QString& folder) {
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return QString();
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QDir::separator()))
        return folder;
    return folder + QDir::separator();
}

std::optional<TColor> ParseStoredColor(const QString& text) {
    bool ok = false;
    const qlonglong number = text.trimmed().toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint32>::min() ||
        number > qlonglong(std::numeric_limits<quint32>::max()))
        return std::nullopt;
    return TColor(quint32(number));
}

QString NamedColorRecord(const NamedColor& entry) {
    return WriteCommaText({ColorText(entry.value), entry.hex, entry.name});
}

QString BodyPresetRecord(const BodyPreset& preset) {
    return WriteCommaText({preset.name, ColorText(preset.bgcolor), ColorText(preset.text),
                           ColorText(preset.link), ColorText(preset.alink),
                           ColorText(preset.vlink)});
}

bool ReadNamedColorRecord(const QString& record, NamedColor& entry) {
    const QStringList fields = ReadCommaText(record);
    if (fields.size() < 3)
        return false;
    const std::optional<TColor> value = ParseStoredColor(fields[0]);
    if (!value)
        return false;
    entry = {*value, fields[1], fields[2]};
    return true;
}

bool ReadBodyPresetRecord(const QString& record, BodyPreset& preset) {
    const QStringList fields = ReadCommaText(record);
    if (fields.size() < 6)
        return false;
    TColor colors[5];
    for (int i = 0; i < 5; ++i) {
        const std::optional<TColor> value = ParseStoredColor(fields[i + 1]);
        if (!value)
            return false;
        colors[i] = *value;
    }
    preset = {fields[0], colors[0], colors[1], colors[2], colors[3], colors[4]};
    return true;
}

namespace {

// The defaults of the single values are those of a fresh record.
const ProgramOptions& Defaults() {
    static const ProgramOptions defaults;
    return defaults;
}

// One single value, read with the fallback for a value missing or bad.
QString ReadValue(const SettingsStore& store, const QString& key, const QString& fallback) {
    return store.readString(kOptionSection, key, fallback);
}
void WriteValue(SettingsStore& store, const QString& key, const QString& value) {
    store.writeString(kOptionSection, key, value);
}
bool ReadValue(const SettingsStore& store, const QString& key, bool fallback) {
    return store.readBool(kOptionSection, key, fallback);
}
void WriteValue(SettingsStore& store, const QString& key, bool value) {
    store.writeBool(kOptionSection, key, value);
}
TColor ReadValue(const SettingsStore& store, const QString& key, TColor fallback) {
    return ParseStoredColor(store.readString(kOptionSection, key)).value_or(fallback);
}
void WriteValue(SettingsStore& store, const QString& key, TColor value) {
    store.writeString(kOptionSection, key, ColorText(value));
}
// An enumeration is stored as its number.
template <typename Enum>
Enum ReadValue(const SettingsStore& store, const QString& key, Enum fallback, Enum last) {
    const int number = store.readInteger(kOptionSection, key, int(fallback));
    return number >= 0 && number <= int(last) ? Enum(number) : fallback;
}
template <typename Enum>
requires std::is_enum_v<Enum>
void WriteValue(SettingsStore& store, const QString& key, Enum value) {
    store.writeInteger(kOptionSection, key, int(value));
}

// The tables: a count, and an entry per index named prefix + index.
// The font table keeps the faces stored below the count, without gaps.
QList<int> StartReading(const SettingsStore& store, const char* prefix, int count,
                        QStringList& faces) {
    faces.clear();
    return StoredIndices(store, kOptionSection, prefix, count);
}
void ReadEntry(QStringList& faces, int, const QString& face) {
    faces.append(face);
}
QString EntryText(const QString& face) {
    return face;
}
// The user templates keep the readable records stored below the count, in
// order; a record unreadable, of a name already read, or beyond the capacity
// is left out.
QList<int> StartReading(const SettingsStore& store, const char* prefix, int count,
                        ColorTemplateList& templates) {
    templates.clear();
    return StoredIndices(store, kOptionSection, prefix, count);
}
void ReadEntry(ColorTemplateList& templates, int, const QString& record) {
    const std::optional<ColorTemplate> entry = ReadColorTemplateRecord(record);
    if (entry && templates.size() < kColorTemplateCapacity &&
        !FindColorTemplate(templates, entry->name))
        templates.append(*entry);
}
QString EntryText(const ColorTemplate& entry) {
    return ColorTemplateRecord(entry);
}
// The fixed slots of the colour names and body presets: a record that is
// bad leaves its slot as it was.
template <typename Slots>
QList<int> StartReading(const SettingsStore&, const char*, int count, Slots& table) {
    table.setCount(count);
    QList<int> indices(table.count());
    std::iota(indices.begin(), indices.end(), 0);
    return indices;
}
void ReadEntry(NamedColorTable& colors, int i, const QString& record) {
    ReadNamedColorRecord(record, colors.at(i));
}
void ReadEntry(BodyPresetList& presets, int i, const QString& record) {
    ReadBodyPresetRecord(record, presets.at(i));
}
QString EntryText(const NamedColor& entry) {
    return NamedColorRecord(entry);
}
QString EntryText(const BodyPreset& preset) {
    return BodyPresetRecord(preset);
}

// One row of the Option section: the value's name (a table's count), a
// table's entry prefix, and how the member is read and written.
struct OptionKey {
    const char* name;
    const char* prefix;
    void (*load)(const SettingsStore& store, const OptionKey& key, ProgramOptions& options);
    void (*save)(SettingsStore& store, const OptionKey& key, const ProgramOptions& options);
};

// A single value; an enumeration names its last stored number, and one
// outside 0 .. last reads as the default.
template <auto Member, auto... Last> constexpr OptionKey Value(const char* name) {
    return {name, nullptr,
            [](const SettingsStore& store, const OptionKey& key, ProgramOptions& options) {
                options.*Member =
                    ReadValue(store, QLatin1String(key.name), Defaults().*Member, Last...);
            },
            [](SettingsStore& store, const OptionKey& key, const ProgramOptions& options) {
                WriteValue(store, QLatin1String(key.name), options.*Member);
            }};
}

// A table; a count of zero or less, or none, loads the built-in one. Entries
// beyond a shortened count are left where they are: counts bound every read.
template <auto Member, auto LoadDefault>
constexpr OptionKey Table(const char* countName, const char* prefix) {
    return {countName, prefix,
            [](const SettingsStore& store, const OptionKey& key, ProgramOptions& options) {
                auto& table = options.*Member;
                const int count = store.readInteger(kOptionSection, QLatin1String(key.name), 0);
                if (count <= 0) {
                    LoadDefault(table);
                    return;
                }
                for (int i : StartReading(store, key.prefix, count, table)) {
                    const QString text = store.readString(kOptionSection, Indexed(key.prefix, i));
                    if (!text.isEmpty())
                        ReadEntry(table, i, text);
                }
            },
            [](SettingsStore& store, const OptionKey& key, const ProgramOptions& options) {
                const auto& table = options.*Member;
                store.writeInteger(kOptionSection, QLatin1String(key.name), int(table.count()));
                for (int i = 0; i < int(table.count()); ++i)
                    store.writeString(kOptionSection, Indexed(key.prefix, i),
                                      EntryText(table.at(i)));
            }};
}

// Every value of the Option section. A new option is a member of
// ProgramOptions, its default there, and a row here.
constexpr OptionKey kOptionKeys[] = {
    Table<&ProgramOptions::fonttable, LoadDefaultFontTable>("fonttablecnt", "fonttable"),
    Value<&ProgramOptions::tblchar>("tblchar"),
    Value<&ProgramOptions::htmlcase, HtmlCase::Capital>("htmlcase"),
    Table<&ProgramOptions::colors, LoadDefaultNamedColors>("colorcnt", "colorcode"),
    Table<&ProgramOptions::bodyPresets, LoadDefaultBodyPresets>("bodycnt", "bodycode"),
    Value<&ProgramOptions::viewback>("viewback"),
    Value<&ProgramOptions::colorconst>("colorconst"),
    Value<&ProgramOptions::htmlsave>("htmlsave"),
    Value<&ProgramOptions::htmlcr>("htmlcr"),
    Value<&ProgramOptions::wwwuse>("wwwuse"),
    Value<&ProgramOptions::wwwname>("wwwname"),
    Value<&ProgramOptions::wwwname2>("wwwname2"),
    Value<&ProgramOptions::plugin>("plugin"),
    Value<&ProgramOptions::markupstyle, MarkupStyle::Modern>("markupstyle"),
    Value<&ProgramOptions::rawtext>("rawtext"),
    Value<&ProgramOptions::interpolation, GradientInterpolation::Oklch>("interpolation"),
    Table<&ProgramOptions::colortemplates, LoadDefaultColorTemplates>("csstemplatecnt",
                                                                      "csstemplate"),
};

} // namespace

void LoadOptions(const SettingsStore& store, ProgramOptions& options) {
    for (const OptionKey& key : kOptionKeys)
        key.load(store, key, options);
}

void SaveOptions(SettingsStore& store, const ProgramOptions& options) {
    for (const OptionKey& key : kOptionKeys)
        key.save(store, key, options);
}
