// gradient-draw G: the columns of a 300 x 1 bar, white before drawing.
#include "CliCommand.h"
#include "CliContext.h"
#include "GradientArgument.h"
#include "gradient/DrawGradient.h"
#include "gradient/GradientTableList.h"
#include "settings/ProgramOptions.h"

namespace {

int RunGradientDraw(CliContext& context) {
    const QString gradient = context.takePositional(QStringLiteral("gradient"));
    context.expectNoMore();
    GradientTableList list;
    LoadCliGradientTables(context, list);
    const int index = ParseGradientArgument(list, gradient);
    std::vector<TColor> columns(size_t(kGradientAxisEnd), RgbToColor(255, 255, 255));
    const std::vector<GradientStop> stops = list.slot(index).stops();
    DrawGradient(stops, columns, context.loadOptions().interpolation);
    QString text;
    for (TColor color : columns)
        text += ColorToHtml(color) + QLatin1Char('\n');
    WriteOut(text);
    return 0;
}

const char* const kHelp =
    "Prints the 300 columns of gradient G drawn as a bar.\n"
    "\n"
    "300 lines #RRGGBB: columns 0..299 of a 300 x 1 bar that was white before\n"
    "drawing, between the stops in the space --interpolation or the stored option\n"
    "names.\n";

const CliCommand command("gradient-draw", "G", kHelp, RunGradientDraw);

} // namespace
