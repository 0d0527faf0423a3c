// vellomar-cli: the program's generators and stores, reached from a shell.
#include "CliCommand.h"
#include "CliContext.h"
#include "CliHelp.h"
#include "NearestName.h"
#include "Version.h"
#include "settings/ProgramOptions.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <exception>
#include <new>

namespace {

bool OnOff(const QString& option, const QString& value) {
    if (value == QLatin1String("on"))
        return true;
    if (value == QLatin1String("off"))
        return false;
    throw UsageError(QStringLiteral("%1 takes on or off, not '%2'").arg(option, value));
}

HtmlCase CaseOption(const QString& value) {
    const QStringList cases{QStringLiteral("lower"), QStringLiteral("upper"),
                            QStringLiteral("capital")};
    if (!cases.contains(value))
        throw UsageError(
            QStringLiteral("--case takes lower, upper or capital, not '%1'").arg(value));
    return HtmlCase(cases.indexOf(value));
}

MarkupStyle MarkupOption(const QString& value) {
    if (value == QLatin1String("classic"))
        return MarkupStyle::Classic;
    if (value == QLatin1String("css"))
        return MarkupStyle::Css;
    if (value == QLatin1String("modern"))
        return MarkupStyle::Modern;
    throw UsageError(QStringLiteral("--markup takes classic, css or modern, not '%1'").arg(value));
}

GradientInterpolation InterpolationOption(const QString& value) {
    const QStringList spaces{QStringLiteral("srgb"), QStringLiteral("oklab"),
                             QStringLiteral("oklch")};
    if (!spaces.contains(value))
        throw UsageError(
            QStringLiteral("--interpolation takes srgb, oklab or oklch, not '%1'").arg(value));
    return GradientInterpolation(spaces.indexOf(value));
}

const CliCommand& FindCommand(const QString& name) {
    if (const CliCommand* command = CliCommand::find(name))
        return *command;
    throw UsageError(
        UnknownNameMessage(QStringLiteral("unknown command"), name, CliCommand::names()));
}

int Run(QStringList args) {
    CliContext context;
    // Global options stand before the command.
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        auto value = [&]() {
            if (args.isEmpty())
                throw UsageError(QStringLiteral("%1 needs a value").arg(option));
            return args.takeFirst();
        };
        if (option == QLatin1String("--help")) {
            // "--help COMMAND" is that command's help.
            WriteOut(args.isEmpty() ? CliUsageText()
                                    : CliCommandHelpText(FindCommand(args.first())));
            return 0;
        } else if (option == QLatin1String("--version")) {
            WriteLine(QStringLiteral("vellomar-cli " VELLOMAR_VERSION));
            return 0;
        } else if (option == QLatin1String("--man-page")) {
            // Undocumented: the build makes the manual page and the completion script with these.
            WriteOut(CliManPage(QStringLiteral(VELLOMAR_VERSION)));
            return 0;
        } else if (option == QLatin1String("--bash-completion")) {
            WriteOut(CliBashCompletion());
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
        } else if (option == QLatin1String("--interpolation")) {
            context.interpolation = InterpolationOption(value());
        } else if (option == QLatin1String("--wrap")) {
            context.wrap = true;
        } else {
            throw UsageError(UnknownNameMessage(QStringLiteral("unknown option"), option,
                                                CliGlobalOptionNames(false)));
        }
    }
    if (args.isEmpty())
        throw UsageError(QStringLiteral("no command given (try --help)"));
    const CliCommand& command = FindCommand(args.takeFirst());
    if (args.contains(QStringLiteral("--help"))) {
        WriteOut(CliCommandHelpText(command));
        return 0;
    }
    // Global options may also follow the command name.
    context.args = args;
    context.knownOptions = command.options() + CliGlobalOptionNames(true);
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
    if (auto v = context.takeOption(QStringLiteral("--interpolation")))
        context.interpolation = InterpolationOption(*v);
    return command.run(context);
}

} // namespace

int main(int argc, char** argv) {
    // Under a file size limit a write fails and the old file is kept.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vellomar-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELLOMAR_VERSION));
    int status = 0;
    try {
        status = Run(QCoreApplication::arguments().mid(1));
    } catch (const UsageError& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "vellomar-cli: %s\n", e.what());
        return 2;
    } catch (const OperationError& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (const std::bad_alloc&) {
        std::fflush(stdout);
        std::fprintf(stderr, "vellomar-cli: out of memory\n");
        return 1;
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "vellomar-cli: %s\n", e.what());
        return 1;
    }
    // Output that did not arrive (a full disk, a closed pipe) is a failure.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "vellomar-cli: cannot write to standard output\n");
        return 1;
    }
    return status;
}
