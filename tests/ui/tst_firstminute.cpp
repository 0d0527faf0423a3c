// What a new user meets first: the colour the displays show is the colour
// the program uses, the usual keys work and are listed in the help, and Tab
// reaches every control, and windows open fitting what they show.
#include "ui/dialogs/OpenPictureDialog.h"
#include "ui/dialogs/TfrmHelp.h"
#include "ui/widgets/NamedColorList.h"
#include "ui/window/InterfaceLanguage.h"
#include "ui/window/MainActions.h"

#include "MainWindowRig.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTreeView>
#include <QtTest>

class TestFirstMinute : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindowRig> m_rig;

    QString ini() const { return m_dir.filePath(QStringLiteral("s.ini")); }
    template <typename T = QWidget> T* child(const char* name) {
        T* widget = m_rig->w.findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString selectedName() {
        QListWidgetItem* item = m_rig->w.colorList()->currentItem();
        return item && item->isSelected() ? item->text() : QString();
    }

private slots:
    void init() {
        QFile::remove(ini());
        m_rig = std::make_unique<MainWindowRig>(ini());
        m_rig->w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m_rig->w));
    }
    void cleanup() { m_rig.reset(); }

    void displaysShowTheColourInUse() {
        TfrmMain& w = m_rig->w;
        QCOMPARE(w.CurrentColor(), TColor(0xFFFFFF));
        QCOMPARE(child("imgcolor")->grab().toImage().pixelColor(40, 30), QColor(Qt::white));
        QCOMPARE(selectedName(), QStringLiteral("white"));

        // Typed and left with Tab, the box's whole number is the colour.
        auto* red = child<QLineEdit>("Edit1");
        red->setFocus();
        red->selectAll();
        QTest::keyClicks(red, QStringLiteral("200"));
        QCOMPARE(w.CurrentColor(), RgbToColor(200, 255, 255));
        QTest::keyClick(red, Qt::Key_Tab);
        QCOMPARE(red->text(), QStringLiteral("200"));
        QCOMPARE(child<QSlider>("TrackBar1")->value(), 200);
        QCOMPARE(w.CurrentColor(), RgbToColor(200, 255, 255));
        QCOMPARE(selectedName(), QString()); // no name for this colour

        // Emptied, the box reads 0 and shows it once left; too much is 255.
        red->setFocus();
        red->selectAll();
        QTest::keyClick(red, Qt::Key_Backspace);
        QCOMPARE(red->text(), QString());
        QCOMPARE(w.CurrentColor(), RgbToColor(0, 255, 255));
        QCOMPARE(selectedName(), QStringLiteral("aqua")); // the first of aqua and cyan
        child<QLineEdit>("Edit2")->setFocus();
        QCOMPARE(red->text(), QStringLiteral("0"));
        red->setFocus();
        red->selectAll();
        QTest::keyClicks(red, QStringLiteral("3x0"));
        QCOMPARE(red->text(), QStringLiteral("30"));
        QTest::keyClick(red, '0');
        QCOMPARE(red->text(), QStringLiteral("255"));
        QCOMPARE(w.CurrentColor(), RgbToColor(255, 255, 255));

        // Choosing cyan keeps cyan, not the first row of that colour.
        NamedColorList* list = w.colorList();
        list->scrollToItem(list->item(15));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(15)).center());
        QCOMPARE(selectedName(), QStringLiteral("cyan"));
        QCOMPARE(child<QLineEdit>("Edit1")->text(), QStringLiteral("0"));
    }

    void usualKeysWork() {
        TfrmMain& w = m_rig->w;
        const MainActions& a = w.actions();
        // The menus show the keys, and the help lists each of them, in both languages.
        const QList<QAction*> keyed = {a.ac_saveas, a.ac_exit,     a.ac_cut,     a.ac_copy,
                                       a.ac_paste,  a.ac_htmlcopy, a.ac_wwwview, a.ac_wwwview2,
                                       a.ac_option, a.ac_contents};
        for (const char* language : {"", "en/"}) {
            QFile page(QStringLiteral(":/help/%1overview.html").arg(QLatin1String(language)));
            QVERIFY(page.open(QIODevice::ReadOnly));
            const QString help = QString::fromUtf8(page.readAll());
            for (QAction* action : keyed) {
                const QString key = action->shortcut().toString(QKeySequence::PortableText);
                QVERIFY2(!key.isEmpty(), qPrintable(action->objectName()));
                QVERIFY2(help.contains(QStringLiteral("<td>") + key) ||
                             help.contains(QStringLiteral(" / ") + key),
                         qPrintable(language + key));
            }
        }
        // Ctrl+C in the text copies the text; Ctrl+Shift+C copies the page's HTML.
        w.PageControl1()->setCurrentIndex(0);
        auto* text = child<QTextEdit>("RichEdit1");
        text->setFocus();
        QTest::keyClicks(text, QStringLiteral("abc"));
        text->selectAll();
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
        QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("abc</")));

        // F1 opens the help and Escape closes it.
        QTest::keyClick(text, Qt::Key_F1);
        TfrmHelp* help = w.helpWindow();
        QVERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_Escape);
        QVERIFY(!help->isVisible());

        // Quit ends the way closing the window does: everything saved.
        w.activateWindow();
        QTest::keyClick(&w, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!w.isVisible());
        QVERIFY(
            QSettings(ini(), QSettings::IniFormat).contains(QStringLiteral("colortable/count")));
    }

    void tabReachesEveryControl() {
        TfrmMain& w = m_rig->w;
        w.PageControl1()->setCurrentIndex(1);
        QWidget* start = child("trkimglevel");
        start->setFocus();
        QStringList seen;
        QWidget* at = start;
        for (int i = 0; i < 200 && (i == 0 || at != start); ++i) {
            seen << at->objectName();
            QTest::keyClick(at, Qt::Key_Tab);
            at = QApplication::focusWidget();
            QVERIFY(at);
        }
        QCOMPARE(at, start);
        // In reading order: the strip, the colour panel, the list, the page.
        QStringList order = {"trkimglevel",   "cmbgra",    "btngraedit", "TrackBar1", "Edit1",
                             "TrackBar3",     "Edit3",     "btnrrggbb",  "btnhsv",    "btnColor",
                             "lstcolortable", "SpinEdit1", "btntblexec", "DrawGrid1"};
        int last = -1;
        for (const QString& name : order) {
            const int index = int(seen.indexOf(name));
            QVERIFY2(index > last, qPrintable(name + QStringLiteral(" in ") + seen.join(' ')));
            last = index;
        }
    }

    void noTextMessageGoesWithTheFirstText() {
        TfrmMain& w = m_rig->w;
        w.PageControl1()->setCurrentIndex(0);
        child<QPushButton>("btngratxtexec")->click();
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("テキストがありません"));
        auto* text = child<QTextEdit>("RichEdit1");
        text->setFocus();
        QTest::keyClick(text, 'a');
        QCOMPARE(w.statusBar()->currentMessage(), QString());
    }

    void windowsOpenFittingWhatTheyShow() {
        child<QAction>("ac_chart")->trigger();
        QWidget* chart = child("frmchart");
        QVERIFY(QTest::qWaitForWindowExposed(chart));
        QCOMPARE(chart->size(), chart->findChild<QWidget*>(QStringLiteral("Image1"))->size());

        OpenPictureDialog picture;
        picture.setViewMode(QFileDialog::Detail);
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
        auto* tree = picture.findChild<QTreeView*>(QStringLiteral("treeView"));
        // Unless the screen is narrower than what the columns need.
        QVERIFY(tree->viewport()->width() >= tree->header()->length() ||
                picture.width() >= picture.screen()->availableSize().width());
        QVERIFY(picture.rect().contains(
            picture.findChild<QWidget*>(QStringLiteral("previewPane"))->geometry()));
    }
};

QTEST_MAIN(TestFirstMinute)
#include "tst_firstminute.moc"
