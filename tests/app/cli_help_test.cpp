#include "CliProcess.h"
#include "NearestName.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QStringList kCommands{"bmp",           "body",          "color",     "contrast",
                            "gradient-draw", "gradient-walk", "gradients", "names",
                            "rule",          "table",         "text"};

// One usage error: status 2, nothing on standard output, one line on standard error.
void ExpectUsageError(const CliRun& run, const char* message) {
    EXPECT_EQ(run.status, 2) << message;
    EXPECT_TRUE(run.out.isEmpty()) << message;
    EXPECT_EQ(run.errText(), QStringLiteral("vellomar-cli: %1\n").arg(QLatin1String(message)));
}

QString ReadText(const char* path) {
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

TEST(CliHelp, HelpAndVersionGoToStandardOutput) {
    const CliRun help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.err.isEmpty());
    EXPECT_TRUE(help.out.startsWith("usage: vellomar-cli "));
    for (const QString& command : kCommands)
        EXPECT_TRUE(help.outText().contains(QStringLiteral("\n  %1 ").arg(command)))
            << qPrintable(command);
    // Lines fit a terminal.
    for (const QByteArray& line : help.out.split('\n'))
        EXPECT_LE(line.size(), 80) << line.constData();

    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^vellomar-cli \\d+\\.\\d+(\\.\\d+)*\n$"))
                    .match(version.outText())
                    .hasMatch())
        << version.out.constData();
}

TEST(CliHelp, EveryCommandHasItsOwnHelp) {
    for (const QString& command : kCommands) {
        const CliRun run = RunCli({command, QStringLiteral("--help")});
        EXPECT_EQ(run.status, 0) << qPrintable(command);
        EXPECT_TRUE(run.err.isEmpty()) << qPrintable(command);
        EXPECT_TRUE(run.outText().startsWith(QStringLiteral("usage: vellomar-cli %1").arg(command)))
            << qPrintable(command);
        // --help wins over arguments that would otherwise be an error, and
        // "--help COMMAND" says the same.
        EXPECT_EQ(RunCli({command, QStringLiteral("--nosuch"), QStringLiteral("--help")}).out,
                  run.out);
        EXPECT_EQ(RunCli({QStringLiteral("--help"), command}).out, run.out);
    }
    const CliRun bmp = RunCli({"bmp", "--help"});
    for (const char* part : {"bmp info FILE", "bmp convert IN OUT FORMAT", "bmp palette IN OUT",
                             "--quality low|high", "halftonebw"})
        EXPECT_TRUE(bmp.out.contains(part)) << part;
}

TEST(CliHelp, MistypedNamesSuggestTheNearest) {
    ExpectUsageError(RunCli({"gradeints"}), "unknown command gradeints (did you mean gradients?)");
    ExpectUsageError(RunCli({"colour", "red"}), "unknown command colour (did you mean color?)");
    ExpectUsageError(RunCli({"frobnicate"}), "unknown command frobnicate");
    ExpectUsageError(RunCli({"--wrapp", "names"}), "unknown option --wrapp (did you mean --wrap?)");
    ExpectUsageError(RunCli({"rule", "--colr", "red"}),
                     "unknown option --colr (did you mean --color?)");
    // Global options after the command count as known.
    ExpectUsageError(RunCli({"names", "--setings", "x.ini"}),
                     "unknown option --setings (did you mean --settings?)");
    ExpectUsageError(RunCli({"table", "--fil", "red"}),
                     "unknown option --fil (did you mean --fill?)");
    ExpectUsageError(RunCli({"bmp", "infp", "x.bmp"}),
                     "unknown bmp command infp (did you mean info?)");
    ExpectUsageError(RunCli({"bmp", "convert", "a.bmp", "b.bmp", "8bti"}),
                     "unknown format 8bti (did you mean 8bit?)");
}

TEST(CliHelp, NearestNameNeedsACloseCandidate) {
    EXPECT_EQ(EditDistance("gradeints", "gradients"), 1); // a swap is one edit
    EXPECT_EQ(EditDistance("", "abc"), 3);
    EXPECT_EQ(NearestName("--rovs", {"--rows", "--cols"}), "--rows");
    EXPECT_EQ(NearestName("xyz", {"bmp", "rule"}), "");
    EXPECT_EQ(NearestName("", {"a"}), "");
}

