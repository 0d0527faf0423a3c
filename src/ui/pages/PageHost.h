#pragma once

#include "core/Color.h"

#include <vector>

class CurrentColorModel;
struct GradientTable;
class QStatusBar;
class QWidget;
class Tfrmwaitdlg;
struct ProgramOptions;

// What a page may use of the window around it.
class PageHost {
public:
    // The one current colour.
    virtual TColor CurrentColor() const = 0;
    // The model behind it, for a page that follows its changes; null where
    // a page stands alone.
    virtual CurrentColorModel* currentColorModel() { return nullptr; }
    // The colour history, most recent first.
    virtual std::vector<TColor> recentColors() const { return {}; }

    // The gradient table selected in the window's gradient box; null when none.
    virtual const GradientTable* selectedGradient() const = 0;

    // The option record of the run.
    virtual ProgramOptions& options() = 0;

    // Whether a page is refreshing its own controls; output and page
    // handlers do nothing meanwhile.
    virtual bool Updating() const = 0;

    // The progress dialog of long operations.
    virtual Tfrmwaitdlg* progressDialog() = 0;
    // The window's status bar.
    virtual QStatusBar* statusLine() = 0;
    // The parent for the page's message boxes and dialogs.
    virtual QWidget* dialogParent() = 0;

protected:
    ~PageHost() = default;
};
