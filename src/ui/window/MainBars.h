#pragma once

#include <QStringList>

class MainActions;
class QAction;
class QFont;
class QFontMetrics;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

// The main menu in its dockable tool bar, and the glyph tool bar.
class MainBars {
public:
    // Builds both tool bars into the window's top dock, menu bar first.
    MainBars(QMainWindow& window, MainActions& actions);

    // Width of the menu bar: each top-level caption as shown, followed by one
    // space, summed.
    static int MenuBarWidth(const QFontMetrics& metrics, const QStringList& captions);
    // Sizes MenuBar1 and Toolbar972 to the menu captions in `font`: height of
    // a space + 10, width as above, tool bar 10 wider.
    void sizeMenuBar(const QFont& font);
    QStringList menuCaptions() const;

    QToolBar* Toolbar972 = nullptr;
    QMenuBar* MenuBar1 = nullptr;
    QToolBar* Toolbar971 = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuOption = nullptr; // a menu title without items
    QMenu* mnuHelp = nullptr;
};
