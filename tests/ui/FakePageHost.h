#pragma once

// A stand-in for the main window around one page: a current colour, an
// optional gradient table, options and a status bar, no progress dialog.
#include "gradient/GradientTable.h"
#include "settings/ProgramOptions.h"
#include "ui/pages/PageHost.h"

#include <QStatusBar>
#include <QWidget>
#include <optional>

class FakePageHost : public PageHost {
public:
    TColor CurrentColor() const override { return m_color; }
    const GradientTable* selectedGradient() const override {
        return m_gradient ? &*m_gradient : nullptr;
    }
    ProgramOptions& options() override { return m_options; }
    bool Updating() const override { return m_updating; }
    Tfrmwaitdlg* progressDialog() override { return nullptr; }
    QStatusBar* statusLine() override { return &m_status; }
    QWidget* dialogParent() override { return nullptr; }

    // Black at 0 to white at 300.
    void selectBlackToWhite() {
        GradientTable table;
        table.name = QStringLiteral("黒、白");
        table.setStops(std::vector<GradientStop>{{0, 0x000000}, {300, 0xFFFFFF}});
        m_gradient = table;
    }

    ProgramOptions m_options;
    std::optional<GradientTable> m_gradient;
    TColor m_color = 0xFFFFFF;
    bool m_updating = false;
    QStatusBar m_status;
};

// The control of that name under `parent`; a missing one ends the run.
template <class T> T* Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}
