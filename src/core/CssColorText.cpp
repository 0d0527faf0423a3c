#include "core/CssColorText.h"

#include "core/CssColorNames.h"

#include <QCoreApplication>

namespace {

Rgb8 ToRgb8(TColor color) {
    return {ColorRed(color), ColorGreen(color), ColorBlue(color)};
}

} // namespace

CssColorInput ReadCssColorText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const CssColorReading reading =
        ParseCssColor(std::string_view(utf8.constData(), size_t(utf8.size())),
                      [](std::string_view name) -> std::optional<Rgb8> {
                          const std::optional<TColor> color = CssNamedColor(
                              QString::fromLatin1(name.data(), qsizetype(name.size())));
                          if (!color)
                              return std::nullopt;
                          return ToRgb8(*color);
                      });
    CssColorInput input;
    input.error = reading.error;
    input.mapped = reading.mapped;
    input.color = RgbToColor(reading.color.red, reading.color.green, reading.color.blue);
    return input;
}

QString WriteCssColorText(TColor color, CssFormat format) {
    return QString::fromStdString(WriteCssColor(ToRgb8(color), format));
}

ColorTemplateOutput WriteColorTemplateText(TColor color, const QString& format) {
    const QByteArray utf8 = format.toUtf8();
    const ColorTemplateText written =
        FormatColorTemplate(ToRgb8(color), std::string_view(utf8.constData(), size_t(utf8.size())));
    return {QString::fromStdString(written.text), written.error,
            QString::fromStdString(written.where)};
}

QString ColorTemplateFaultText(const ColorTemplateOutput& output) {
    const char* reason = "";
    switch (output.error) {
    case ColorTemplateError::None:
        return {};
    case ColorTemplateError::TooLong:
        return QCoreApplication::translate("ColorTemplate", "テンプレートが長すぎます");
    case ColorTemplateError::Unclosed:
        reason = QT_TRANSLATE_NOOP("ColorTemplate", "「}」で閉じていません");
        break;
    case ColorTemplateError::StrayBrace:
        reason = QT_TRANSLATE_NOOP("ColorTemplate", "対応する「{」がありません (「}}」と書きます)");
        break;
    case ColorTemplateError::UnknownSpace:
        reason = QT_TRANSLATE_NOOP("ColorTemplate", "表記・色空間の名前が違います");
        break;
    case ColorTemplateError::UnknownChannel:
        reason = QT_TRANSLATE_NOOP("ColorTemplate", "その色空間にないチャンネルです");
        break;
    case ColorTemplateError::BadStyle:
        reason = QT_TRANSLATE_NOOP("ColorTemplate", "「:」の後の書式が違います");
        break;
    case ColorTemplateError::TooPrecise:
        reason = QT_TRANSLATE_NOOP("ColorTemplate", "小数は10桁、16進数は8桁までです");
        break;
    }
    return output.where + QStringLiteral(" : ") +
           QCoreApplication::translate("ColorTemplate", reason);
}

NearestCssName NearestCssColorName(TColor color) {
    const Triple target = OklabOf(ColorRed(color), ColorGreen(color), ColorBlue(color));
    NearestCssName nearest;
    double best = -1;
    for (const auto& [name, value] : CssColorNames()) {
        if (value == color)
            return {QString::fromLatin1(name), 0};
        const double d =
            DeltaEOk(target, OklabOf(ColorRed(value), ColorGreen(value), ColorBlue(value)));
        if (best < 0 || d < best) {
            best = d;
            nearest = {QString::fromLatin1(name), d};
        }
    }
    return nearest;
}
