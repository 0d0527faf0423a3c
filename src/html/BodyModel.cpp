#include "html/BodyModel.h"

#include "settings/BodyPreset.h"

namespace {

struct RoleText {
    const char* attribute;
    const char* word;
    const char* item;
};

// The blanks line the attribute names up in the role box.
const RoleText kRoles[kBodyRoleCount] = {
    {"BGCOLOR", "背景色", "BACKCOLOR - 背景色"},
    {"TEXT", "テキスト色", "TEXT           - 通常文字色"},
    {"LINK", "リンク色", "LINK            - リンクテキスト色"},
    {"VLINK", "キャッシュ済みリンク色", "VLINK          - キャッシュ済みリンクテキスト色"},
    {"ALINK", "読み込み中リンク色", "ALINK          - 読み込み中リンクテキスト色"},
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
    return QString::fromUtf8(Texts(role).word);
}

QStringList BodyRoleItems() {
    QStringList items;
    for (const RoleText& role : kRoles)
        items.append(QString::fromUtf8(role.item));
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
