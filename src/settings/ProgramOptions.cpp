#include "settings/ProgramOptions.h"

QStringList DefaultFontTable() {
    return {QStringLiteral("ＭＳ Ｐゴシック,Osaka"), QStringLiteral("ＭＳ Ｐ明朝,平成明朝"),
            QStringLiteral("Arial,Helvetica"),       QStringLiteral("Times New Roman,Times"),
            QStringLiteral("Comic Sans MS,Geneva"),  QStringLiteral("Impact,Chicago"),
            QStringLiteral("Courier New,Courier")};
}

void LoadDefaultFontTable(QStringList& fonttable) {
    fonttable = DefaultFontTable();
}
