#include "ui/widgets/FormFont.h"

#include "ui/widgets/JapaneseFontFallback.h"

#include <QStringList>

QFont FormFont() {
    static const QStringList families =
        FirstInstalledFamily({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                              QStringLiteral("IPAGothic")});
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(12);
    return font;
}
