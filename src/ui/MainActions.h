#pragma once

#include <QObject>

class QAction;

// The main window's action list. Menu items and tool bar buttons show these
// actions, so a button is enabled exactly when its action is.
class MainActions : public QObject {
    Q_OBJECT
public:
    explicit MainActions(QObject* parent = nullptr);

    // Which page-dependent actions a page enables.
    struct PageStates {
        bool saveAs, cut, copy, paste, selectAll, htmlCopy, browser1;
    };
    static PageStates StatesForPage(int page);

    // Enables and disables the page-dependent actions for the page now shown.
    void applyPage(int page);

    QAction* ac_saveas = nullptr;
    QAction* ac_exit = nullptr;
    QAction* ac_cut = nullptr;
    QAction* ac_copy = nullptr;
    QAction* ac_paste = nullptr;
    QAction* ac_selectall = nullptr;
    QAction* ac_htmlcopy = nullptr;
    QAction* ac_wwwview = nullptr;
    QAction* ac_wwwview2 = nullptr;
    QAction* ac_option = nullptr;
    QAction* ac_contents = nullptr;
    QAction* ac_searchonhelp = nullptr;
    QAction* ac_helponhelp = nullptr;
    QAction* ac_about = nullptr;
    QAction* ac_chart = nullptr;
};
