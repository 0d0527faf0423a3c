#include "ui/dialogs/GradientExchangeTexts.h"

#include "gradient/GradientTableList.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("GradientExchange", text);
}

} // namespace

QString GradientImportErrorMessage(const GradientImport& import) {
    switch (import.error) {
    case GradientImportError::None:
        break;
    case GradientImportError::Unreadable:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange", "ファイルを読めません: %1"))
            .arg(import.detail);
    case GradientImportError::TooLarge:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange", "ファイルが大きすぎます（%1 KiB まで）"))
            .arg(kMaxGradientFileBytes / 1024);
    case GradientImportError::UnknownFormat:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange",
                                    "GIMP グラデーション（.ggr）でも、CSS の "
                                    "linear-gradient(...) を含むテキストでもありません"));
    case GradientImportError::BadSegmentCount:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange", "%1 行目に区間の数がありません"))
            .arg(import.line);
    case GradientImportError::TooManySegments:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange", "%1 行目: 区間が多すぎます"))
            .arg(import.line);
    case GradientImportError::BadSegment:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange", "%1 行目の区間が正しくありません"))
            .arg(import.line);
    case GradientImportError::MissingSegments:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange",
                                    "区間が %1 行目の数より少なく、ファイルが途中で切れています"))
            .arg(import.line);
    case GradientImportError::BadCssGradient:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange",
                                    "%1 番目の linear-gradient を読めません: %2"))
            .arg(import.gradient)
            .arg(import.detail);
    case GradientImportError::BadCssColor:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange",
                                    "%1 番目の linear-gradient の %2 番目の色「%3」を読めません"))
            .arg(import.gradient)
            .arg(import.stop)
            .arg(import.detail);
    case GradientImportError::BadCssPosition:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange",
                                    "%1 番目の linear-gradient の %2 番目の位置「%3」は % "
                                    "ではありません"))
            .arg(import.gradient)
            .arg(import.stop)
            .arg(import.detail);
    case GradientImportError::TooManyGradients:
        return Tr(QT_TRANSLATE_NOOP("GradientExchange", "グラデーションが %1 個を超えています"))
            .arg(GradientTableList::kCapacity);
    }
    return {};
}

QString GradientImportNotesMessage(const ImportedGradient& gradient) {
    QStringList lines;
    if (gradient.notes & GradientSampled)
        lines << Tr(QT_TRANSLATE_NOOP("GradientExchange",
                                      "%1 個の色で近似しました（最大の差 %2/255）"))
                     .arg(gradient.stops.size())
                     .arg(gradient.maxError, 0, 'f', 1);
    const std::pair<unsigned, const char*> notes[] = {
        {GradientAlphaIgnored, QT_TRANSLATE_NOOP("GradientExchange", "透明度は読み込みません")},
        {GradientContextColors,
         QT_TRANSLATE_NOOP("GradientExchange", "描画色と背景色は黒と白として読み込みました")},
        {GradientDirectionIgnored,
         QT_TRANSLATE_NOOP("GradientExchange", "向きは読み込みません（テーブルは左から右）")},
        {GradientSpaceIgnored,
         QT_TRANSLATE_NOOP("GradientExchange", "補間の色空間は読み込みません")},
        {GradientHintsIgnored,
         QT_TRANSLATE_NOOP("GradientExchange", "中間点の指定は読み込みません")},
    };
    for (const auto& [bit, text] : notes) {
        if (gradient.notes & bit)
            lines << Tr(text);
    }
    return lines.join(u'\n');
}
