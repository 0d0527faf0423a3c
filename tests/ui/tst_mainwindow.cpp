// The main window's frame on an empty settings store: pages, actions, menus,
// tool bars, page switching, and what start and end leave in the store.
#include "MainWindowRig.h"
#include "ModalAnswers.h"
#include "html/PageTraits.h"
#include "settings/CustomColors.h"
#include "settings/SettingsStore.h"
#include "ui/dialogs/Tfrmchart.h"
#include "ui/pages/HtmlPage.h"
#include "ui/pages/text/PageText.h"
#include "ui/widgets/FormFont.h"
#include "ui/widgets/GradientBar.h"
#include "ui/window/MainActions.h"
#include "ui/window/MainBars.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDialog>
#include <QFontDatabase>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <memory>

namespace {

QList<QAction*> AllActions(const MainActions& a) {
    return {a.ac_saveas,    a.ac_exit,         a.ac_cut,        a.ac_copy,     a.ac_paste,
            a.ac_selectall, a.ac_htmlcopy,     a.ac_wwwview,    a.ac_wwwview2, a.ac_option,
            a.ac_contents,  a.ac_searchonhelp, a.ac_helponhelp, a.ac_about,    a.ac_chart};
}

// The user picks a page by its tab.
void ClickTab(TfrmMain& w, int index) {
    QTabBar* bar = w.PageControl1()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    QCOMPARE(w.PageControl1()->currentIndex(), index);
}

// The widgets Tab reaches after the tab bar's own, each as its page's index
// in the page control, or the page count for one outside the pages.
QList<int> TabOrderByPage(TfrmMain& w) {
    QList<int> order;
    QWidget* bar = w.PageControl1()->tabBar();
    for (QWidget* at = bar->nextInFocusChain(); at != bar; at = at->nextInFocusChain()) {
        if (!(at->focusPolicy() & Qt::TabFocus) || bar->isAncestorOf(at))
            continue;
        int page = 0;
        while (page < w.PageControl1()->count() &&
               !w.PageControl1()->widget(page)->isAncestorOf(at))
            ++page;
        order << page;
    }
    return order;
}

QStringList MenuTexts(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

private slots:
    void init() { QFile::remove(iniPath()); }

    void startsOnBodyPageWithEverythingEnabled() {
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Vellomar Ver 3.12"));
        QCOMPARE(w.PageControl1()->currentIndex(), 2);
        QCOMPARE(w.PageControl1()->tabPosition(), QTabWidget::South);
        const QStringList captions = {QStringLiteral("ｸﾞﾗﾃﾞｰｼｮﾝﾃｷｽﾄ"), QStringLiteral("テーブル"),
                                      QStringLiteral("ボディ"), QStringLiteral("水平線"),
                                      QStringLiteral("Color")};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(w.PageControl1()->tabText(i), captions[i]);
            QCOMPARE(w.PageControl1()->widget(i)->objectName(),
                     QStringLiteral("TabSheet%1").arg(i + 1));
        }
        for (QAction* a : AllActions(w.actions()))
            QVERIFY2(a->isEnabled(), qPrintable(a->objectName()));
        QCOMPARE(w.page(Pages::Text)
                     ->findChild<QComboBox*>(QStringLiteral("cmbfontsize"))
                     ->currentText(),
                 QStringLiteral("Normal"));
        QVERIFY(!w.findChild<Tfrmchart*>()->isVisible());
        QVERIFY(!w.Updating());

        auto* cmbgra = w.findChild<QComboBox*>(QStringLiteral("cmbgra"));
        QVERIFY(cmbgra);
        QCOMPARE(cmbgra->currentText(), QStringLiteral("スペクトラム"));
        // The preview shows that table: red at its left end.
        auto* preview = w.findChild<GradientBar*>(QStringLiteral("imgtruecolor"));
        QVERIFY(preview);
        QCOMPARE(preview->image().pixelColor(0, 0), QColor(255, 0, 0));
        auto* list = w.findChild<QListWidget*>(QStringLiteral("lstcolortable"));
        QVERIFY(list && list->currentItem());
        QVERIFY(list->currentItem()->text().contains(QStringLiteral("white")));
    }

