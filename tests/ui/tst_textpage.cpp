// The gradient-text page: its style controls follow the selection without
// editing the text, its boxes and buttons format the target, the effect
// and the markup match the pure model, and a long run survives the window
// being closed under it, in the background while the window stays live.
#include "FakePageHost.h"
#include "MainWindowRig.h"
#include "gradient/GradientTableList.h"
#include "html/GradientTextWriter.h"
#include "html/PageMarkup.h"
#include "richtext/GradientTextDocument.h"
#include "settings/ProgramOptions.h"
#include "settings/SettingsStore.h"
#include "ui/dialogs/Tfrmwaitdlg.h"
#include "ui/pages/PageProgress.h"
#include "ui/pages/text/PageText.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QSemaphore>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QThreadPool>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

// The shared host with the stock font list and the first stock gradient.
struct TextHost : FakePageHost {
    TextHost() {
        m_options.fonttable = DefaultFontTable();
        m_gradient = DefaultGradientTables()[0];
    }
};

// Starts the page and puts plain text into its editor.
QTextEdit* StartWith(PageText& page, const QString& text) {
    page.start();
    auto* editor = Child<QTextEdit>(page, "RichEdit1");
    editor->setPlainText(text);
    return editor;
}

void Select(QTextEdit* editor, int from, int to) {
    QTextCursor cursor(editor->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

QTextCharFormat FormatAt(QTextEdit* editor, int position) {
    QTextCursor cursor(editor->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// Holds the pages' worker thread until it goes, so that a run started
// meanwhile is still under way while the test looks at the window.
class WorkerHold {
public:
    WorkerHold() {
        PageProgress::workers().start([this] { m_gate.acquire(); });
    }
    ~WorkerHold() {
        m_gate.release();
        PageProgress::workers().waitForDone();
    }

private:
    QSemaphore m_gate;
};

// What the page holds, as the writer reads it.
StyledText Model(QTextEdit* editor) {
    return StyledTextFromDocument(*editor->document()).text;
}

} // namespace

class TestTextPage : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void selectionRefreshesTheControlsUnderUpdatingOnly() {
        TextHost host;
        PageText page(host);
        page.start();
        auto* editor = Child<QTextEdit>(page, "RichEdit1");
        auto* bold = Child<QToolButton>(page, "BoldButton");
        auto* italic = Child<QToolButton>(page, "ItalicButton");
        auto* underline = Child<QToolButton>(page, "UnderlineButton");
        auto* names = Child<QComboBox>(page, "cmbfontname");
        auto* sizes = Child<QComboBox>(page, "cmbfontsize");
        editor->setPlainText(QStringLiteral("plain STYLED"));
        {
            QTextCursor cursor(editor->document());
            cursor.setPosition(6);
            cursor.setPosition(12, QTextCursor::KeepAnchor);
            QTextCharFormat format;
            format.setFontWeight(QFont::Bold);
            format.setFontItalic(true);
            format.setFontFamilies(QStringList{QStringLiteral("Times New Roman")});
            format.setFontPointSize(24);
            cursor.mergeCharFormat(format);
        }
        const QString before = editor->document()->toHtml();
        QList<bool> updatingSeen;
        connect(names, &QComboBox::currentIndexChanged, this,
                [&] { updatingSeen << page.Updating(); });
        connect(sizes, &QComboBox::currentIndexChanged, this,
                [&] { updatingSeen << page.Updating(); });

        Select(editor, 7, 10);
        QVERIFY(bold->isChecked() && italic->isChecked() && !underline->isChecked());
        QCOMPARE(sizes->currentIndex(), 6);
        QCOMPARE(names->currentText(), QStringLiteral("Times New Roman,Times"));
        QVERIFY(!updatingSeen.isEmpty());
        QVERIFY(!updatingSeen.contains(false));
        QVERIFY(!page.Updating());
        // The refresh itself formatted nothing.
        QCOMPARE(editor->document()->toHtml(), before);

        updatingSeen.clear();
        Select(editor, 1, 1);
        QVERIFY(!bold->isChecked() && !italic->isChecked());
        QCOMPARE(sizes->currentIndex(), 0);
        QCOMPARE(names->currentIndex(), 0);
        QVERIFY(!updatingSeen.contains(false));
        QCOMPARE(editor->document()->toHtml(), before);

        // While Updating is set the page's handlers do nothing at all.
        page.SetUpdating(true);
        Select(editor, 0, 5);
        QCOMPARE(sizes->currentIndex(), 0); // no refresh either
        bold->click();
        Child<QPushButton>(page, "btngratxtexec")->click();
        names->setCurrentIndex(2);
        QCOMPARE(editor->document()->toHtml(), before);
        QVERIFY(page.html().isEmpty());
    }

    void stylesGoToTheSelectionOrToWhatIsTypedNext() {
        TextHost host;
        PageText page(host);
        auto* editor = StartWith(page, QStringLiteral("abcd"));
        Select(editor, 1, 3);
        Child<QToolButton>(page, "UnderlineButton")->click();
        Child<QToolButton>(page, "BoldButton")->click();
        Child<QToolButton>(page, "BoldButton")->click(); // off again; the underline stays
        host.m_color = RgbToColor(0x12, 0x34, 0x56);
        Child<QPushButton>(page, "btngratxt")->click();
        CharStyle styled;
        styled.underline = true;
        styled.color = RgbToColor(0x12, 0x34, 0x56);
        QCOMPARE(Model(editor).chars[2].style, styled);
        QCOMPARE(Model(editor).chars[3].style, CharStyle{});

        Select(editor, 4, 4);
        Child<QToolButton>(page, "ItalicButton")->click();
        editor->textCursor().insertText(QStringLiteral("e"));
        QVERIFY(Model(editor).chars[4].style.italic);
        QVERIFY(!Model(editor).chars[3].style.italic);
    }

    void fontBoxSetsTheFirstNameAndTheCharacterSet() {
        TextHost host;
        host.m_options.fonttable << QString() << QStringLiteral(",Lead");
        PageText page(host);
        page.start();
        auto* editor = Child<QTextEdit>(page, "RichEdit1");
        auto* names = Child<QComboBox>(page, "cmbfontname");
        editor->setPlainText(QStringLiteral("abcdef"));

        Select(editor, 0, 2);
        names->setCurrentIndex(2); // "Arial,Helvetica"
        QCOMPARE(FormatAt(editor, 0).fontFamilies().toStringList(), QStringList{"Arial"});
        QCOMPARE(FormatAt(editor, 0).intProperty(PageText::kCharSetProperty), 1);

        Select(editor, 2, 4);
        names->setCurrentIndex(1); // "ＭＳ Ｐ明朝,平成明朝"
        QCOMPARE(FormatAt(editor, 2).fontFamilies().toStringList(),
                 QStringList{QStringLiteral("ＭＳ Ｐ明朝")});
        QCOMPARE(FormatAt(editor, 2).intProperty(PageText::kCharSetProperty), 128);

        // Entries without a name set nothing.
        Select(editor, 4, 6);
        names->setCurrentIndex(7);
        names->setCurrentIndex(8);
        QCOMPARE(Model(editor).chars[4].style.fontName, kDefaultTextFont);

        // The selection shows the entry that begins with its font.
        Select(editor, 5, 5);
        QCOMPARE(names->currentIndex(), 0);
        Select(editor, 3, 3);
        QCOMPARE(names->currentIndex(), 1);
        Select(editor, 1, 1);
        QCOMPARE(names->currentIndex(), 2);

        // The markup names the whole entry.
        const QString html = page.html();
        QVERIFY(html.contains(QStringLiteral("face=\"Arial,Helvetica\"")));
        QVERIFY(html.contains(QStringLiteral("face=\"ＭＳ Ｐ明朝,平成明朝\"")));
        QCOMPARE(html, WriteGradientTextHtml(Model(editor), host.m_options));
    }

    void effectColoursTheSelectionAsTheModelDoes() {
        TextHost host;
        PageText page(host);
        page.start();
        auto* editor = Child<QTextEdit>(page, "RichEdit1");
        // Double-byte, half-width katakana and a paragraph end.
        const QString text = QStringLiteral("ab漢字ｶﾅ\ncdef");
        editor->setPlainText(text);
        host.m_status.showMessage(QStringLiteral("old"));

        Select(editor, 1, 6); // "b漢字ｶﾅ": positions 1 .. 8
        Child<QPushButton>(page, "btngratxtexec")->click();
        StyledText expected = MakeStyledText(text, CharStyle{});
        ApplyTextGradient(expected, host.selectedGradient(), PositionRange{1, 7});
        QCOMPARE(page.html(), WriteGradientTextHtml(expected, host.m_options));
        QCOMPARE(Model(editor).chars[5].style.color, host.selectedGradient()->stops().back().color);
        QCOMPARE(Model(editor).chars[6].style.color, TColor(0));
        // The user's selection stays; the status bar has nothing to say.
        QCOMPARE(editor->textCursor().selectionStart(), 1);
        QCOMPARE(editor->textCursor().selectionEnd(), 6);
        QVERIFY(host.m_status.currentMessage().isEmpty());

        // No selection: the whole text.
        Select(editor, 3, 3);
        Child<QPushButton>(page, "btngratxtexec")->click();
        expected = MakeStyledText(text, CharStyle{});
        ApplyTextGradient(expected, host.selectedGradient(), PositionRange{});
        QCOMPARE(page.html(), WriteGradientTextHtml(expected, host.m_options));
        // A control character is left out, and the page says so.
        editor->setPlainText(QStringLiteral("a\x01z"));
        QVERIFY(page.html().endsWith(QStringLiteral(">az</font>")));
        QVERIFY(!page.write().message.isEmpty());
    }

    void withoutAUsableTableTheEffectSaysWhyAndChangesNothing() {
        TextHost host;
        PageText page(host);
        auto* editor = StartWith(page, QStringLiteral("abc"));
        const QString before = editor->document()->toHtml();
        host.m_gradient.reset();
        Child<QPushButton>(page, "btngratxtexec")->click();
        QCOMPARE(host.m_status.currentMessage(),
                 TextGradientStatusMessage(TextGradientStatus::NoTable));
        QCOMPARE(editor->document()->toHtml(), before);

        GradientTable single;
        single.setStops(std::vector<GradientStop>{{0, RgbToColor(255, 0, 0)}});
        host.m_gradient = single;
        Child<QPushButton>(page, "btngratxtexec")->click();
        QCOMPARE(host.m_status.currentMessage(),
                 TextGradientStatusMessage(TextGradientStatus::TooFewStops));
        QCOMPARE(editor->document()->toHtml(), before);
        // The text is still written, in its own colours.
        QCOMPARE(page.html(),
                 WriteGradientTextHtml(MakeStyledText(QStringLiteral("abc"), {}), host.m_options));
    }

    void emptyEditorLeavesTheClipboard() {
        TextHost host;
        PageText page(host);
        page.start();
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
        QVERIFY(page.html().isEmpty());
        QVERIFY(!page.copyHtml());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("earlier"));
    }

    void longRunShowsProgressAndClosingStopsIt() {
        const QString ini = m_dir.filePath(QStringLiteral("close.ini"));
        MainWindowRig rig(ini);
        TfrmMain& w = rig.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.PageControl1()->setCurrentIndex(0);
        auto* page = w.PageControl1()->widget(0);
        auto* editor = Child<QTextEdit>(*page, "RichEdit1");
        auto* exec = Child<QPushButton>(*page, "btngratxtexec");
        const QString text(60000, QChar(0x3042)); // 120000 positions
        editor->setPlainText(text);
        QString before = editor->document()->toHtml();
        QApplication::setActiveWindow(&w);
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());

        // A run to its end: progress shown, the page closed to input and the
        // document unchanged while the window goes on serving its events.
        auto hold = std::make_unique<WorkerHold>();
        exec->click();
        QVERIFY(w.progressDialog()->isVisible() && !exec->isEnabled() && !editor->isEnabled());
        bool ticked = false;
        QTimer::singleShot(10, &w, [&] { ticked = true; });
        QTRY_VERIFY(ticked);
        QCOMPARE(editor->document()->toHtml(), before);
        hold.reset();
        QTRY_VERIFY(!w.progressDialog()->isVisible());
        QVERIFY(exec->isEnabled() && editor->isEnabled());
        QCOMPARE(w.focusWidget(), editor);
        QCOMPARE(Model(editor).chars.back().style.color,
                 w.selectedGradient()->stops().back().color);

        // The markup is written in the background too: the dialog's cancel
        // leaves the clipboard, a run to its end fills it.
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
        hold = std::make_unique<WorkerHold>();
        w.actions().ac_htmlcopy->trigger();
        Child<QPushButton>(*w.progressDialog(), "btnCancel")->click();
        hold.reset();
        QTRY_VERIFY(exec->isEnabled());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("earlier"));
        w.actions().ac_htmlcopy->trigger();
        QTRY_COMPARE(QGuiApplication::clipboard()->text(),
                     WriteGradientTextMarkup(Model(editor), w.options()));

        // Escape on the dialog stops the run; nothing changes.
        editor->setPlainText(text);
        before = editor->document()->toHtml();
        hold = std::make_unique<WorkerHold>();
        exec->click();
        QTest::keyClick(w.progressDialog(), Qt::Key_Escape);
        hold.reset();
        QTRY_VERIFY(exec->isEnabled());
        QCOMPARE(editor->document()->toHtml(), before);

        // Closing the window meanwhile stops the run and still saves.
        w.options().viewback = RgbToColor(0x11, 0x22, 0x33);
        hold = std::make_unique<WorkerHold>();
        exec->click();
        w.close();
        hold.reset();
        QTRY_VERIFY(!w.progressDialog()->isVisible());
        QVERIFY(!w.isVisible());
        QCOMPARE(editor->document()->toHtml(), before);
        QSettings saved(ini, QSettings::IniFormat);
        QString viewback;
        for (const QString& key : saved.allKeys())
            if (key.endsWith(QStringLiteral("viewback")))
                viewback = saved.value(key).toString();
        QCOMPARE(viewback, QString::number(RgbToColor(0x11, 0x22, 0x33)));
    }
};

QTEST_MAIN(TestTextPage)
#include "tst_textpage.moc"
