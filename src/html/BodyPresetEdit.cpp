#include "html/BodyPresetEdit.h"

#include "html/BodyModel.h"
#include "settings/BodyPreset.h"

#include <QCoreApplication>

namespace {

QString Shown(const QString& message) {
    return QCoreApplication::translate("BodyPresetEdit", message.toUtf8().constData());
}

bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F;
}

bool IsSelected(const BodyPresetList& list, int selected) {
    return selected >= 0 && selected < list.count();
}

} // namespace

QString BodyPresetNameProblem(const QString& name) {
    // A broken surrogate pair would not read back as it was written.
    if (!name.isValidUtf16())
        return Shown(kBodyPresetNameCharacterMessage);
    const QList<uint> characters = name.toUcs4();
    if (characters.size() > kBodyPresetNameMaxLength)
        return Shown(kBodyPresetNameTooLongMessage);
    for (const uint c : characters) {
        if (IsControl(c))
            return Shown(kBodyPresetNameCharacterMessage);
    }
    return QString();
}

QString BodyPresetAddProblem(const BodyPresetList& list) {
    return list.count() >= BodyPresetList::Capacity ? Shown(kBodyPresetFullMessage) : QString();
}

QString AddBodyPreset(BodyPresetList& list, const QString& name, const BodyModel& page) {
    if (QString problem = BodyPresetAddProblem(list); !problem.isEmpty())
        return problem;
    if (QString problem = BodyPresetNameProblem(name); !problem.isEmpty())
        return problem;
    for (int i = 0; i < list.count(); ++i) {
        if (list.at(i).name == name)
            return Shown(kBodyPresetExistsMessage);
    }
    list.append(BodyPresetFromModel(name, page));
    return QString();
}

QString UpdateBodyPreset(BodyPresetList& list, int selected, const BodyModel& page) {
    if (!IsSelected(list, selected))
        return Shown(kBodyPresetSelectMessage);
    BodyPreset& preset = list.at(selected);
    preset = BodyPresetFromModel(preset.name, page);
    return QString();
}

QString DeleteBodyPreset(BodyPresetList& list, int selected) {
    if (!IsSelected(list, selected))
        return Shown(kBodyPresetSelectMessage);
    list.removeAt(selected);
    return QString();
}