    // A page is built when its tab is first shown. A window whose pages were
    // never shown saves what one with every page built saves, and pages built
    // late take their tabs' places in the Tab order and the window's size.
    void pagesAreBuiltWhenFirstShown() {
        const QString built = m_dir.filePath(QStringLiteral("built.ini"));
        QList<int> order;
        QSize size;
        {
            MainWindowRig rig(built);
            BuildEveryPage(rig.w);
            rig.w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&rig.w));
            order = TabOrderByPage(rig.w);
            size = rig.w.size();
            rig.w.close();
        }
        MainWindowRig rig(iniPath());
        TfrmMain& w = rig.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.findChildren<HtmlPage*>(), QList<HtmlPage*>{w.page(Pages::Body)});
        w.close();
        QFile saved(iniPath()), reference(built);
        QVERIFY(saved.open(QIODevice::ReadOnly) && reference.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), reference.readAll());

        w.show();
        for (int index : {4, 1, 3, 0})
            ClickTab(w, index);
        QCOMPARE(TabOrderByPage(w), order);
        QVERIFY(std::is_sorted(order.begin(), order.end()));
        QVERIFY(order.contains(0) && order.contains(4));
        QCOMPARE(w.size(), size);
    }

    void colourDialogIsMadeOnFirstUseWithTheStoredCustomColours() {
        {
            SettingsStore store(iniPath());
            CustomColorSet colors{};
            colors[3] = RgbToColor(0x12, 0x34, 0x56);
            SaveCustomColors(store, colors);
            QVERIFY(store.sync());
        }
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        // Nothing shows it at start, so nothing builds it.
        QVERIFY(!w.findChild<QColorDialog*>());
        QCOMPARE(QColorDialog::customColor(3), QColor(0x12, 0x34, 0x56));

        QColorDialog* dialog = w.colorDialog();
        QVERIFY(dialog);
        QCOMPARE(dialog->objectName(), QStringLiteral("ColorDialog1"));
        QCOMPARE(dialog->parentWidget(), &w);
        QVERIFY(dialog->testOption(QColorDialog::DontUseNativeDialog));
        QCOMPARE(w.colorDialog(), dialog);
        QCOMPARE(w.findChildren<QColorDialog*>().size(), 1);

        // A custom colour picked in the dialog reaches the store at the end.
        QColorDialog::setCustomColor(5, QColor(0xAB, 0xCD, 0xEF));
        w.close();
        QCOMPARE(LoadCustomColors(SettingsStore(iniPath()))[5], RgbToColor(0xAB, 0xCD, 0xEF));
    }

    void menusShowTheActionsInOrder() {
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        const MainBars& bars = w.bars();
        QCOMPARE(bars.menuCaptions(),
                 QStringList({QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"),
                              QStringLiteral("表示(&V)"), QStringLiteral("オプション(&O)"),
                              QStringLiteral("ヘルプ(&H)")}));
        QCOMPARE(MenuTexts(bars.mnuFile),
                 QStringList({QStringLiteral("名前をつけて保存(&A)"), QStringLiteral("-"),
                              QStringLiteral("終了(&X)")}));
        QCOMPARE(MenuTexts(bars.mnuEdit),
                 QStringList({QStringLiteral("切り取り(&T)"), QStringLiteral("コピー(&C)"),
                              QStringLiteral("貼り付け(&P)"), QStringLiteral("-"),
                              QStringLiteral("すべて選択(&A)"), QStringLiteral("-"),
                              QStringLiteral("HTML形式でコピー(&H)")}));
        QCOMPARE(
            MenuTexts(bars.mnuView),
            QStringList({QStringLiteral("ブラウザ1で確認(&B)"), QStringLiteral("ブラウザ2で確認"),
                         QStringLiteral("-"), QStringLiteral("カラーチャート(&T)"),
                         QStringLiteral("プレビュー(&P)"), QStringLiteral("色の履歴(&H)")}));
        QCOMPARE(MenuTexts(bars.mnuHelp),
                 QStringList({QStringLiteral("目次(&C)"), QStringLiteral("トピックの検索(&S)..."),
                              QStringLiteral("ヘルプの使い方(&H)"),
                              QStringLiteral("バージョン情報'(&A)...")}));
        // The options title has no items and runs the options action.
        QVERIFY(!bars.mnuOption->menu());
        // The action opens the options dialog modally, once from the menu and
        // once from its key; each is cancelled.
        ModalAnswers closer;
        const auto cancel = [](QDialog* dialog) { dialog->reject(); };
        closer.then<QDialog>(cancel).then<QDialog>(cancel);
        QSignalSpy options(w.actions().ac_option, &QAction::triggered);
        bars.mnuOption->trigger();
        QCOMPARE(options.count(), 1);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_O, Qt::AltModifier);
        QCOMPARE(options.count(), 2);
        QVERIFY2(closer.finish(), qPrintable(closer.report()));

        // Glyph buttons, left to right, separators where the bar has them.
        QStringList order;
        for (QAction* a : bars.Toolbar971->actions()) {
            QWidget* button = bars.Toolbar971->widgetForAction(a);
            order << (a->isSeparator() ? QStringLiteral("-") : button->objectName());
        }
        QCOMPARE(order.join(QLatin1Char(' ')),
                 QStringLiteral("tbsave - tbcut tbcopy tbpaste - tbhtmlcopy - tbview "
                                "ToolbarButton971 - tbchart - tbhelp2"));
        QCOMPARE(bars.Toolbar971->windowTitle(), QStringLiteral("ツールバー"));
        QCOMPARE(bars.Toolbar972->windowTitle(), QStringLiteral("メニューバー"));
    }

    void menuBarIsSizedByItsCaptions() {
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        MainBars& bars = w.bars();
        // Each title as shown (its "&" hidden) followed by one space.
        const auto captionsWidth = [](const QFontMetrics& metrics) {
            int sum = 0;
            for (const char* shown :
                 {"ファイル(F) ", "編集(E) ", "表示(V) ", "オプション(O) ", "ヘルプ(H) "})
                sum += metrics.horizontalAdvance(QString::fromUtf8(shown));
            return sum;
        };
        const QFontMetrics metrics(w.font());
        const int width = captionsWidth(metrics);
        QCOMPARE(bars.MenuBar1->width(), width);
        QCOMPARE(bars.MenuBar1->height(), metrics.height() + 10);
        QCOMPARE(bars.Toolbar972->width(), width + 10);
        // Every title fits: none is pushed into the overflow button.
        for (QAction* a : bars.MenuBar1->actions())
            QVERIFY(bars.MenuBar1->actionGeometry(a).right() < bars.MenuBar1->width());

        QFont wide = w.font();
        wide.setPixelSize(20);
        bars.sizeMenuBar(wide);
        const int wider = captionsWidth(QFontMetrics(wide));
        QVERIFY(wider > width);
        QCOMPARE(bars.Toolbar972->width(), wider + 10);
    }

    // The tests run under a Japanese locale, where the font database lists
    // the installed faces by their Japanese names.
    void windowsDrawWithOneInstalledFace() {
        const QStringList families = FormFont().families();
        QCOMPARE(families.size(), 1);
        QVERIFY2(QFontDatabase::hasFamily(families.first()), qPrintable(families.first()));
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        QCOMPARE(w.font().families(), families);
    }

    void editActionsActOnTheirPagesOnly() {
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        ClickTab(w, 0);
        auto* editor = w.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
        editor->setPlainText(QStringLiteral("abc"));
        w.actions().ac_selectall->trigger();
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("abc"));

        // While the style controls refresh, the edit actions do nothing.
        auto* textPage = w.findChild<PageText*>();
        textPage->SetUpdating(true);
        w.actions().ac_cut->trigger();
        QCOMPARE(editor->toPlainText(), QStringLiteral("abc"));
        textPage->SetUpdating(false);
        w.actions().ac_cut->trigger();
        QCOMPARE(editor->toPlainText(), QString());

        // Select all on the table page takes every existing cell.
        ClickTab(w, 1);
        auto* grid = w.findChild<QTableWidget*>(QStringLiteral("DrawGrid1"));
        grid->setRowCount(3);
        grid->setColumnCount(5);
        w.actions().ac_selectall->trigger();
        QCOMPARE(grid->selectedRanges().size(), 1);
        const QTableWidgetSelectionRange r = grid->selectedRanges().first();
        QCOMPARE(QList<int>({r.topRow(), r.leftColumn(), r.bottomRow(), r.rightColumn()}),
                 QList<int>({0, 0, 2, 4}));
    }

    void mouseUpOnWindowCapsRuleWidth() {
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.page(Pages::Rule); // as its tab first shown builds it
        auto* sewidth = w.findChild<QSpinBox*>(QStringLiteral("sewidth"));
        auto* rdowindow = w.findChild<QRadioButton*>(QStringLiteral("rdowindow"));
        w.findChild<QRadioButton*>(QStringLiteral("rdopixel"))->setChecked(true);
        sewidth->setMaximum(1000);
        sewidth->setValue(640);
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(w.width() - 2, w.height() - 2));
        QCOMPARE(sewidth->value(), 640); // pixels: no cap
        rdowindow->setChecked(true);
        QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(w.width() - 2, w.height() - 2));
        QCOMPARE(sewidth->maximum(), 100);
        QCOMPARE(sewidth->value(), 100);
    }

    void chartActionTogglesWindowAndButton() {
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        Tfrmchart& chart = *w.findChild<Tfrmchart*>();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* button = w.findChild<QToolButton*>(QStringLiteral("tbchart"));
        QAction* action = w.actions().ac_chart;
        action->trigger();
        QVERIFY(chart.isVisible());
        QVERIFY(action->isChecked());
        QVERIFY(button->isChecked());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!chart.isVisible());
        QVERIFY(!action->isChecked());
        QVERIFY(!button->isChecked());
        // Closed by its own close box: released, and the next action shows it.
        action->trigger();
        chart.close();
        QVERIFY(!action->isChecked());
        action->trigger();
        QVERIFY(chart.isVisible());
        chart.hide();
    }

    void endWritesToolbarSectionsAndStartRestoresThem() {
        {
            SettingsStore store(iniPath());
            ProgramState state(store);
            auto w = std::make_unique<TfrmMain>(state);
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            // The user drags the glyph bar to the bottom and hides the menu bar.
            w->addToolBar(Qt::BottomToolBarArea, w->bars().Toolbar971);
            w->bars().Toolbar972->hide();
            w->close();
        }
        QSettings ini(iniPath(), QSettings::IniFormat);
        for (const QString& section : {QStringLiteral("Toolbar971"), QStringLiteral("Toolbar972")})
            for (const char* value :
                 {"Rev", "Visible", "DockedTo", "DockRow", "DockPos", "FloatLeft", "FloatTop"})
                QVERIFY2(ini.contains(section + QLatin1Char('/') + QLatin1String(value)),
                         qPrintable(section + QLatin1Char('/') + QLatin1String(value)));
        QCOMPARE(ini.value(QStringLiteral("Toolbar971/DockedTo")).toString(),
                 QStringLiteral("DockBottom"));
        QCOMPARE(ini.value(QStringLiteral("Toolbar972/Visible")).toString(), QStringLiteral("0"));

        SettingsStore store(iniPath());
        ProgramState state(store);

        TfrmMain w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.toolBarArea(w.bars().Toolbar971), Qt::BottomToolBarArea);
        QCOMPARE(w.toolBarArea(w.bars().Toolbar972), Qt::TopToolBarArea);
        QVERIFY(w.bars().Toolbar972->isHidden());
    }

    void toolbarRowsSurviveARestart() {
        {
            SettingsStore store(iniPath());
            ProgramState state(store);
            TfrmMain w(state);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            // Swap the two rows: the glyph bar above the menu bar.
            w.removeToolBar(w.bars().Toolbar971);
            w.insertToolBar(w.bars().Toolbar972, w.bars().Toolbar971);
            w.insertToolBarBreak(w.bars().Toolbar972);
            w.bars().Toolbar971->show();
            QTRY_VERIFY(w.bars().Toolbar971->y() < w.bars().Toolbar972->y());
            w.close();
        }
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.bars().Toolbar971->y() < w.bars().Toolbar972->y());
    }

    void restartRestoresPlacementAndShowsBarsWhenAllWereHidden() {
        {
            SettingsStore store(iniPath());
            ProgramState state(store);
            TfrmMain w(state);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.move(140, 90);
            QTRY_COMPARE(w.pos(), QPoint(140, 90));
            // Both bars hidden through their context menu: nothing would be
            // left to bring them back with.
            w.bars().Toolbar971->hide();
            w.bars().Toolbar972->hide();
            w.close();
        }
        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("Toolbar971/Visible")).toString(), QStringLiteral("0"));
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        QCOMPARE(w.pos(), QPoint(140, 90));
        QCOMPARE(w.size(), QSize(627, 470));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(!w.bars().Toolbar971->isHidden());
        QVERIFY(!w.bars().Toolbar972->isHidden());
    }

    void damagedToolbarSectionsAreIgnored() {
        {
            QSettings ini(iniPath(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("Toolbar971/Rev"), QStringLiteral("x"));
            ini.setValue(QStringLiteral("Toolbar971/DockedTo"), QStringLiteral("DockLeft"));
            ini.setValue(QStringLiteral("Toolbar972/Rev"), QStringLiteral("1"));
            ini.setValue(QStringLiteral("Toolbar972/DockedTo"), QStringLiteral("nowhere"));
            ini.setValue(QStringLiteral("Toolbar972/DockRow"), QStringLiteral("-99999999999"));
        }
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.toolBarArea(w.bars().Toolbar971), Qt::TopToolBarArea);
        QCOMPARE(w.toolBarArea(w.bars().Toolbar972), Qt::TopToolBarArea);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