TEST(CliHelp, ExitStatusSaysWhatWentWrong) {
    const QString suite = QStringLiteral(VELLOMAR_TESTDATA "/bmpsuite/");
    for (const QStringList& args :
         {QStringList{}, QStringList{"--case", "upperr", "names"}, QStringList{"names", "--case"},
          QStringList{"contrast", "red"}, QStringList{"gradient-walk", "999", "5"},
          QStringList{"body", "--preset", "99"}, QStringList{"bmp", "convert", "a.bmp"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 2) << qPrintable(args.join(' '));
        EXPECT_TRUE(run.err.startsWith("vellomar-cli: ")) << qPrintable(args.join(' '));
        EXPECT_EQ(run.err.count('\n'), 1) << qPrintable(args.join(' '));
    }
    for (const QStringList& args :
         {QStringList{"bmp", "info", suite + "no-such-file.bmp"},
          QStringList{"bmp", "convert", suite + "g/rgb24.bmp", suite + "no/such/dir.bmp", "8bit"},
          QStringList{"--settings", QStringLiteral(VELLOMAR_TESTDATA), "names"}}) {
        const CliRun run = RunCli(args);
        EXPECT_EQ(run.status, 1) << qPrintable(args.join(' '));
        EXPECT_FALSE(run.err.isEmpty()) << qPrintable(args.join(' '));
    }
}

TEST(CliHelp, OutputThatCannotBeWrittenIsAFailure) {
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(VELLOMAR_CLI), {QStringLiteral("names")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_EQ(process.readAllStandardError(), "vellomar-cli: cannot write to standard output\n");
}

#ifdef VELLOMAR_CLI_MAN_PAGE
TEST(CliHelp, ManualPageIsMadeFromTheUsageTexts) {
    const QString page = ReadText(VELLOMAR_CLI_MAN_PAGE);
    ASSERT_FALSE(page.isEmpty());
    const CliRun version = RunCli({"--version"});
    const QString number = version.outText().section(QLatin1Char(' '), 1).trimmed();
    EXPECT_TRUE(page.startsWith(
        QStringLiteral(".TH VELLOMAR\\-CLI 1 \"\" \"Vellomar %1\" \"User Commands\"\n")
            .arg(number)));
    for (const char* section :
         {"NAME", "SYNOPSIS", "DESCRIPTION", "GLOBAL OPTIONS", "COMMANDS", "EXIT STATUS"})
        EXPECT_TRUE(page.contains(QStringLiteral("\n.SH %1\n").arg(QLatin1String(section))))
            << section;
    for (QString command : kCommands)
        EXPECT_TRUE(page.contains(
            QStringLiteral("\n.SS %1\n").arg(command.replace(QLatin1Char('-'), "\\-"))))
            << qPrintable(command);
    EXPECT_TRUE(page.contains("\n.B vellomar\\-cli bmp convert IN OUT FORMAT "
                              "[\\-\\-quality low|high] [\\-\\-key C]\n"));
    // No text line may start a request by accident.
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('.')) || line.startsWith(QLatin1Char('\''))) {
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\.(TH|SH|SS|TP|PP|B|br)( |$)"))
                            .match(line)
                            .hasMatch())
                << qPrintable(line);
        }
    }
}
#endif

#ifdef VELLOMAR_CLI_COMPLETION
namespace {
// What bash offers for the words typed so far, the last one being completed.
QStringList Complete(const QString& line) {
    QProcess bash;
    const QString script =
        QStringLiteral("source \"$1\" || exit 3\n"
                       "complete -p vellomar-cli | grep -q -- '-F _vellomar_cli' || exit 4\n"
                       "read -r -a COMP_WORDS <<< \"$2\"\n"
                       "[[ $2 == *' ' ]] && COMP_WORDS+=('')\n"
                       "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                       "_vellomar_cli\n"
                       "printf '%s\\n' \"${COMPREPLY[@]}\"\n");
    bash.start(QStringLiteral("bash"),
               {QStringLiteral("--norc"), QStringLiteral("-c"), script, QStringLiteral("bash"),
                QStringLiteral(VELLOMAR_CLI_COMPLETION), line});
    if (!bash.waitForFinished(60000) || bash.exitCode() != 0)
        return {QStringLiteral("bash failed: %1").arg(bash.exitCode())};
    return QString::fromUtf8(bash.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}
} // namespace

TEST(CliHelp, CompletionScriptCompletesCommandsOptionsAndValues) {
    EXPECT_EQ(Complete("vellomar-cli gra"),
              (QStringList{"gradient-draw", "gradient-walk", "gradients"}));
    EXPECT_EQ(Complete("vellomar-cli --settings x.ini na"), QStringList{"names"});
    EXPECT_EQ(Complete("vellomar-cli --ver"), QStringList{"--version"});
    EXPECT_EQ(Complete("vellomar-cli rule --al"), QStringList{"--align"});
    EXPECT_EQ(Complete("vellomar-cli rule --align "), (QStringList{"left", "center", "right"}));
    EXPECT_EQ(Complete("vellomar-cli --case u"), QStringList{"upper"});
    EXPECT_EQ(Complete("vellomar-cli bmp "), (QStringList{"info", "convert", "palette"}));
    EXPECT_EQ(Complete("vellomar-cli bmp convert in.bmp out.bmp 8bit --quality h"),
              QStringList{"high"});
    // File arguments are left to bash's own file name completion.
    EXPECT_EQ(Complete("vellomar-cli bmp info "), QStringList{});
}
#endif
