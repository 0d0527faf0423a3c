#pragma once

#include <QList>
#include <QObject>

class HtmlPage;
class QAction;
struct PageTraits;

// The main window's action list. Menu items and tool bar buttons show these
// actions, so a button is enabled exactly when its action is.
class MainActions : public QObject {
    Q_OBJECT
public:
    explicit MainActions(QObject* parent = nullptr);

    // Enables and disables the page-dependent actions by what the page now
    // shown supports: Save As and browser 1 where it has a file. Browser 2
    // stays enabled: it does nothing where there is no file.
    void applyPage(const HtmlPage& page, const PageTraits& traits);
    QList<QAction*> all() const;

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
    QAction* ac_livepreview = nullptr;
};
