#include "ui/window/MainBars.h"

#include "ui/window/MainActions.h"

#include <QAction>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

QString ShownCaption(QString caption) {
    // "&&" shows one ampersand; a single "&" marks the letter and is not shown.
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption;
}

void NameButton(QToolBar* bar, QAction* action, const char* name) {
    if (QWidget* button = bar->widgetForAction(action))
        button->setObjectName(QString::fromLatin1(name));
}

} // namespace

MainBars::MainBars(QMainWindow& window, MainActions& actions) {
    Toolbar972 = new QToolBar(QCoreApplication::translate("MainBars", "メニューバー"), &window);
    Toolbar972->setObjectName(QStringLiteral("Toolbar972"));
    MenuBar1 = new QMenuBar(Toolbar972);
    MenuBar1->setObjectName(QStringLiteral("MenuBar1"));
    MenuBar1->setNativeMenuBar(false);

    mnuFile = MenuBar1->addMenu(QCoreApplication::translate("MainBars", "ファイル(&F)"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->addAction(actions.ac_saveas);
    mnuFile->addSeparator();
    mnuFile->addAction(actions.ac_exit);

    mnuEdit = MenuBar1->addMenu(QCoreApplication::translate("MainBars", "編集(&E)"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->addAction(actions.ac_cut);
    mnuEdit->addAction(actions.ac_copy);
    mnuEdit->addAction(actions.ac_paste);
    mnuEdit->addSeparator();
    mnuEdit->addAction(actions.ac_selectall);
    mnuEdit->addSeparator();
    mnuEdit->addAction(actions.ac_htmlcopy);

    mnuView = MenuBar1->addMenu(QCoreApplication::translate("MainBars", "表示(&V)"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuView->addAction(actions.ac_wwwview);
    mnuView->addAction(actions.ac_wwwview2);
    mnuView->addSeparator();
    mnuView->addAction(actions.ac_chart);
    mnuView->addAction(actions.ac_livepreview);

    mnuOption = MenuBar1->addAction(QCoreApplication::translate("MainBars", "オプション(&O)"));
    mnuOption->setObjectName(QStringLiteral("mnuOption"));
    QObject::connect(mnuOption, &QAction::triggered, actions.ac_option, &QAction::trigger);

    mnuHelp = MenuBar1->addMenu(QCoreApplication::translate("MainBars", "ヘルプ(&H)"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelp->addAction(actions.ac_contents);
    mnuHelp->addAction(actions.ac_searchonhelp);
    mnuHelp->addAction(actions.ac_helponhelp);
    mnuHelp->addAction(actions.ac_about);

    Toolbar972->addWidget(MenuBar1);
    window.addToolBar(Qt::TopToolBarArea, Toolbar972);
    window.addToolBarBreak(Qt::TopToolBarArea);

    Toolbar971 = new QToolBar(QCoreApplication::translate("MainBars", "ツールバー"), &window);
    Toolbar971->setObjectName(QStringLiteral("Toolbar971"));
    Toolbar971->setIconSize(QSize(16, 16));
    Toolbar971->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar971->addAction(actions.ac_saveas);
    Toolbar971->addSeparator();
    Toolbar971->addAction(actions.ac_cut);
    Toolbar971->addAction(actions.ac_copy);
    Toolbar971->addAction(actions.ac_paste);
    Toolbar971->addSeparator();
    Toolbar971->addAction(actions.ac_htmlcopy);
    Toolbar971->addSeparator();
    Toolbar971->addAction(actions.ac_wwwview);
    Toolbar971->addAction(actions.ac_wwwview2);
    Toolbar971->addSeparator();
    Toolbar971->addAction(actions.ac_chart);
    Toolbar971->addSeparator();
    Toolbar971->addAction(actions.ac_contents);
    NameButton(Toolbar971, actions.ac_saveas, "tbsave");
    NameButton(Toolbar971, actions.ac_cut, "tbcut");
    NameButton(Toolbar971, actions.ac_copy, "tbcopy");
    NameButton(Toolbar971, actions.ac_paste, "tbpaste");
    NameButton(Toolbar971, actions.ac_htmlcopy, "tbhtmlcopy");
    NameButton(Toolbar971, actions.ac_wwwview, "tbview");
    NameButton(Toolbar971, actions.ac_wwwview2, "ToolbarButton971");
    NameButton(Toolbar971, actions.ac_chart, "tbchart");
    NameButton(Toolbar971, actions.ac_contents, "tbhelp2");
    window.addToolBar(Qt::TopToolBarArea, Toolbar971);
}

QStringList MainBars::menuCaptions() const {
    QStringList captions;
    for (const QAction* action : MenuBar1->actions())
        captions << action->text();
    return captions;
}

int MainBars::MenuBarWidth(const QFontMetrics& metrics, const QStringList& captions) {
    int width = 0;
    for (const QString& caption : captions)
        width += metrics.horizontalAdvance(ShownCaption(caption) + QLatin1Char(' '));
    return width;
}

void MainBars::sizeMenuBar(const QFont& font) {
    const QFontMetrics metrics(font);
    const int space = metrics.horizontalAdvance(QLatin1Char(' '));
    // Flat caption buttons: each is its caption and about one space, so the
    // captions fit the width below; five pixels above and below.
    QStringList families;
    for (const QString& family : font.families())
        families << QLatin1Char('"') + family + QLatin1Char('"');
    MenuBar1->setStyleSheet(
        QStringLiteral("QMenuBar { spacing: 0px; padding: 0px; margin: 0px; font-family: %1; "
                       "font-size: %2px; } "
                       "QMenuBar::item { padding: 5px %3px 5px 0px; margin: 0px; }")
            .arg(families.join(QLatin1Char(',')))
            .arg(font.pixelSize() > 0 ? font.pixelSize() : metrics.height())
            .arg(std::max(0, space - 1)));
    // A slim grip keeps the bar draggable and leaves the menu its width.
    Toolbar972->setStyleSheet(QStringLiteral(
        "QToolBar#Toolbar972 { padding: 0px; spacing: 0px; border: 0px; } "
        "QToolBar#Toolbar972::handle { width: 3px; margin: 2px 2px 2px 2px; "
        "border-left: 1px solid palette(mid); border-right: 1px solid palette(light); }"));
    const int width = MenuBarWidth(metrics, menuCaptions());
    MenuBar1->setFixedSize(width, metrics.height() + 10);
    Toolbar972->setFixedWidth(width + 10);
}
