// The work of vellomar-cli's plugins and picture commands, loaded only by them.
#include "CliPictures.h"

#include "dib/DibErrors.h"
#include "pictures/PictureFormats.h"
#include "pictures/PictureStartup.h"
#include "pictures/TQtImageDIB.h"
#include "pictures/TSPIVmDIB.h"

namespace {

void ListPlugins(const TSPIs& host, QStringList& lines) {
    for (int i = 0; i < host.Count(); ++i) {
        const TSPI& plugin = host.Items(i);
        QStringList fields{plugin.ModuleFileName(), plugin.APIVersion(), plugin.Description()};
        fields += plugin.Filters();
        lines << fields.join(QLatin1Char('\t'));
    }
}

void PictureInfo(const QString& file, QStringList& lines) {
    const std::unique_ptr<TVmGraphic> picture = TPictureFormats::Instance().LoadFromFile(file);
    QString reader;
    if (const auto* dib = dynamic_cast<const TSPIVmDIB*>(picture.get()))
        reader = dib->LastReader();
    else if (const auto* qt = dynamic_cast<const TQtImageDIB*>(picture.get()))
        reader = QStringLiteral("Qt ") + QString::fromLatin1(qt->ReaderFormat());
    else
        reader = QStringLiteral("BMP");
    lines << QStringLiteral("width=%1").arg(picture->GetWidth())
          << QStringLiteral("height=%1").arg(picture->GetHeight())
          << QStringLiteral("reader=%1").arg(reader);
}

} // namespace

extern "C" Q_DECL_EXPORT bool VellomarCliPictures(CliPictureCall* call) {
    QString folder = call->pluginFolder;
    const std::unique_ptr<TSPIs> host = StartPicturePlugins(folder, QString(), call->programFolder);
    if (call->command == QLatin1String("plugins")) {
        ListPlugins(*host, call->lines);
        return true;
    }
    try {
        PictureInfo(call->file, call->lines);
    } catch (const EPictureError& e) {
        call->error = e.message();
        return false;
    }
    return true;
}
