#include "ui/widgets/JapaneseFontFallback.h"

#include "html/GradientTextFont.h"

#include <QFont>
#include <QFontDatabase>

#include <algorithm>

namespace {

bool IsMinchoName(const QString& name) {
    return name.contains(QStringLiteral("明朝")) ||
           name.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive) ||
           name.contains(QStringLiteral("Serif"), Qt::CaseInsensitive);
}

bool IsProportionalName(const QString& name) {
    return name.contains(QStringLiteral("Ｐ")) || name.contains(QStringLiteral("PGothic")) ||
           name.contains(QStringLiteral("PMincho")) || name.contains(QStringLiteral(" P "));
}

} // namespace

QStringList JapaneseFallbackFamilies(const QString& fontName, const QStringList& installed) {
    const bool mincho = IsMinchoName(fontName);
    const bool proportional = IsProportionalName(fontName);
    QStringList families = installed;
    // Lower rank first; ties keep the database's order.
    auto rank = [&](const QString& family) {
        return (IsMinchoName(family) == mincho ? 0 : 2) +
               (IsProportionalName(family) == proportional ? 0 : 1);
    };
    std::stable_sort(families.begin(), families.end(),
                     [&](const QString& a, const QString& b) { return rank(a) < rank(b); });
    return families;
}

QStringList FirstInstalledFamily(const QStringList& families) {
    // families() lists the localised names under a Japanese locale ("IPA
    // Pゴシック") and would miss "IPAPGothic"; this query knows a face by each
    // of its names and, unlike hasFamily(), asks fontconfig nothing.
    for (const QString& family : families)
        if (QFontDatabase::isSmoothlyScalable(family))
            return {family};
    return families;
}

void SubstituteMissingJapaneseFonts(const QStringList& fontNames) {
    const QStringList installed = QFontDatabase::families(QFontDatabase::Japanese);
    if (installed.isEmpty())
        return;
    for (const QString& name : fontNames) {
        if (name.isEmpty() || FontCharSet(name) != kShiftJisCharSet ||
            QFontDatabase::hasFamily(name) || !QFont::substitutes(name).isEmpty())
            continue;
        QFont::insertSubstitutions(name, JapaneseFallbackFamilies(name, installed));
    }
}
