// The colour history from the picks into its dock and back, kept across
// runs, and the colour page's contrast against a second colour.
#include "FakePageHost.h"
#include "MainWindowRig.h"
#include "html/PageTraits.h"
#include "ui/dialogs/Tfrmchart.h"
#include "ui/pages/HtmlPage.h"
#include "ui/widgets/NamedColorList.h"
#include "ui/window/MainActions.h"
#include "ui/window/MainBars.h"

#include <QClipboard>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

void ClickRow(TfrmMain& w, const char* name) {
    const int row = *w.options().colors.indexOfName(QString::fromLatin1(name));
    NamedColorList* list = w.colorList();
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

QStringList Swatches(TfrmMain& w) {
    QStringList shown;
    for (int i = 0; i < 32; ++i) {
        auto* swatch =
            Child<QToolButton>(w, QStringLiteral("history%1").arg(i).toLatin1().constData());
        if (!swatch->isHidden())
            shown << swatch->accessibleName();
    }
    return shown;
}

void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

} // namespace

class TestColorHistory : public QObject {
    Q_OBJECT

private slots:
    void picksComeBackFromTheDockAndGiveTheSecondColour() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("history.ini"));
        {
            MainWindowRig rig(ini);
            TfrmMain& w = rig.w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QAction* view = Child<QAction>(w, "ac_history");
            QVERIFY(w.bars().mnuView->actions().contains(view));
            view->trigger();
            QVERIFY(Child<QDockWidget>(w, "dckhistory")->isVisible());

            w.actions().ac_chart->trigger();
            const ChartGeometry& g = w.findChild<Tfrmchart*>()->chartGeometry();
            QTest::mouseClick(Child<QWidget>(*w.findChild<Tfrmchart*>(), "Image1"), Qt::LeftButton,
                              {}, QPoint(5 + 3 * g.cellWidth + 30, 5 + 8 * g.rowHeight + 4));
            ClickRow(w, "navy");
            Child<QSlider>(w, "TrackBar1")->setValue(10);
            QCOMPARE(w.CurrentColor(), RgbToColor(10, 0, 0x80));
            QCOMPARE(Swatches(w), QStringList({"#000080", "#CC9999"}));

            QTest::mouseClick(Child<QToolButton>(w, "history1"), Qt::LeftButton);
            QCOMPARE(w.CurrentColor(), RgbToColor(0xCC, 0x99, 0x99));
            QCOMPARE(Swatches(w), QStringList({"#CC9999", "#000080"}));

            // A right click copies in the notation the colour page has selected.
            QWidget* page = w.page(Pages::Color);
            page->findChild<QGroupBox*>(QStringLiteral("rdocolor"))
                ->findChildren<QRadioButton*>()
                .at(3)
                ->click();
            QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(4, 4), QPoint(4, 4));
            QApplication::sendEvent(Child<QToolButton>(w, "history1"), &menuKey);
            QCOMPARE(QGuiApplication::clipboard()->text(),
                     QStringLiteral("<font color=\"#000080\">"));

            // The second colour, typed or from the history, against the current one.
            auto* second = Child<QLineEdit>(*page, "edtsecondcolor");
            auto* contrast = Child<QLabel>(*page, "lblcontrast");
            Type(second, QStringLiteral("rgb(0 0 0)"));
            ClickRow(w, "red");
            QCOMPARE(contrast->text(), QStringLiteral("コントラスト比 5.25:1 AA"));
            Type(second, QStringLiteral("nope"));
            QVERIFY(second->property("invalid").toBool());
            QCOMPARE(contrast->text(), QStringLiteral("色として読めません"));
            QMenu* menu = Child<QToolButton>(*page, "btnsecondhistory")->menu();
            menu->popup(QPoint());
            menu->actions().at(2)->trigger(); // #FF0000, #CC9999, #000080
            menu->hide();
            QCOMPARE(second->text(), QStringLiteral("#000080"));
            QVERIFY(!second->property("invalid").toBool());
            QCOMPARE(contrast->text(), QStringLiteral("コントラスト比 4.00:1 AA(大きな文字)"));
            w.close();
        }
        MainWindowRig again(ini);
        QVERIFY(!Child<QDockWidget>(again.w, "dckhistory")->isHidden());
        QCOMPARE(Swatches(again.w), QStringList({"#FF0000", "#CC9999", "#000080"}));
        Child<QAction>(again.w, "ac_clearhistory")->trigger();
        QVERIFY(Swatches(again.w).isEmpty());
    }
};

QTEST_MAIN(TestColorHistory)
#include "tst_colorhistory.moc"
