#include "html/BodyContrast.h"

#include "core/Contrast.h"

#include <QCoreApplication>

namespace {

double RoleRatio(const BodyModel& page, BodyRole role) {
    return ContrastRatio(page.color(role), page.color(BodyRole::BgColor));
}

} // namespace

QString ContrastMark(double ratio) {
    const ContrastLevels levels = ContrastLevelsOf(ratio);
    if (levels.aaa)
        return QStringLiteral("AAA");
    if (levels.aa)
        return QStringLiteral("AA");
    if (levels.aaLarge)
        return QCoreApplication::translate("BodyContrast", "AA(大きな文字)");
    return QCoreApplication::translate("BodyContrast", "基準未満");
}

QString ContrastText(TColor first, TColor second) {
    const double ratio = ContrastRatio(first, second);
    return ContrastRatioText(ratio) + QLatin1String(":1 ") + ContrastMark(ratio);
}

QString BodyContrastText(const BodyModel& page, BodyRole role) {
    if (role == BodyRole::BgColor)
        return QString();
    return ContrastText(page.color(role), page.color(BodyRole::BgColor));
}

QString BodyContrastSummary(const BodyModel& page) {
    QString line;
    for (const BodyRole role : {BodyRole::Text, BodyRole::Link, BodyRole::VLink, BodyRole::ALink}) {
        const double ratio = RoleRatio(page, role);
        if (!line.isEmpty())
            line += QLatin1String("  ");
        line += BodyRoleAttribute(role) + QLatin1Char(' ') + ContrastRatioText(ratio) +
                QLatin1Char(' ') + ContrastMark(ratio);
    }
    return line;
}
