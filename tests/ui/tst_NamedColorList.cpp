// The named colour list of the main window, its click dispatch, and the
// settings the window loads at creation and saves at destruction.
#include "html/PageTraits.h"
#include "settings/OptionsStore.h"
#include "settings/SettingsStore.h"
#include "ui/pages/HtmlPage.h"
#include "ui/pages/text/PageText.h"
#include "ui/widgets/NamedColorList.h"
#include "ui/window/FormPlacement.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QColorDialog>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

class tst_NamedColorList : public QObject {
    Q_OBJECT

private:
    QString path() const { return m_dir.filePath(QStringLiteral("settings.ini")); }
    void clickRow(NamedColorList* list, int row) {
        list->scrollToItem(list->item(row));
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QTemporaryDir m_dir;

private slots:
    void init() { QFile::remove(path()); }

    void listShowsTheTableAndSelectsWhite() {
        SettingsStore store(path());
        ProgramState state(store);
        TfrmMain window(state);
        auto* list = window.findChild<NamedColorList*>(QStringLiteral("lstcolortable"));
        QVERIFY(list);
        QCOMPARE(list->count(), 141);
        QCOMPARE(list->currentItem()->text(), QStringLiteral("white")); // the colour in use
        QCOMPARE(list->item(15)->text(), QStringLiteral("cyan"));
        QCOMPARE(list->toolTip(), QStringLiteral("カラー定数"));
        QVERIFY(list->geometry().top() >= 148);
        QCOMPARE(list->visualItemRect(list->item(1)).height(), NamedColorList::RowHeight);
        QCOMPARE(window.options().bodyPresets.count(), 12);
        auto* presets = window.findChild<QComboBox*>(QStringLiteral("cmbbodysel"));
        QVERIFY(presets);
        QCOMPARE(presets->count(), 12);
        QCOMPARE(presets->itemText(1), QStringLiteral("白地に黒色"));
        QCOMPARE(window.CurrentColor(), TColor(0xFFFFFF));
    }

    void clickDispatchesByActivePage() {
        SettingsStore store(path());
        ProgramState state(store);
        TfrmMain window(state);
        window.show();
        auto* list = window.colorList();
        auto* pages = window.PageControl1();
        pages->setCurrentIndex(1); // table
        int bodyRuns = 0;
        int colorRuns = 0;
        TColor seenByColorPage = 0;
        // The body and colour pages answer a chosen row with their set buttons.
        auto* bodySet = window.findChild<QPushButton*>(QStringLiteral("btnbodyget"));
        auto* colorSet =
            window.page(Pages::Color)->findChild<QPushButton*>(QStringLiteral("btncolorset"));
        QVERIFY(bodySet && colorSet);
        connect(bodySet, &QPushButton::clicked, this, [&] { ++bodyRuns; });
        connect(colorSet, &QPushButton::clicked, this, [&] {
            ++colorRuns;
            seenByColorPage = window.CurrentColor();
        });

        clickRow(list, 15);
        QCOMPARE(window.CurrentColor(), RgbToColor(0, 255, 255));
        QCOMPARE(bodyRuns + colorRuns, 0);

        pages->setCurrentIndex(4); // Color
        clickRow(list, 110);
        QCOMPARE(window.CurrentColor(), RgbToColor(255, 0, 0));
        QCOMPARE(colorRuns, 1);
        QCOMPARE(seenByColorPage, RgbToColor(255, 0, 0));
        // A click on the row already selected runs it again.
        clickRow(list, 110);
        QCOMPARE(colorRuns, 2);

        pages->setCurrentIndex(2); // body
        list->setFocus();
        QTest::keyClick(list->viewport(), Qt::Key_Down);
        QCOMPARE(list->currentRow(), 111);
        QCOMPARE(window.CurrentColor(), RgbToColor(255, 0, 255));
        QCOMPARE(bodyRuns, 1);

        static_cast<PageText*>(window.page(Pages::Text))->SetUpdating(true);
        clickRow(list, 0);
        QCOMPARE(window.CurrentColor(), TColor(0));
        QCOMPARE(bodyRuns, 1);
        QCOMPARE(colorRuns, 2);
    }

    void dragToAnotherRowChoosesIt() {
        SettingsStore store(path());
        ProgramState state(store);
        TfrmMain window(state);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = window.colorList();
        const QPoint from = list->visualItemRect(list->item(3)).center();
        const QPoint to = list->visualItemRect(list->item(6)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(list->viewport(), to);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, to);
        QCOMPARE(list->currentRow(), 6);
        // The colour is the row the list shows selected.
        QCOMPARE(window.CurrentColor(), RgbToColor(0, 0x80, 0));
        // Pressing below the last row selects nothing and chooses nothing.
        window.SetCurrentColor(0x123456);
        list->setTable(nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(window.CurrentColor(), TColor(0x123456));
    }

    void selectedRowKeepsItsSwatch() {
        SettingsStore store(path());
        ProgramState state(store);
        TfrmMain window(state);
        window.show();
        auto* list = window.colorList();
        list->setCurrentRow(4); // blue
        const QRect row = list->visualItemRect(list->item(4));
        const QImage image = list->viewport()->grab().toImage();
        const QColor highlight = list->palette().color(QPalette::Highlight);
        QCOMPARE(image.pixelColor(20, row.top() + 7), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(3, row.top() + 3), QColor(Qt::black));
        QCOMPARE(image.pixelColor(37, row.top() + 12), QColor(Qt::black));
        QCOMPARE(image.pixelColor(38, row.top() + 7), highlight);
        QCOMPARE(image.pixelColor(20, row.top() + 1), highlight);
        QCOMPARE(image.pixelColor(20, row.top() + 14), highlight);
        const QRect other = list->visualItemRect(list->item(5));
        QCOMPARE(image.pixelColor(20, other.top() + 1), list->palette().color(QPalette::Base));
        QCOMPARE(image.pixelColor(20, other.top() + 7), QColor(0, 0x64, 0));
    }

    void closingSavesEverything() {
        {
            SettingsStore store(path());
            ProgramState state(store);
            TfrmMain window(state);
            QColorDialog::setCustomColor(2, QColor(1, 2, 3));
            window.options().tblchar = QStringLiteral("■");
            window.close();
        }
        SettingsStore store(path());
        const QString option = kOptionSection;
        QCOMPARE(store.readInteger(option, QStringLiteral("colorcnt"), 0), 141);
        QCOMPARE(store.readString(option, QStringLiteral("colorcode140")),
                 QStringLiteral("\"16777215\",\"#FFFFFF\",\"white\""));
        QCOMPARE(store.readInteger(option, QStringLiteral("bodycnt"), 0), 12);
        QCOMPARE(store.readInteger(option, QStringLiteral("fonttablecnt"), 0), 7);
        QCOMPARE(store.readString(option, QStringLiteral("fonttable6")),
                 QStringLiteral("Courier New,Courier"));
        QCOMPARE(store.readString(option, QStringLiteral("tblchar")), QStringLiteral("■"));
        for (const char* name : {"htmlcase", "viewback", "colorconst", "htmlsave", "htmlcr",
                                 "wwwuse", "wwwname", "wwwname2", "plugin"})
            QVERIFY2(store.contains(option, QLatin1String(name)), name);
        QVERIFY(store.contains(QStringLiteral("frmMainRect"), QStringLiteral("height")));
        QCOMPARE(store.readBytes(QStringLiteral("CustomColors"), QStringLiteral("ColorC")),
                 QByteArray("\x01\x02\x03\x00", 4));
    }

    void maximisedWindowKeepsItsLastNormalPlacement() {
        SettingsStore store(path());
        QWidget chart;
        chart.setObjectName(QStringLiteral("frmchart"));
        LoadWindowPlacement(store, &chart);
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QCOMPARE(chart.size(), QSize(screen.width() * 70 / 100, screen.height() * 70 / 100));
        chart.move(11, 22);
        chart.resize(300, 200);
        SaveWindowPlacement(store, &chart);
        chart.showMaximized();
        QTRY_VERIFY(chart.isMaximized());
        QTRY_VERIFY(chart.width() > 300);
        SaveWindowPlacement(store, &chart);
        const QString section = QStringLiteral("frmchartRect");
        QCOMPARE(store.readInteger(section, QStringLiteral("left"), -1), 11);
        QCOMPARE(store.readInteger(section, QStringLiteral("width"), -1), 300);

        // A damaged size is cut to the desktop instead of asking for a huge window.
        store.writeString(section, QStringLiteral("width"), QStringLiteral("30000"));
        store.writeString(section, QStringLiteral("height"), QStringLiteral("900000"));
        QWidget damaged;
        damaged.setObjectName(QStringLiteral("frmchart"));
        LoadWindowPlacement(store, &damaged);
        const QSize desktop = QGuiApplication::primaryScreen()->virtualSize();
        QCOMPARE(damaged.size(), desktop);
        store.writeString(section, QStringLiteral("left"), QStringLiteral("2147483647"));
        LoadWindowPlacement(store, &damaged);
        QCOMPARE(damaged.x(), QWIDGETSIZE_MAX);

        QWidget dialog;
        dialog.resize(100, 80);
        QWidget main;
        main.setGeometry(200, 200, 600, 400);
        main.show();
        CenterOverMainWindow(&dialog, &main);
        const QPoint first = dialog.pos();
        QCOMPARE(first.x(), main.frameGeometry().left() + (main.frameGeometry().width() - 100) / 2);
        dialog.move(5, 5);
        CenterOverMainWindow(&dialog, &main);
        QCOMPARE(dialog.pos(), QPoint(5, 5));
    }
};

QTEST_MAIN(tst_NamedColorList)
#include "tst_NamedColorList.moc"
