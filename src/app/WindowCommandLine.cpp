#include "app/WindowCommandLine.h"

namespace {

const QString kLang = QStringLiteral("--lang");

} // namespace

WindowCommandLine ParseWindowCommandLine(const QStringList& arguments) {
    WindowCommandLine line;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            line.help = true;
            continue;
        }
        QString code;
        if (argument == kLang) {
            if (i + 1 >= arguments.size()) {
                line.error = QStringLiteral("--lang needs a value: ja or en");
                return line;
            }
            code = arguments.at(++i);
        } else if (argument.startsWith(kLang + QLatin1Char('='))) {
            code = argument.mid(kLang.size() + 1);
        } else {
            continue;
        }
        line.language = InterfaceLanguageFromCode(code);
        if (!line.language) {
            line.error = QStringLiteral("unknown language '%1' for --lang: use ja or en").arg(code);
            return line;
        }
    }
    return line;
}

QString WindowUsage() {
    return QStringLiteral("Usage: vellomar [--lang ja|en]\n"
                          "\n"
                          "Options:\n"
                          "  --lang ja|en  the language of the windows and the help: ja Japanese,\n"
                          "                en English. Without it the system locale decides:\n"
                          "                Japanese for a Japanese locale, English for any other.\n"
                          "  -h, --help    print this help and exit\n");
}
