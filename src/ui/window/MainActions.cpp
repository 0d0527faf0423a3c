#include "ui/window/MainActions.h"

#include "html/PageTraits.h"
#include "ui/pages/HtmlPage.h"
#include "ui/widgets/GlyphIcons.h"

#include <QAction>
#include <QKeySequence>

namespace {

// The platform's keys for a standard command, or `fallback` where the
// platform has none (Save As, Quit and Preferences on some desktops).
void SetStandardKeys(QAction* action, QKeySequence::StandardKey key, const QKeySequence& fallback) {
    QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    if (keys.isEmpty())
        keys << fallback;
    action->setShortcuts(keys);
}

QAction* MakeAction(QObject* parent, const char* name, const QString& caption,
                    Glyph glyph = Glyph::None) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QString::fromLatin1(name));
    // An editor with the focus takes its own keys (Ctrl+C in the text) first.
    action->setShortcutContext(Qt::WindowShortcut);
    if (glyph != Glyph::None)
        action->setIcon(GlyphIcon(glyph));
    return action;
}

} // namespace

MainActions::MainActions(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("ActionList1"));
    ac_saveas = MakeAction(this, "ac_saveas", tr("名前をつけて保存(&A)"), Glyph::Save);
    ac_exit = MakeAction(this, "ac_exit", tr("終了(&X)"));
    ac_cut = MakeAction(this, "ac_cut", tr("切り取り(&T)"), Glyph::Cut);
    ac_copy = MakeAction(this, "ac_copy", tr("コピー(&C)"), Glyph::Copy);
    ac_paste = MakeAction(this, "ac_paste", tr("貼り付け(&P)"), Glyph::Paste);
    ac_selectall = MakeAction(this, "ac_selectall", tr("すべて選択(&A)"));
    ac_htmlcopy = MakeAction(this, "ac_htmlcopy", tr("HTML形式でコピー(&H)"), Glyph::HtmlCopy);
    ac_wwwview = MakeAction(this, "ac_wwwview", tr("ブラウザ1で確認(&B)"), Glyph::Browser1);
    ac_wwwview2 = MakeAction(this, "ac_wwwview2", tr("ブラウザ2で確認"), Glyph::Browser2);
    ac_option = MakeAction(this, "ac_option", tr("オプション(&O)"));
    ac_contents = MakeAction(this, "ac_contents", tr("目次(&C)"), Glyph::Help);
    ac_searchonhelp = MakeAction(this, "ac_searchonhelp", tr("トピックの検索(&S)..."));
    ac_helponhelp = MakeAction(this, "ac_helponhelp", tr("ヘルプの使い方(&H)"));
    // The stray apostrophe is part of the caption as it must read.
    ac_about = MakeAction(this, "ac_about", tr("バージョン情報'(&A)..."));
    ac_chart = MakeAction(this, "ac_chart", tr("カラーチャート(&T)"), Glyph::Chart);
    ac_chart->setCheckable(true);
    ac_livepreview = MakeAction(this, "ac_livepreview", tr("プレビュー(&P)"));
    ac_livepreview->setCheckable(true);

    SetStandardKeys(ac_saveas, QKeySequence::SaveAs,
                    QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    SetStandardKeys(ac_exit, QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q));
    SetStandardKeys(ac_cut, QKeySequence::Cut, QKeySequence(Qt::CTRL | Qt::Key_X));
    SetStandardKeys(ac_copy, QKeySequence::Copy, QKeySequence(Qt::CTRL | Qt::Key_C));
    SetStandardKeys(ac_paste, QKeySequence::Paste, QKeySequence(Qt::CTRL | Qt::Key_V));
    SetStandardKeys(ac_option, QKeySequence::Preferences, QKeySequence(Qt::CTRL | Qt::Key_Comma));
    SetStandardKeys(ac_contents, QKeySequence::HelpContents, QKeySequence(Qt::Key_F1));
    // Keys no text editor claims, so that they work with the focus anywhere.
    ac_htmlcopy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    ac_wwwview->setShortcut(QKeySequence(Qt::Key_F12));
    ac_wwwview2->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F12));
}

void MainActions::applyPage(const HtmlPage& page, const PageTraits& traits) {
    ac_saveas->setEnabled(traits.outputFile);
    ac_cut->setEnabled(page.supports(PageAction::Cut));
    ac_copy->setEnabled(page.supports(PageAction::Copy));
    ac_paste->setEnabled(page.supports(PageAction::Paste));
    ac_selectall->setEnabled(page.supports(PageAction::SelectAll));
    ac_htmlcopy->setEnabled(page.supports(PageAction::HtmlCopy));
    ac_wwwview->setEnabled(traits.outputFile);
}

QList<QAction*> MainActions::all() const {
    return {ac_saveas,     ac_exit,    ac_cut,      ac_copy,       ac_paste,    ac_selectall,
            ac_htmlcopy,   ac_wwwview, ac_wwwview2, ac_option,     ac_contents, ac_searchonhelp,
            ac_helponhelp, ac_about,   ac_chart,    ac_livepreview};
}
