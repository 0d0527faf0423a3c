#pragma once

#include "ui/window/InterfaceLanguage.h"

#include <QString>
#include <QStringList>
#include <optional>

// The window program's own options. They are read before Qt starts, so that
// --help and a wrong --lang need no display; every other argument is left to
// Qt (-platform, -style, ...).
struct WindowCommandLine {
    // --lang ja|en; nullopt: the system locale decides.
    std::optional<InterfaceLanguage> language;
    bool help = false;
    // A usage error, for one line on standard error; empty when none.
    QString error;
};

// `arguments` without the program name.
WindowCommandLine ParseWindowCommandLine(const QStringList& arguments);
// The text --help prints.
QString WindowUsage();
