#include "settings/OptionsStore.h"

#include "core/CommaText.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cstdint>
#include <limits>

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

void LoadOptions(const SettingsStore& store, ProgramOptions& options) {
    const QString& section = kOptionSection;

    const int fontCount = store.readInteger(section, QStringLiteral("fonttablecnt"), 0);
    if (fontCount <= 0) {
        LoadDefaultFontTable(options.fonttable);
    } else {
        options.fonttable.clear();
        for (int i : StoredIndices(store, section, "fonttable", fontCount)) {
            const QString face = store.readString(section, Indexed("fonttable", i));
            if (!face.isEmpty())
                options.fonttable.append(face);
        }
    }

    options.tblchar = store.readString(section, QStringLiteral("tblchar"), QStringLiteral("★"));
    const int htmlCase = store.readInteger(section, QStringLiteral("htmlcase"), 0);
    options.htmlcase = std::uint8_t(htmlCase >= 0 && htmlCase <= 2 ? htmlCase : 0);

    const int colorCount = store.readInteger(section, QStringLiteral("colorcnt"), 0);
    if (colorCount <= 0) {
        LoadDefaultNamedColors(options.colors);
    } else {
        options.colors.setCount(colorCount);
        for (int i = 0; i < options.colors.count(); ++i) {
            const QString record = store.readString(section, Indexed("colorcode", i));
            if (!record.isEmpty())
                ReadNamedColorRecord(record, options.colors.at(i));
        }
    }

    const int bodyCount = store.readInteger(section, QStringLiteral("bodycnt"), 0);
    if (bodyCount <= 0) {
        LoadDefaultBodyPresets(options.bodyPresets);
    } else {
        options.bodyPresets.setCount(bodyCount);
        for (int i = 0; i < options.bodyPresets.count(); ++i) {
            const QString record = store.readString(section, Indexed("bodycode", i));
            if (!record.isEmpty())
                ReadBodyPresetRecord(record, options.bodyPresets.at(i));
        }
    }

    const std::optional<TColor> viewback =
        ParseStoredColor(store.readString(section, QStringLiteral("viewback")));
    options.viewback = viewback ? *viewback : TColor(0xFFFFFF);
    options.colorconst = store.readBool(section, QStringLiteral("colorconst"), false);
    options.htmlsave = store.readBool(section, QStringLiteral("htmlsave"), true);
    options.htmlcr = store.readBool(section, QStringLiteral("htmlcr"), true);
    options.wwwuse = store.readBool(section, QStringLiteral("wwwuse"), false);
    options.wwwname = store.readString(section, QStringLiteral("wwwname"));
    options.wwwname2 = store.readString(section, QStringLiteral("wwwname2"));
    options.plugin = store.readString(section, QStringLiteral("plugin"));
    const int markup = store.readInteger(section, QStringLiteral("markupstyle"), kMarkupClassic);
    options.markupstyle = std::uint8_t(markup == kMarkupCss ? kMarkupCss : kMarkupClassic);
    options.rawtext = store.readBool(section, QStringLiteral("rawtext"), false);
}

void SaveOptions(SettingsStore& store, const ProgramOptions& options) {
    const QString& section = kOptionSection;

    store.writeInteger(section, QStringLiteral("fonttablecnt"), int(options.fonttable.size()));
    for (int i = 0; i < options.fonttable.size(); ++i)
        store.writeString(section, Indexed("fonttable", i), options.fonttable[i]);

    store.writeString(section, QStringLiteral("tblchar"), options.tblchar);
    store.writeInteger(section, QStringLiteral("htmlcase"), options.htmlcase);

    store.writeInteger(section, QStringLiteral("colorcnt"), options.colors.count());
    for (int i = 0; i < options.colors.count(); ++i)
        store.writeString(section, Indexed("colorcode", i), NamedColorRecord(options.colors.at(i)));

    store.writeInteger(section, QStringLiteral("bodycnt"), options.bodyPresets.count());
    for (int i = 0; i < options.bodyPresets.count(); ++i)
        store.writeString(section, Indexed("bodycode", i),
                          BodyPresetRecord(options.bodyPresets.at(i)));

    store.writeString(section, QStringLiteral("viewback"), ColorText(options.viewback));
    store.writeBool(section, QStringLiteral("colorconst"), options.colorconst);
    store.writeBool(section, QStringLiteral("htmlsave"), options.htmlsave);
    store.writeBool(section, QStringLiteral("htmlcr"), options.htmlcr);
    store.writeBool(section, QStringLiteral("wwwuse"), options.wwwuse);
    store.writeString(section, QStringLiteral("wwwname"), options.wwwname);
    store.writeString(section, QStringLiteral("wwwname2"), options.wwwname2);
    store.writeString(section, QStringLiteral("plugin"), options.plugin);
    store.writeInteger(section, QStringLiteral("markupstyle"), options.markupstyle);
    store.writeBool(section, QStringLiteral("rawtext"), options.rawtext);
}
