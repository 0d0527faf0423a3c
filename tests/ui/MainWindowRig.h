#pragma once

// A main window over the settings in one INI file, built as the program
// builds it.
#include "settings/SettingsStore.h"
#include "ui/pages/PageRegistry.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

struct MainWindowRig {
    explicit MainWindowRig(const QString& ini) : store(ini) {}
    SettingsStore store;
    ProgramState state{store};
    TfrmMain w{state};
};

// Builds every page of the window, as showing each tab would.
inline void BuildEveryPage(TfrmMain& w) {
    for (const PageRegistration& page : RegisteredPages())
        w.page(page.traits);
}
