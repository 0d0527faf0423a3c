// body: the body page's BODY tag for a preset and the roles given.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"
#include "html/BodyHtml.h"
#include "html/BodyModel.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "settings/ProgramOptions.h"

#include <QFileInfo>

namespace {

int RunBody(CliContext& context) {
    const std::optional<QString> preset = context.takeOption(QStringLiteral("--preset"));
    std::optional<QString> roles[kBodyRoleCount];
    for (int i = 0; i < kBodyRoleCount; ++i)
        roles[i] =
            context.takeOption(QStringLiteral("--") + BodyRoleAttribute(BodyRole(i)).toLower());
    const std::optional<QString> background = context.takeOption(QStringLiteral("--background"));
    const bool preferNames = context.takeSwitch(QStringLiteral("--prefer-names"));
    context.expectNoMore();

    const ProgramOptions options = context.loadOptions();
    const BodyPresetList& presets = options.bodyPresets;
    if (presets.count() == 0)
        throw UsageError(QStringLiteral("there is no body preset"));
    const int index =
        preset ? ParseNumber(*preset, QStringLiteral("--preset"), 0, presets.count() - 1) : 0;

    BodyModel page;
    ApplyBodyPreset(page, presets.at(index));
    for (int i = 0; i < kBodyRoleCount; ++i) {
        if (roles[i])
            page.setColor(BodyRole(i), ParseColorArgument(context, *roles[i]));
    }
    page.preferNames = preferNames;
    // The page names the picture by a file address, so a relative path is
    // taken from the current folder (a Windows path is kept as given).
    if (background)
        page.backgroundPicturePath =
            IsWindowsPath(*background) ? *background : QFileInfo(*background).absoluteFilePath();
    WriteFragment(context, options, WriteBodyMarkup(page, options), Pages::Body);
    return 0;
}

const char* const kHelp = "Prints the body page's BODY tag.\n"
                          "\n"
                          "Preset N is applied first, then the colours given are set.\n"
                          "\n"
                          "  --preset N\n"
                          "      the body preset to start from, counted from 0; default 0\n"
                          "  --bgcolor C, --text C, --link C, --vlink C, --alink C\n"
                          "      the background, text, link, visited link and active link colours\n"
                          "  --prefer-names\n"
                          "      writes colour names where the named colour table has one\n"
                          "  --background PATH\n"
                          "      the background picture; a relative PATH is taken from the\n"
                          "      current folder\n";

const CliCommand command("body",
                         "[--preset N] [--bgcolor C] [--text C] [--link C] [--vlink C] "
                         "[--alink C] [--prefer-names] [--background PATH]",
                         kHelp, RunBody);

} // namespace
