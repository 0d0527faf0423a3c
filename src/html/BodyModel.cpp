#include "html/BodyModel.h"

#include "settings/BodyPreset.h"

#include <QCoreApplication>

namespace {

struct RoleText {
    const char* attribute;
    const char* word;
    const char* item;
};

// The blanks line the attribute names up in the role box.
const RoleText kRoles[kBodyRoleCount] = {
    {"BGCOLOR", QT_TRANSLATE_NOOP("BodyModel", "背景色"),
     QT_TRANSLATE_NOOP("BodyModel", "BACKCOLOR - 背景色")},
    {"TEXT", QT_TRANSLATE_NOOP("BodyModel", "テキスト色"),
     QT_TRANSLATE_NOOP("BodyModel", "TEXT           - 通常文字色")},
    {"LINK", QT_TRANSLATE_NOOP("BodyModel", "リンク色"),
     QT_TRANSLATE_NOOP("BodyModel", "LINK            - リンクテキスト色")},
    {"VLINK", QT_TRANSLATE_NOOP("BodyModel", "キャッシュ済みリンク色"),
     QT_TRANSLATE_NOOP("BodyModel", "VLINK          - キャッシュ済みリンクテキスト色")},
    {"ALINK", QT_TRANSLATE_NOOP("BodyModel", "読み込み中リンク色"),
     QT_TRANSLATE_NOOP("BodyModel", "ALINK          - 読み込み中リンクテキスト色")},
};

const RoleText& Texts(BodyRole role) {
    return kRoles[std::size_t(role)];
}

} // namespace

std::optional<BodyRole> BodyRoleFromIndex(int index) {
    if (index < 0 || index >= kBodyRoleCount)
        return std::nullopt;
    return BodyRole(index);
}

QString BodyRoleAttribute(BodyRole role) {
    return QString::fromLatin1(Texts(role).attribute);
}

QString BodyRoleWord(BodyRole role) {
    return QCoreApplication::translate("BodyModel", Texts(role).word);
}

QStringList BodyRoleItems() {
    QStringList items;
    for (const RoleText& role : kRoles)
        items.append(QCoreApplication::translate("BodyModel", role.item));
    return items;
}

void ApplyBodyPreset(BodyModel& page, const BodyPreset& preset) {
    page.setColor(BodyRole::BgColor, preset.bgcolor);
    page.setColor(BodyRole::Text, preset.text);
    page.setColor(BodyRole::Link, preset.link);
    page.setColor(BodyRole::VLink, preset.vlink);
    page.setColor(BodyRole::ALink, preset.alink);
}

BodyPreset BodyPresetFromModel(const QString& name, const BodyModel& page) {
    return {name,
            page.color(BodyRole::BgColor),
            page.color(BodyRole::Text),
            page.color(BodyRole::Link),
            page.color(BodyRole::ALink),
            page.color(BodyRole::VLink)};
}
