// vellomar-cli: the program's generators and stores, reached from a shell.
#include "CliCommand.h"
#include "CliContext.h"
#include "Version.h"
#include "settings/ProgramOptions.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

namespace {

void PrintUsage() {
    QString text = QStringLiteral(
        "usage: vellomar-cli [--settings FILE] [--case lower|upper|capital] [--crlf on|off]\n"
        "                    [--names on|off] [--markup classic|css] [--wrap] COMMAND ARGS...\n\n"
        "commands:\n");
    for (const CliCommand* command : CliCommand::all())
        text += QStringLiteral("  %1 %2\n")
                    .arg(QLatin1String(command->name), QLatin1String(command->usage));
    WriteOut(text);
}

bool OnOff(const QString& option, const QString& value) {
    if (value == QLatin1String("on"))
        return true;
    if (value == QLatin1String("off"))
        return false;
    throw UsageError(QStringLiteral("%1 takes on or off, not '%2'").arg(option, value));
}

int CaseOption(const QString& value) {
    const QStringList cases{QStringLiteral("lower"), QStringLiteral("upper"),
                            QStringLiteral("capital")};
    if (!cases.contains(value))
        throw UsageError(
            QStringLiteral("--case takes lower, upper or capital, not '%1'").arg(value));
    return int(cases.indexOf(value));
}

int MarkupOption(const QString& value) {
    if (value == QLatin1String("classic"))
        return kMarkupClassic;
    if (value == QLatin1String("css"))
        return kMarkupCss;
    throw UsageError(QStringLiteral("--markup takes classic or css, not '%1'").arg(value));
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vellomar-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLOMAR_VERSION));
    QStringList args = QCoreApplication::arguments().mid(1);
    CliContext context;
    try {
        // Global options stand before the command.
        while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
            const QString option = args.takeFirst();
            auto value = [&]() {
                if (args.isEmpty())
                    throw UsageError(QStringLiteral("%1 needs a value").arg(option));
                return args.takeFirst();
            };
            if (option == QLatin1String("--help")) {
                PrintUsage();
                return 0;
            } else if (option == QLatin1String("--version")) {
                WriteLine(QStringLiteral("vellomar-cli " VELLOMAR_VERSION));
                return 0;
            } else if (option == QLatin1String("--settings")) {
                context.settingsFile = value();
            } else if (option == QLatin1String("--case")) {
                context.htmlCase = CaseOption(value());
            } else if (option == QLatin1String("--crlf")) {
                context.crlf = OnOff(option, value());
            } else if (option == QLatin1String("--names")) {
                context.names = OnOff(option, value());
            } else if (option == QLatin1String("--markup")) {
                context.markup = MarkupOption(value());
            } else if (option == QLatin1String("--wrap")) {
                context.wrap = true;
            } else {
                throw UsageError(QStringLiteral("unknown option %1").arg(option));
            }
        }
        if (args.isEmpty())
            throw UsageError(QStringLiteral("no command given (try --help)"));
        const QString name = args.takeFirst();
        const CliCommand* command = CliCommand::find(name);
        if (!command)
            throw UsageError(QStringLiteral("unknown command %1").arg(name));
        // Global options may also follow the command name.
        context.args = args;
        if (auto v = context.takeOption(QStringLiteral("--settings")))
            context.settingsFile = *v;
        if (context.takeSwitch(QStringLiteral("--wrap")))
            context.wrap = true;
        if (auto v = context.takeOption(QStringLiteral("--case")))
            context.htmlCase = CaseOption(*v);
        if (auto v = context.takeOption(QStringLiteral("--crlf")))
            context.crlf = OnOff(QStringLiteral("--crlf"), *v);
        if (auto v = context.takeOption(QStringLiteral("--names")))
            context.names = OnOff(QStringLiteral("--names"), *v);
        if (auto v = context.takeOption(QStringLiteral("--markup")))
            context.markup = MarkupOption(*v);
        const int status = command->run(context);
        std::fflush(stdout);
        return status;
    } catch (const UsageError& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "vellomar-cli: %s\n", e.what());
        return 2;
    } catch (const OperationError& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
