#include "CliHelp.h"

#include "CliCommand.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstring>

namespace {

const char* const kDescription =
    "Vellomar's colours, gradient tables, HTML writers and BMP conversions from a shell. "
    "Output goes to standard output as UTF-8, byte for byte what the window program would "
    "place on the clipboard; listing commands print one item per line.";

struct Item {
    const char* term;
    const char* text;
};

const Item kArguments[] = {
    {"C", "a colour: #RRGGBB (either letter case), R,G,B in decimal 0..255, a CSS colour name "
          "(the colour browsers draw for it, grey spellings and rebeccapurple included), or "
          "another name from the named colour table (first match)"},
    {"G", "a gradient table: its index in the store or its exact name"},
};

const Item kExitStatus[] = {
    {"0", "done"},
    {"1", "the operation failed (a picture error, an unreadable file, a user template "
          "with a fault); the program's own message is on standard error"},
    {"2", "usage error (unknown command or option, bad number, unknown colour, gradient or "
          "template name); one line on standard error beginning \"vellomar-cli: \""},
};

constexpr int kLineWidth = 79;

// The words of `text`; a bracketed group of a synopsis stays one word.
QStringList Words(const QString& text) {
    QStringList words;
    QString word;
    int depth = 0;
    for (QChar c : text) {
        if (c == QLatin1Char('['))
            ++depth;
        else if (c == QLatin1Char(']') && depth > 0)
            --depth;
        if (c == QLatin1Char(' ') && depth == 0) {
            if (!word.isEmpty())
                words << word;
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

// Words of `text` in lines of at most kLineWidth (where words allow), every
// line after the first indented by `indent`.
QString Wrap(const QString& text, int indent, int firstColumn) {
    QString out;
    int column = firstColumn;
    bool lineEmpty = true;
    for (const QString& word : Words(text)) {
        if (!lineEmpty && column + 1 + word.size() > kLineWidth) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += word;
        column += int(word.size());
        lineEmpty = false;
    }
    return out + QLatin1Char('\n');
}

QString Synopsis(const CliCommand& command) {
    const QString head = QStringLiteral("vellomar-cli ") + QLatin1String(command.name);
    QStringList lines;
    for (const QString& alternative :
         QString::fromLatin1(command.usage).split(QStringLiteral(" | ")))
        lines << (alternative.isEmpty() ? head : head + QLatin1Char(' ') + alternative);
    return lines.join(QLatin1Char('\n'));
}

QString GlobalTerm(const CliGlobalOption& option) {
    QString term = QLatin1String(option.name);
    if (*option.value)
        term += QLatin1Char(' ') + QLatin1String(option.value);
    return term;
}

// Two columns: the term padded to `width`, then the text, wrapped under itself.
QString Columns(const QString& term, const QString& text, int width) {
    if (term.size() + 4 > width)
        return QStringLiteral("  ") + term + QLatin1Char('\n') + QString(width, QLatin1Char(' ')) +
               Wrap(text, width, width);
    return QStringLiteral("  ") + term.leftJustified(width - 2) + Wrap(text, width, width);
}

// Roff text: backslashes, hyphens and leading control characters escaped.
QString Roff(const QString& text) {
    QString out = text;
    out.replace(QLatin1Char('\\'), QStringLiteral("\\e"));
    out.replace(QLatin1Char('-'), QStringLiteral("\\-"));
    if (out.startsWith(QLatin1Char('.')) || out.startsWith(QLatin1Char('\'')))
        out.prepend(QStringLiteral("\\&"));
    return out;
}

// A help text (plain lines, "  item" lines with "      text" under them) as roff.
QString RoffBody(const QString& help) {
    QString out;
    for (const QString& line : help.split(QLatin1Char('\n'))) {
        if (line.trimmed().isEmpty())
            out += QStringLiteral(".PP\n");
        else if (line.startsWith(QLatin1String("      ")))
            out += Roff(line.trimmed()) + QLatin1Char('\n');
        else if (line.startsWith(QLatin1String("  ")))
            out += QStringLiteral(".TP\n\\fB%1\\fR\n").arg(Roff(line.trimmed()));
        else
            out += Roff(line) + QLatin1Char('\n');
    }
    return out;
}

template <size_t N> QString RoffItems(const Item (&items)[N]) {
    QString out;
    for (const Item& item : items)
        out += QStringLiteral(".TP\n\\fB%1\\fR\n%2\n")
                   .arg(Roff(QLatin1String(item.term)), Roff(QLatin1String(item.text)));
    return out;
}

QString BashWords(const QStringList& words) {
    return words.join(QLatin1Char(' '));
}

} // namespace

const std::vector<CliGlobalOption>& CliGlobalOptions() {
    static const std::vector<CliGlobalOption> options{
        {"--settings", "FILE",
         "use this INI file as the settings store instead of the user's own; a missing file "
         "means a first start (all defaults); the store is never written",
         true},
        {"--case", "lower|upper|capital", "overrides the letter case of the HTML written", true},
        {"--crlf", "on|off", "overrides whether the HTML breaks lines with CR LF", true},
        {"--names", "on|off", "overrides whether colours are written as colour names", true},
        {"--markup", "classic|css|modern",
         "overrides the markup style: classic attributes and FONT, CSS for HTML5, or CSS that "
         "leaves gradient text and gradient rules to the browser's linear-gradient",
         true},
        {"--interpolation", "srgb|oklab|oklch",
         "overrides the colour space gradients walk in between their stops: straight 8-bit "
         "sRGB channels, a straight line in OKLab, or the shorter hue arc in OKLCH",
         true},
        {"--wrap", "",
         "(generators) write the complete preview page around the fragment, as the preview file "
         "would hold it",
         true},
        {"--help", "", "print this help; after a command, that command's help", false},
        {"--version", "", "print the version", false},
    };
    return options;
}

QStringList CliGlobalOptionNames(bool afterCommandOnly) {
    QStringList names;
    for (const CliGlobalOption& option : CliGlobalOptions()) {
        if (option.afterCommand || !afterCommandOnly)
            names << QLatin1String(option.name);
    }
    return names;
}

QString CliUsageText() {
    QString text = QStringLiteral("usage: vellomar-cli [GLOBAL OPTIONS] COMMAND [ARGS...]\n"
                                  "       vellomar-cli COMMAND --help\n"
                                  "       vellomar-cli --help | --version\n\n");
    text += Wrap(QLatin1String(kDescription), 0, 0) + QStringLiteral("\nglobal options:\n");
    for (const CliGlobalOption& option : CliGlobalOptions())
        text += Columns(GlobalTerm(option), QLatin1String(option.text), 30);
    text += QStringLiteral("\ncommands:\n");
    int width = 0;
    for (const CliCommand* command : CliCommand::all())
        width = std::max(width, int(std::strlen(command->name)) + 4);
    for (const CliCommand* command : CliCommand::all())
        text += Columns(QLatin1String(command->name), command->summary(), width);
    text += QStringLiteral("\narguments:\n");
    for (const Item& item : kArguments)
        text += Columns(QLatin1String(item.term), QLatin1String(item.text), 6);
    text += QStringLiteral("\nexit status:\n");
    for (const Item& item : kExitStatus)
        text += Columns(QLatin1String(item.term), QLatin1String(item.text), 6);
    text += QStringLiteral("\n\"vellomar-cli COMMAND --help\" describes a command.\n");
    return text;
}

QString CliCommandHelpText(const CliCommand& command) {
    QString text;
    const QString head = QStringLiteral("vellomar-cli ") + QLatin1String(command.name);
    const int indent = int(head.size()) + 8;
    for (const QString& line : Synopsis(command).split(QLatin1Char('\n')))
        text += (text.isEmpty() ? QStringLiteral("usage: ") : QStringLiteral("       ")) +
                Wrap(line, indent, 7);
    return text + QLatin1Char('\n') + QString::fromUtf8(command.help).trimmed() +
           QStringLiteral("\n\nGlobal options and exit status: vellomar-cli --help\n");
}

QString CliManPage(const QString& version) {
    QString page = QStringLiteral(".TH VELLOMAR\\-CLI 1 \"\" \"Vellomar %1\" \"User Commands\"\n")
                       .arg(Roff(version));
    page += QStringLiteral(".SH NAME\nvellomar\\-cli \\- Vellomar from a shell\n");
    page += QStringLiteral(".SH SYNOPSIS\n.B vellomar\\-cli\n"
                           "[\\fIGLOBAL OPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGS\\fR...]\n.br\n"
                           ".B vellomar\\-cli\n\\fICOMMAND\\fR \\fB\\-\\-help\\fR\n.br\n"
                           ".B vellomar\\-cli\n\\fB\\-\\-help\\fR | \\fB\\-\\-version\\fR\n");
    page +=
        QStringLiteral(".SH DESCRIPTION\n") + Roff(QLatin1String(kDescription)) + QLatin1Char('\n');
    page += QStringLiteral(".SH GLOBAL OPTIONS\n");
    for (const CliGlobalOption& option : CliGlobalOptions())
        page += QStringLiteral(".TP\n\\fB%1\\fR\n%2\n")
                    .arg(Roff(GlobalTerm(option)), Roff(QLatin1String(option.text)));
    page += QStringLiteral(".SH COMMANDS\n");
    for (const CliCommand* command : CliCommand::all()) {
        page += QStringLiteral(".SS %1\n").arg(Roff(QLatin1String(command->name)));
        for (const QString& line : Synopsis(*command).split(QLatin1Char('\n')))
            page += QStringLiteral(".B %1\n.br\n").arg(Roff(line));
        page += QStringLiteral(".PP\n") + RoffBody(QString::fromUtf8(command->help).trimmed());
    }
    page += QStringLiteral(".SH ARGUMENTS\n") + RoffItems(kArguments);
    page += QStringLiteral(".SH EXIT STATUS\n") + RoffItems(kExitStatus);
    return page;
}

QString CliBashCompletion() {
    QStringList valueOptions;
    QStringList afterCommand = CliGlobalOptionNames(true);
    afterCommand << QStringLiteral("--help");
    QString values;
    for (const CliGlobalOption& option : CliGlobalOptions()) {
        if (!*option.value)
            continue;
        valueOptions << QLatin1String(option.name);
        if (QLatin1String(option.value).contains(QLatin1Char('|')))
            values += QStringLiteral("        *\" %1\") values=\"%2\" ;;\n")
                          .arg(QLatin1String(option.name),
                               QString::fromLatin1(option.value)
                                   .replace(QLatin1Char('|'), QLatin1Char(' ')));
    }
    QString perCommand;
    static const QRegularExpression takesValue(QStringLiteral("(--[a-z][a-z-]*) [A-Za-z0-9]"));
    for (const CliCommand* command : CliCommand::all()) {
        const QString name = QLatin1String(command->name);
        for (const QRegularExpressionMatch& m :
             takesValue.globalMatch(QLatin1String(command->usage)))
            if (!valueOptions.contains(m.captured(1)))
                valueOptions << m.captured(1);
        for (const QString& option : command->options()) {
            const QStringList list = command->optionValues(option);
            if (!list.isEmpty())
                values += QStringLiteral("        \"%1 %2\") values=\"%3\" ;;\n")
                              .arg(name, option, BashWords(list));
        }
        perCommand += QStringLiteral("            %1) options=\"%2\"; verbs=\"%3\" ;;\n")
                          .arg(name, BashWords(command->options() + afterCommand),
                               BashWords(command->verbs()));
    }
    QString script = QStringLiteral(
        "# bash completion for vellomar-cli                         -*- shell-script -*-\n"
        "# Made by \"vellomar-cli\" from its own usage texts when it was built.\n"
        "\n"
        "_vellomar_cli()\n"
        "{\n"
        "    local cur=${COMP_WORDS[COMP_CWORD]}\n"
        "    local prev=${COMP_WORDS[COMP_CWORD-1]}\n"
        "    local i word command= verb= skip=\n"
        "    # The command is the first word that is no option and no option's value;\n"
        "    # the verb, the word after it.\n"
        "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        "        word=${COMP_WORDS[i]}\n"
        "        if [[ -n $skip ]]; then skip=; continue; fi\n"
        "        case $word in\n"
        "            @VALUEOPTIONS@) skip=1 ;;\n"
        "            -*) ;;\n"
        "            *) if [[ -z $command ]]; then command=$word\n"
        "               elif [[ -z $verb ]]; then verb=$word; fi ;;\n"
        "        esac\n"
        "    done\n"
        "\n"
        "    local values=\n"
        "    case \"$command $prev\" in\n"
        "@VALUES@"
        "    esac\n"
        "    if [[ -n $values ]]; then\n"
        "        COMPREPLY=($(compgen -W \"$values\" -- \"$cur\"))\n"
        "        return\n"
        "    fi\n"
        "    # Another option's value: let bash complete file names.\n"
        "    case $prev in\n"
        "        @VALUEOPTIONS@) COMPREPLY=(); return ;;\n"
        "    esac\n"
        "\n"
        "    local words=\n"
        "    if [[ -z $command ]]; then\n"
        "        if [[ $cur == -* ]]; then\n"
        "            words=\"@GLOBALS@\"\n"
        "        else\n"
        "            words=\"@COMMANDS@\"\n"
        "        fi\n"
        "    else\n"
        "        local options= verbs=\n"
        "        case $command in\n"
        "@PERCOMMAND@"
        "        esac\n"
        "        if [[ $cur == -* ]]; then\n"
        "            words=$options\n"
        "        elif [[ -n $verbs && -z $verb ]]; then\n"
        "            words=$verbs\n"
        "        fi\n"
        "    fi\n"
        "    if [[ -n $words ]]; then COMPREPLY=($(compgen -W \"$words\" -- \"$cur\")); fi\n"
        "}\n"
        "complete -o default -F _vellomar_cli vellomar-cli\n");
    script.replace(QStringLiteral("@VALUEOPTIONS@"), valueOptions.join(QLatin1Char('|')));
    script.replace(QStringLiteral("@VALUES@"), values);
    script.replace(QStringLiteral("@GLOBALS@"), BashWords(CliGlobalOptionNames(false)));
    script.replace(QStringLiteral("@COMMANDS@"), BashWords(CliCommand::names()));
    script.replace(QStringLiteral("@PERCOMMAND@"), perCommand);
    return script;
}
