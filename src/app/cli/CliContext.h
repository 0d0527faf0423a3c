#pragma once

#include "settings/MarkupOptions.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

class SettingsStore;
struct PageTraits;
struct ProgramOptions;

// Bad arguments: exit status 2, one line on standard error.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// The operation failed: exit status 1, the program's own message on standard error.
class OperationError : public std::runtime_error {
public:
    explicit OperationError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// What every subcommand gets: the global options and its own arguments.
struct CliContext {
    QString settingsFile;              // --settings FILE; empty: the user's own store
    std::optional<HtmlCase> htmlCase;  // --case lower|upper|capital
    std::optional<bool> crlf;          // --crlf on|off
    std::optional<bool> names;         // --names on|off
    std::optional<MarkupStyle> markup; // --markup classic|css|modern
    bool wrap = false;                 // --wrap
    QStringList args;                  // the subcommand's own arguments
    QStringList knownOptions;          // what an unknown option is compared with
    std::optional<GradientInterpolation> interpolation; // --interpolation srgb|oklab|oklch

    // The settings store the command reads (never written unless it says so).
    SettingsStore openStore() const;
    // The options of that store with --case, --crlf, --names, --markup and
    // --interpolation applied.
    ProgramOptions loadOptions() const;

    // Takes "--name VALUE" out of args; nullopt when absent.
    std::optional<QString> takeOption(const QString& name);
    // Takes a bare "--name" switch out of args.
    bool takeSwitch(const QString& name);
    // Takes the next positional argument; UsageError naming `what` when none is left.
    QString takePositional(const QString& what);
    // UsageError when arguments are left over.
    void expectNoMore() const;
    // "unknown option X", naming the nearest known option when one is close.
    UsageError unknownOption(const QString& option) const;
};

// Output helpers: bytes as they are, UTF-8.
void WriteOut(const QString& text);
void WriteLine(const QString& line); // text + LF

// A generator's result as the window would put it on the clipboard, or with
// --wrap inside the preview page of the window's page `page`.
void WriteFragment(const CliContext& context, const ProgramOptions& options,
                   const QString& fragment, const PageTraits& page);

// Parses a whole decimal number within [min, max]; UsageError otherwise.
int ParseNumber(const QString& text, const QString& what, int min, int max);
