#include "CliContext.h"

#include "NearestName.h"

#include "html/PageMarkup.h"
#include "html/PageTraits.h"
#include "settings/OptionsStore.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"

#include <QFileInfo>

#include <cstdio>

SettingsStore CliContext::openStore() const {
    if (settingsFile.isEmpty())
        return SettingsStore();
    // A missing file is a first start; one that is there but cannot be read
    // must not pass for a store holding nothing but defaults.
    const QFileInfo info(settingsFile);
    if (info.exists() && (!info.isFile() || !info.isReadable()))
        throw OperationError(QStringLiteral("cannot read the settings file %1").arg(settingsFile));
    return SettingsStore(settingsFile);
}

ProgramOptions CliContext::loadOptions() const {
    const SettingsStore store = openStore();
    ProgramOptions options;
    LoadOptions(store, options);
    if (htmlCase)
        options.htmlcase = *htmlCase;
    if (crlf)
        options.htmlcr = *crlf;
    if (names)
        options.colorconst = *names;
    if (markup)
        options.markupstyle = *markup;
    if (interpolation)
        options.interpolation = *interpolation;
    return options;
}

std::optional<QString> CliContext::takeOption(const QString& name) {
    const qsizetype i = args.indexOf(name);
    if (i < 0)
        return std::nullopt;
    if (i + 1 >= args.size())
        throw UsageError(QStringLiteral("%1 needs a value").arg(name));
    const QString value = args.at(i + 1);
    args.remove(i, 2);
    return value;
}

bool CliContext::takeSwitch(const QString& name) {
    return args.removeAll(name) > 0;
}

QString CliContext::takePositional(const QString& what) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        // "-" alone and negative numbers are values, not options.
        if (a.startsWith(QLatin1String("--")) && a.size() > 2)
            throw unknownOption(a);
        return args.takeAt(i);
    }
    throw UsageError(QStringLiteral("missing %1").arg(what));
}

void CliContext::expectNoMore() const {
    if (!args.isEmpty()) {
        const QString& a = args.first();
        if (a.startsWith(QLatin1String("--")))
            throw unknownOption(a);
        throw UsageError(QStringLiteral("unexpected argument %1").arg(a));
    }
}

UsageError CliContext::unknownOption(const QString& option) const {
    return UsageError(UnknownNameMessage(QStringLiteral("unknown option"), option, knownOptions));
}

void WriteOut(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void WriteLine(const QString& line) {
    WriteOut(line + QLatin1Char('\n'));
}

void WriteFragment(const CliContext& context, const ProgramOptions& options,
                   const QString& fragment, const PageTraits& page) {
    if (!context.wrap) {
        WriteOut(fragment);
        return;
    }
    // The window makes no preview page of the colour page either.
    if (!page.outputFile)
        throw UsageError(QStringLiteral("--wrap does not apply to this command"));
    // The gradient-text editor starts with viewback as its background.
    WriteOut(WrapPageMarkup(fragment, page, options.viewback, options));
}

int ParseNumber(const QString& text, const QString& what, int min, int max) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < min || value > max)
        throw UsageError(QStringLiteral("%1 must be a whole number from %2 to %3, not '%4'")
                             .arg(what)
                             .arg(min)
                             .arg(max)
                             .arg(text));
    return value;
}
