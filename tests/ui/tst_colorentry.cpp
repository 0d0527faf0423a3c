// A CSS colour text typed into the entry box or pasted into the colour area
// becomes the current colour; text that is no colour changes nothing.
#include "MainWindowRig.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestColorEntry : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void textBecomesTheCurrentColor_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("text");
        QTest::addColumn<TColor>("color");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const struct {
            const char *how, *text;
            TColor color;
            const char *name, *message;
        } rows[] = {
            {"enter", "RebeccaPurple", RgbToColor(102, 51, 153), "名前: rebeccapurple", ""},
            {"leave", "#0a0b0c", RgbToColor(10, 11, 12), "近い名前: black (ΔE 0.1489)", ""},
            {"enter", "rgb(1 2)", 0xFFFFFF, "名前: white",
             "色として読めません: CSS の色の書き方ではありません"},
            {"paste", " hsl(120deg 100% 25%)\n", RgbToColor(0, 128, 0), "名前: green", ""},
            {"paste", "transparent", 0xFFFFFF, "名前: white",
             "色として読めません: 決まった色を持たない名前です"},
            {"enter", "color(display-p3 1 0 0)", RgbToColor(255, 11, 12),
             "近い名前: red (ΔE 0.0035)", "sRGB の外の色を sRGB に写しました"},
        };
        for (const auto& row : rows)
            QTest::addRow("%s %s", row.how, QByteArray(row.text).trimmed().constData())
                << QString::fromUtf8(row.how) << QString::fromUtf8(row.text) << row.color
                << QString::fromUtf8(row.name) << QString::fromUtf8(row.message);
    }
    void textBecomesTheCurrentColor() {
        QFETCH(QString, how);
        QFETCH(QString, text);
        QFETCH(TColor, color);
        QFETCH(QString, name);
        QFETCH(QString, message);
        MainWindowRig rig(m_dir.filePath(QStringLiteral("e.ini")));
        TfrmMain& w = rig.w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* edit = w.findChild<QLineEdit*>(QStringLiteral("edtcsscolor"));
        auto* slider = w.findChild<QSlider*>(QStringLiteral("TrackBar1"));
        QVERIFY(edit && slider);
        QCOMPARE(edit->text(), QStringLiteral("#FFFFFF"));
        const QColor normal = edit->palette().color(QPalette::Base);
        if (how == QLatin1String("paste")) {
            QGuiApplication::clipboard()->setText(text);
            // The text page, whose own paste the window's Ctrl+V runs elsewhere.
            w.PageControl1()->setCurrentIndex(0);
            slider->setFocus();
            QTest::keyClick(slider, Qt::Key_V, Qt::ControlModifier);
        } else {
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, text);
            if (how == QLatin1String("enter"))
                QTest::keyClick(edit, Qt::Key_Return);
            else
                slider->setFocus(Qt::TabFocusReason);
        }
        QCOMPARE(w.CurrentColor(), color);
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("lblnearest"))->text(), name);
        QCOMPARE(w.statusBar()->currentMessage(), message);
        // The text stays as given; the box is marked while it is no colour.
        QCOMPARE(edit->text(), text.trimmed());
        const bool unread = message.startsWith(QStringLiteral("色として"));
        QCOMPARE(edit->palette().color(QPalette::Base) != normal, unread);
        if (unread)
            QCOMPARE(edit->toolTip(), message.section(QStringLiteral(": "), 1));
        // Another way of choosing a colour shows its hex in the box.
        slider->setValue(200);
        QCOMPARE(edit->text(), ColorToHtml(w.CurrentColor()));
        QCOMPARE(edit->palette().color(QPalette::Base), normal);
    }
};

QTEST_MAIN(TestColorEntry)
#include "tst_colorentry.moc"
