// table [--rows R] [--cols C] [--char T] [--bgcolor C] [--border C]
// [--border-light C] [--border-dark C] OPS...: the table page's markup
// after running OPS in order on a fresh page with the whole table selected.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"
#include "GradientArgument.h"
#include "gradient/GradientTableList.h"
#include "html/CellColors.h"
#include "html/GradientItems.h"
#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "html/TableGradient.h"
#include "html/TableMarkup.h"
#include "settings/ProgramOptions.h"

#include <memory>

namespace {

const QString kSelect = QStringLiteral("--select");
const QString kFill = QStringLiteral("--fill");
const QString kGradient = QStringLiteral("--gradient");
const QString kDirection = QStringLiteral("--direction");
const QString kTarget = QStringLiteral("--target");

int TableSize(CliContext& context, const QString& name) {
    const std::optional<QString> text = context.takeOption(name);
    return text ? ParseNumber(*text, name, TablePageModel::kMinSize, TablePageModel::kMaxSize) : 7;
}

void TakeSwitchColor(CliContext& context, const QString& name, TableColorSwitch& target) {
    if (const std::optional<QString> text = context.takeOption(name)) {
        target.on = true;
        target.color = ParseColorArgument(context, *text);
    }
}

// The value after args[i], which must be there.
QString ValueAfter(const QStringList& args, qsizetype& i, const QString& name) {
    if (i + 1 >= args.size())
        throw UsageError(QStringLiteral("%1 needs a value").arg(name));
    return args.at(++i);
}

TableDirection ParseDirection(const QString& text) {
    if (text == QLatin1String("none"))
        return TableDirection::None;
    return TableDirectionFromIndex(ParseNumber(text, kDirection, 0, 3));
}

CellTarget ParseTarget(const QString& text) {
    if (text == QLatin1String("back"))
        return CellTarget::Background;
    if (text == QLatin1String("text"))
        return CellTarget::Text;
    throw UsageError(QStringLiteral("--target takes back or text, not '%1'").arg(text));
}

int RunTable(CliContext& context) {
    TablePageModel page;
    page.rows = TableSize(context, QStringLiteral("--rows"));
    page.columns = TableSize(context, QStringLiteral("--cols"));
    const std::optional<QString> cellText = context.takeOption(QStringLiteral("--char"));
    TakeSwitchColor(context, QStringLiteral("--bgcolor"), page.background);
    TakeSwitchColor(context, QStringLiteral("--border"), page.border);
    TakeSwitchColor(context, QStringLiteral("--border-light"), page.borderLight);
    TakeSwitchColor(context, QStringLiteral("--border-dark"), page.borderDark);
    const ProgramOptions options = context.loadOptions();
    page.cellText = cellText ? *cellText : options.tblchar;

    auto cells = std::make_unique<CellColors>();
    CellRect selection{0, 0, page.columns - 1, page.rows - 1};
    std::unique_ptr<GradientTableList> tables;

    const QStringList args = context.args;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& op = args.at(i);
        if (op == kSelect) {
            const int left =
                ParseNumber(ValueAfter(args, i, op), QStringLiteral("LEFT"), 0, page.columns - 1);
            const int top =
                ParseNumber(ValueAfter(args, i, op), QStringLiteral("TOP"), 0, page.rows - 1);
            const int right = ParseNumber(ValueAfter(args, i, op), QStringLiteral("RIGHT"), left,
                                          page.columns - 1);
            const int bottom =
                ParseNumber(ValueAfter(args, i, op), QStringLiteral("BOTTOM"), top, page.rows - 1);
            selection = {left, top, right, bottom};
        } else if (op == kFill) {
            cells->fillBackground(selection, ParseColorArgument(context, ValueAfter(args, i, op)));
        } else if (op == kGradient) {
            const QString name = ValueAfter(args, i, op);
            std::optional<TableDirection> direction;
            CellTarget target = CellTarget::Background;
            while (i + 1 < args.size() &&
                   (args.at(i + 1) == kDirection || args.at(i + 1) == kTarget)) {
                const QString& part = args.at(++i);
                if (part == kDirection)
                    direction = ParseDirection(ValueAfter(args, i, part));
                else
                    target = ParseTarget(ValueAfter(args, i, part));
            }
            if (!direction)
                throw UsageError(QStringLiteral("--gradient needs --direction D"));
            if (!tables) {
                tables = std::make_unique<GradientTableList>();
                LoadCliGradientTables(context, *tables);
            }
            const GradientTable& gradient = tables->slot(ParseGradientArgument(*tables, name));
            if (!CanWalkGradient(gradient))
                throw OperationError(
                    QStringLiteral("gradient table '%1' has fewer than two stops").arg(name));
            ApplyTableGradient(*cells, gradient, selection, *direction, target,
                               options.interpolation);
        } else if (op == kDirection || op == kTarget) {
            throw UsageError(QStringLiteral("%1 belongs to --gradient").arg(op));
        } else if (op.startsWith(QLatin1String("--"))) {
            throw context.unknownOption(op);
        } else {
            throw UsageError(QStringLiteral("unexpected argument %1").arg(op));
        }
    }
    context.args.clear();
    WriteFragment(context, options, WriteTableMarkup(page, *cells, options), Pages::Table);
    return 0;
}

const char* const kHelp =
    "Prints the table page's HTML.\n"
    "\n"
    "The operations run from left to right on a fresh page: all cells without\n"
    "colour, the whole table selected.\n"
    "\n"
    "  --rows R, --cols C\n"
    "      the table's size, 1..50 each; default 7\n"
    "  --char T\n"
    "      the text of every cell; default the stored one\n"
    "  --bgcolor C, --border C, --border-light C, --border-dark C\n"
    "      turns the table's background, border, light border or dark border\n"
    "      colour on and sets it\n"
    "  --select LEFT TOP RIGHT BOTTOM\n"
    "      selects a rectangle of cells (columns and rows counted from 0,\n"
    "      inclusive)\n"
    "  --fill C\n"
    "      gives the selected cells background C\n"
    "  --gradient G --direction 0..3|none [--target back|text]\n"
    "      runs gradient table G over the selected cells in direction D (the\n"
    "      page's direction buttons 0..3, or none), on the cells' backgrounds\n"
    "      (default) or their text\n";

const CliCommand command("table",
                         "[--rows R] [--cols C] [--char T] [--bgcolor C] [--border C] "
                         "[--border-light C] [--border-dark C] [--select LEFT TOP RIGHT BOTTOM] "
                         "[--fill C] [--gradient G --direction 0..3|none [--target back|text]]...",
                         kHelp, RunTable);

} // namespace
