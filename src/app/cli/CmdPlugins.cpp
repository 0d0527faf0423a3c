// plugins | picture info: the plug-in host and the picture framework from a shell.
#include "CliCommand.h"
#include "CliContext.h"
#include "CliPictures.h"

#include "settings/ProgramOptions.h"

namespace {

// The window program's host searches its standard folders, then --plugins DIR
// or else the stored `plugin` option.
QString PluginFolder(CliContext& context) {
    const std::optional<QString> folder = context.takeOption(QStringLiteral("--plugins"));
    return folder ? *folder : context.loadOptions().plugin;
}

void WriteLines(const CliPictureCall& call) {
    for (const QString& line : call.lines)
        WriteLine(line);
}

int RunPlugins(CliContext& context) {
    CliPictureCall call{QStringLiteral("plugins"), PluginFolder(context), {}, {}, {}, {}};
    context.expectNoMore();
    RunCliPictures(call);
    WriteLines(call);
    return 0;
}

int RunPicture(CliContext& context) {
    const QString verb = context.takePositional(QStringLiteral("info"));
    if (verb != QLatin1String("info"))
        throw UsageError(QStringLiteral("unknown picture command %1").arg(verb));
    CliPictureCall call{QStringLiteral("picture info"), PluginFolder(context), {}, {}, {}, {}};
    call.file = context.takePositional(QStringLiteral("FILE"));
    context.expectNoMore();
    RunCliPictures(call);
    WriteLines(call);
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
