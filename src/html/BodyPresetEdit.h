#pragma once

#include <QString>

class BodyPresetList;
struct BodyModel;

// The body page's preset buttons as plain operations on the preset list.
// Each gives the text the page shows in its confirmation box, in the
// interface language; the list is changed only when nothing is shown. The
// constants are the Japanese originals.

inline const QString kBodyPresetExistsMessage =
    QString::fromUtf8(QT_TRANSLATE_NOOP("BodyPresetEdit", "この名前はすでに登録されています"));
inline const QString kBodyPresetSelectMessage =
    QString::fromUtf8(QT_TRANSLATE_NOOP("BodyPresetEdit", "更新する項目を選択してください"));
inline const QString kBodyPresetFullMessage = QString::fromUtf8(
    QT_TRANSLATE_NOOP("BodyPresetEdit", "これ以上登録できません。登録できるのは51件までです"));
inline const QString kBodyPresetNameTooLongMessage =
    QString::fromUtf8(QT_TRANSLATE_NOOP("BodyPresetEdit", "登録名は255文字以内にしてください"));
inline const QString kBodyPresetNameCharacterMessage =
    QString::fromUtf8(QT_TRANSLATE_NOOP("BodyPresetEdit", "登録名に使えない文字が含まれています"));

// The longest name, in characters, the name box takes.
inline constexpr int kBodyPresetNameMaxLength = 255;

// Why the store could not keep this name as it is, or empty when it can.
// Empty names, commas, quotes and blanks are kept unchanged by the store's
// records; control characters (a NUL ends a record), broken UTF-16 and
// names longer than kBodyPresetNameMaxLength characters are refused.
QString BodyPresetNameProblem(const QString& name);

// The refusal of the add button before it asks for a name (a full list),
// or empty.
QString BodyPresetAddProblem(const BodyPresetList& list);

// Appends the page's colours under `name`. Refused when the list is full,
// the name cannot be stored or a preset of exactly this name exists.
// Returns the message to show, empty when the preset was added.
QString AddBodyPreset(BodyPresetList& list, const QString& name, const BodyModel& page);

// Gives preset `selected` the page's colours; its name stays. -1 (or any
// index outside the list) is no selection.
QString UpdateBodyPreset(BodyPresetList& list, int selected, const BodyModel& page);

// Removes preset `selected`; later ones move up. Afterwards the preset box
// has no selection.
QString DeleteBodyPreset(BodyPresetList& list, int selected);
