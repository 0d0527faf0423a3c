// plugins | picture info: the plug-in host and the picture framework from a shell.
#include "CliCommand.h"
#include "CliContext.h"

#include "pictures/DibErrors.h"
#include "pictures/PictureFormats.h"
#include "pictures/PictureStartup.h"
#include "pictures/TQtImageDIB.h"
#include "pictures/TSPIVmDIB.h"
#include "settings/ProgramOptions.h"

namespace {

// The window program's host: its standard folders, then --plugins DIR or
// else the stored `plugin` option.
std::unique_ptr<TSPIs> StartHost(CliContext& context) {
    const std::optional<QString> folder = context.takeOption(QStringLiteral("--plugins"));
    QString pluginFolder = folder ? *folder : context.loadOptions().plugin;
    return StartPicturePlugins(pluginFolder);
}

int RunPlugins(CliContext& context) {
    const std::unique_ptr<TSPIs> host = StartHost(context);
    context.expectNoMore();
    for (int i = 0; i < host->Count(); ++i) {
        const TSPI& plugin = host->Items(i);
        QStringList fields{plugin.ModuleFileName(), plugin.APIVersion(), plugin.Description()};
        fields += plugin.Filters();
        WriteLine(fields.join(QLatin1Char('\t')));
    }
    return 0;
}

int RunPicture(CliContext& context) {
    const QString verb = context.takePositional(QStringLiteral("info"));
    if (verb != QLatin1String("info"))
        throw UsageError(QStringLiteral("unknown picture command %1").arg(verb));
    const std::unique_ptr<TSPIs> host = StartHost(context);
    const QString file = context.takePositional(QStringLiteral("FILE"));
    context.expectNoMore();
    std::unique_ptr<TVmGraphic> picture;
    try {
        picture = TPictureFormats::Instance().LoadFromFile(file);
    } catch (const EPictureError& e) {
        throw OperationError(e.message());
    }
    QString reader;
    if (const auto* dib = dynamic_cast<const TSPIVmDIB*>(picture.get()))
        reader = dib->LastReader();
    else if (const auto* qt = dynamic_cast<const TQtImageDIB*>(picture.get()))
        reader = QStringLiteral("Qt ") + QString::fromLatin1(qt->ReaderFormat());
    else
        reader = QStringLiteral("BMP");
    WriteLine(QStringLiteral("width=%1").arg(picture->GetWidth()));
    WriteLine(QStringLiteral("height=%1").arg(picture->GetHeight()));
    WriteLine(QStringLiteral("reader=%1").arg(reader));
    return 0;
}

const char* const kPluginsHelp =
    "Lists the picture plug-ins the window program would load at start.\n"
    "\n"
    "  One line per plug-in: its file, API version, description and filters,\n"
    "  separated by tabs. The standard folders are searched first, then the\n"
    "  plug-in folder of the settings.\n"
    "  --plugins DIR\n"
    "      searches DIR instead of the plug-in folder of the settings\n";

const char* const kPictureHelp =
    "Loads a picture as the body page's background picture would be loaded.\n"
    "\n"
    "  info FILE\n"
    "      prints width, height and the reader that read FILE (BMP, Qt and the\n"
    "      format, or the plug-in's file), one key=value per line\n"
    "  --plugins DIR\n"
    "      also loads the plug-ins in DIR instead of the plug-in folder of the\n"
    "      settings\n";

const CliCommand plugins("plugins", "[--plugins DIR]", kPluginsHelp, RunPlugins);
const CliCommand picture("picture", "info FILE [--plugins DIR]", kPictureHelp, RunPicture);

} // namespace
