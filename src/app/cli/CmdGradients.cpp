// gradients [import | export]: the gradient tables of the store, and
// gradients to and from other programs.
#include "CliCommand.h"
#include "CliContext.h"
#include "GradientArgument.h"
#include "NearestName.h"
#include "gradient/CssLinearGradient.h"
#include "gradient/GgrFile.h"
#include "gradient/GplPalette.h"
#include "gradient/GradientImport.h"
#include "gradient/GradientStore.h"
#include "gradient/GradientTableList.h"
#include "html/HtmlFileSave.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>
#include <cstdio>

namespace {

void WriteTableLine(const GradientTableList& list, int i) {
    const GradientTable& table = list.slot(i);
    WriteLine(QStringLiteral("%1\t%2\t%3").arg(i).arg(table.name).arg(table.count));
}

int List(CliContext& context) {
    context.expectNoMore();
    GradientTableList list;
    LoadCliGradientTables(context, list);
    for (int i = 0; i < list.count(); ++i)
        WriteTableLine(list, i);
    return 0;
}

void Note(const ImportedGradient& gradient) {
    const std::pair<unsigned, const char*> notes[] = {
        {GradientAlphaIgnored, "transparency left out"},
        {GradientContextColors, "foreground and background ends read as black and white"},
        {GradientDirectionIgnored, "direction left out (tables run left to right)"},
        {GradientSpaceIgnored, "interpolation space left out (tables blend in sRGB)"},
        {GradientHintsIgnored, "transition hints left out"},
    };
    QStringList texts;
    if (gradient.notes & GradientSampled)
        texts << QStringLiteral("sampled into %1 stops (largest difference %2 of 255)")
                     .arg(gradient.stops.size())
                     .arg(gradient.maxError, 0, 'f', 1);
    for (const auto& [bit, text] : notes) {
        if (gradient.notes & bit)
            texts << QLatin1String(text);
    }
    if (!texts.isEmpty())
        std::fprintf(stderr, "note: %s: %s\n", qUtf8Printable(gradient.name),
                     qUtf8Printable(texts.join(QStringLiteral("; "))));
}

int Import(CliContext& context) {
    const QString file = context.takePositional(QStringLiteral("FILE"));
    context.expectNoMore();
    const GradientImport import = ImportGradientFile(file);
    if (!import)
        throw OperationError(file + QStringLiteral(": ") + GradientImportErrorText(import));
    SettingsStore store = context.openStore();
    GradientTableList list;
    LoadGradientTables(store, list);
    const int first = list.count();
    const QStringList added = AddImportedGradients(list, import.gradients);
    SaveGradientTables(store, list);
    if (!store.sync())
        throw OperationError(QStringLiteral("cannot write the settings store; nothing was added"));
    for (size_t i = 0; i < size_t(added.size()); ++i) {
        Note(import.gradients[i]);
        WriteTableLine(list, first + int(i));
    }
    if (added.size() < qsizetype(import.gradients.size()))
        throw OperationError(QStringLiteral("the store holds %1 tables, its most: %2 of %3 "
                                            "gradients were not added")
                                 .arg(GradientTableList::kCapacity)
                                 .arg(qsizetype(import.gradients.size()) - added.size())
                                 .arg(import.gradients.size()));
    return 0;
}

int Export(CliContext& context) {
    const std::optional<QString> format = context.takeOption(QStringLiteral("--format"));
    const std::optional<QString> output = context.takeOption(QStringLiteral("-o"));
    const QStringList formats{QStringLiteral("ggr"), QStringLiteral("css"), QStringLiteral("gpl")};
    if (!format)
        throw UsageError(QStringLiteral("export needs --format ggr, css or gpl"));
    if (!formats.contains(*format))
        throw UsageError(QStringLiteral("--format takes ggr, css or gpl, not '%1'").arg(*format));
    GradientTableList list;
    LoadCliGradientTables(context, list);
    // The palette holds the whole list unless a table is named.
    std::span<const GradientTable> tables(&list.slot(0), size_t(list.count()));
    if (*format != QLatin1String("gpl") || !context.args.isEmpty()) {
        const int index = ParseGradientArgument(list, context.takePositional(QStringLiteral("G")));
        tables = tables.subspan(size_t(index), 1);
    }
    context.expectNoMore();
    QString text;
    if (*format == QLatin1String("gpl")) {
        const QString name =
            output ? QFileInfo(*output).completeBaseName() : QStringLiteral("Vellomar");
        text = QString::fromUtf8(WriteGplPalette(tables, name));
    } else if (tables.front().count <= 0) {
        throw OperationError(
            QStringLiteral("the gradient table '%1' has no stops").arg(tables.front().name));
    } else if (*format == QLatin1String("ggr")) {
        text = QString::fromUtf8(WriteGgr(tables.front()));
    } else {
        text = WriteCssLinearGradient(tables.front(), context.loadOptions().interpolation) +
               QLatin1Char('\n');
    }
    if (!output) {
        WriteOut(text);
        return 0;
    }
    if (const QString problem = SaveHtmlFile(*output, text); !problem.isEmpty())
        throw OperationError(problem);
    return 0;
}

int RunGradients(CliContext& context) {
    if (context.args.isEmpty())
        return List(context);
    const QString verb = context.takePositional(QStringLiteral("import or export"));
    if (verb == QLatin1String("import"))
        return Import(context);
    if (verb == QLatin1String("export"))
        return Export(context);
    throw UsageError(UnknownNameMessage(QStringLiteral("unknown gradients command"), verb,
                                        {QStringLiteral("import"), QStringLiteral("export")}));
}

const char* const kHelp =
    "Lists the gradient tables of the store, and brings gradients in from and out\n"
    "to other programs.\n"
    "\n"
    "Without arguments: one line per table: index, TAB, name, TAB, stop count.\n"
    "\n"
    "  import FILE\n"
    "      adds the gradients of FILE to the store's list and prints their lines: a\n"
    "      GIMP gradient (.ggr) or a text holding CSS linear-gradient(...) values\n"
    "      (every one of them becomes a table). A name the list has already gets\n"
    "      \" (2)\", \" (3)\", ...; no table is replaced. What a table cannot hold as\n"
    "      it is (other blends than straight RGB, more than ten stops, hard edges)\n"
    "      is sampled into ten stops, with a note on standard error\n"
    "  export [G] --format ggr|css|gpl\n"
    "      writes table G as a GIMP gradient (ggr) or a CSS linear-gradient(...) in\n"
    "      the interpolation option's space (css), or the whole list (table G alone\n"
    "      when given) as a GIMP palette with one colour per stop (gpl)\n"
    "  -o FILE\n"
    "      (export) writes FILE instead of standard output; an old FILE is\n"
    "      replaced only once the new one is whole\n"
    "\n"
    "Files larger than 1 MiB are refused unread. Import writes the store.\n";

const CliCommand command("gradients", " | import FILE | export [G] --format ggr|css|gpl [-o FILE]",
                         kHelp, RunGradients);

} // namespace
