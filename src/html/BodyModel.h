#pragma once

#include "core/Color.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

struct BodyPreset;

// The five colours of a BODY tag. The number is the role's item in the
// role box and the tag of its preview label.
enum class BodyRole { BgColor = 0, Text = 1, Link = 2, VLink = 3, ALink = 4 };
inline constexpr int kBodyRoleCount = 5;

// The body page's state as its writer and labels read it.
struct BodyModel {
    // Indexed by BodyRole.
    std::array<TColor, kBodyRoleCount> colors{};
    // The page's own "prefer colour constants" toggle, independent of colorconst.
    bool preferNames = false;
    // Full path of the background picture; empty for none.
    QString backgroundPicturePath;

    TColor color(BodyRole role) const { return colors[std::size_t(role)]; }
    void setColor(BodyRole role, TColor color) { colors[std::size_t(role)] = color; }
    bool operator==(const BodyModel&) const = default;
};

// A role box item or label tag as a role; nullopt for no selection (-1) or
// anything out of range, where setting a colour does nothing.
std::optional<BodyRole> BodyRoleFromIndex(int index);

// "BGCOLOR", "TEXT", "LINK", "VLINK", "ALINK".
QString BodyRoleAttribute(BodyRole role);
// The word after the colour on the role's preview label.
QString BodyRoleWord(BodyRole role);
// The five items of the role box, in role order.
QStringList BodyRoleItems();

// The page's colours become the preset's; toggle and picture stay.
void ApplyBodyPreset(BodyModel& page, const BodyPreset& preset);
// A preset of the page's five colours under `name`.
BodyPreset BodyPresetFromModel(const QString& name, const BodyModel& page);
