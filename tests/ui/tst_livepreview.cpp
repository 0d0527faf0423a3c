// The preview dock of the main window: what it shows as the pages and the
// current colour change, how often it rebuilds, that it leaves the
// clipboard alone, and how its place is kept between runs.
#include "settings/SettingsStore.h"
#include "ui/window/LivePreview.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>

#include <memory>

namespace {

// A window on its own settings file, shown.
struct Window {
    SettingsStore store;
    ProgramState state{store};
    TfrmMain w{state};

    explicit Window(const QString& ini) : store(ini) {
        w.show();
        if (!QTest::qWaitForWindowExposed(&w))
            qFatal("window not shown");
    }
    LivePreview* dock() const { return w.livePreview(); }
    QAction* action() const { return w.actions().ac_livepreview; }
    void selectPage(int index) {
        QTabBar* bar = w.PageControl1()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    template <class T> T* get(const char* name) const {
        T* control = w.findChild<T*>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QColor shownBackground() const {
        return dock()->browser()->document()->rootFrame()->frameFormat().background().color();
    }
};

} // namespace

class TestLivePreview : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

private slots:
    void init() { QFile::remove(iniPath()); }

    void offAtFirstStartAndFollowsPagesAndColours() {
        Window win(iniPath());
        QVERIFY(win.dock()->isHidden());
        QVERIFY(!win.action()->isChecked());
        const int pagesWidth = win.w.PageControl1()->width();
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));

        win.action()->trigger();
        QVERIFY(win.dock()->isVisible());
        // The pages keep their room; the window grows by the dock.
        QTRY_COMPARE(win.w.PageControl1()->width(), pagesWidth);

        // The body page: the wrapper is the fragment's own body tag.
        win.w.SetCurrentColor(RgbToColor(0x12, 0x34, 0x56));
        win.get<QComboBox>("cmbbody")->setCurrentIndex(0);
        QTest::mouseClick(win.get<QPushButton>("btnbodyget"), Qt::LeftButton);
        QTRY_COMPARE(win.shownBackground(), QColor(0x12, 0x34, 0x56));
        QVERIFY(win.dock()->shownText().contains(QStringLiteral("123456"), Qt::CaseInsensitive));

        win.selectPage(3);
        QTRY_VERIFY(win.dock()->shownText().contains(QStringLiteral("<hr"), Qt::CaseInsensitive));
        QVERIFY(win.dock()->shownText().contains(QStringLiteral("<html"), Qt::CaseInsensitive));
        win.selectPage(1);
        QTRY_VERIFY(
            win.dock()->shownText().contains(QStringLiteral("<table"), Qt::CaseInsensitive));

        // Closed by its own close box, the menu item follows.
        win.dock()->close();
        QVERIFY(!win.action()->isChecked());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("earlier"));
    }

    // A burst of changes rebuilds once, with the last value; changes while
    // hidden rebuild only once it is shown again.
    void burstsAndHiddenChanges() {
        Window win(iniPath());
        win.selectPage(3);
        win.action()->trigger();
        QSignalSpy spy(win.dock(), &LivePreview::refreshed);
        QTRY_COMPARE(spy.count(), 1);

        auto* height = win.get<QSpinBox>("seheight");
        for (int value = 3; value <= 30; ++value)
            height->setValue(value);
        QTRY_COMPARE(spy.count(), 2);
        QVERIFY(!spy.wait(3 * LivePreview::kRefreshMilliseconds));
        QVERIFY(win.dock()->shownText().contains(QStringLiteral("size=30")));

        win.action()->trigger();
        QVERIFY(win.dock()->isHidden());
        height->setValue(7);
        QVERIFY(!spy.wait(3 * LivePreview::kRefreshMilliseconds));
        win.action()->trigger();
        QTRY_COMPARE(spy.count(), 3);
        QVERIFY(win.dock()->shownText().contains(QStringLiteral("size=7")));
    }

    // The preview writes unseen: what a writer has to say reaches the status
    // bar only when the user asks for the output.
    void writerMessagesOnlyForTheUsersOutput() {
        Window win(iniPath());
        QStatusBar* status = win.w.statusBar();
        win.action()->trigger();
        win.selectPage(3);
        win.get<QComboBox>("cmbgra")->setCurrentIndex(-1); // no gradient
        win.get<QCheckBox>("chkgrad")->click();
        QTRY_VERIFY(!win.dock()->shownText().contains(QStringLiteral("<hr")));
        QCOMPARE(status->currentMessage(), QString());
        win.w.actions().ac_htmlcopy->trigger();
        QVERIFY(!status->currentMessage().isEmpty());

        status->clearMessage();
        win.selectPage(0);
        win.get<QTextEdit>("RichEdit1")->setPlainText(QStringLiteral("a\x01z"));
        QTRY_VERIFY(win.dock()->shownText().contains(QStringLiteral(">az<")));
        QCOMPARE(status->currentMessage(), QString());
        win.w.actions().ac_htmlcopy->trigger();
        QVERIFY(!status->currentMessage().isEmpty());
    }

    void placeSurvivesRestart() {
        {
            Window win(iniPath());
            win.action()->trigger();
            win.w.addDockWidget(Qt::LeftDockWidgetArea, win.dock());
            win.w.close();
        }
        {
            Window win(iniPath());
            QVERIFY(win.dock()->isVisible());
            QVERIFY(win.action()->isChecked());
            QCOMPARE(win.w.dockWidgetArea(win.dock()), Qt::LeftDockWidgetArea);
            QTRY_VERIFY(!win.dock()->shownText().isEmpty());
            win.action()->trigger();
            win.w.close();
        }
        Window win(iniPath());
        QVERIFY(win.dock()->isHidden());
        QVERIFY(!win.action()->isChecked());
    }

    void damagedValuesLeaveItHidden_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("visible not a number") << "Visible"
                                              << "yes";
        QTest::newRow("visible out of range") << "Visible"
                                              << "7";
        QTest::newRow("unknown area") << "DockedTo"
                                      << "DockMiddle";
        QTest::newRow("other format") << "Rev"
                                      << "2";
        QTest::newRow("position not a number") << "FloatTop"
                                               << "";
    }
    void damagedValuesLeaveItHidden() {
        QFETCH(QString, name);
        QFETCH(QString, value);
        {
            QSettings ini(iniPath(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("dckpreview/Rev"), QStringLiteral("1"));
            ini.setValue(QStringLiteral("dckpreview/Visible"), QStringLiteral("1"));
            ini.setValue(QStringLiteral("dckpreview/DockedTo"), QStringLiteral("DockRight"));
            ini.setValue(QStringLiteral("dckpreview/FloatLeft"), QStringLiteral("0"));
            ini.setValue(QStringLiteral("dckpreview/FloatTop"), QStringLiteral("0"));
            ini.setValue(QStringLiteral("dckpreview/") + name, value);
        }
        Window win(iniPath());
        QVERIFY(win.dock()->isHidden());
        QVERIFY(!win.action()->isChecked());
        QCOMPARE(win.w.size(), QSize(627, 470));
    }
};

QTEST_MAIN(TestLivePreview)
#include "tst_livepreview.moc"
