// The gradient-text page on a real X server, driven as a user would: type,
// select part of the text, press the gradient button, copy the markup with
// the window's action; the clipboard holds what vellomar-cli prints for
// the same text and range.
#include "settings/SettingsStore.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

class TestTextPageOnX : public QObject {
    Q_OBJECT

private slots:
    void gradientCopyMatchesTheCli() {
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("settings.ini"));
        SettingsStore store(ini);
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // No window manager gives the focus on the bare server.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTabBar* tabs = w.PageControl1()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
        QCOMPARE(w.PageControl1()->currentIndex(), 0);
        auto* editor = w.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
        auto* exec = w.findChild<QPushButton*>(QStringLiteral("btngratxtexec"));
        QVERIFY(editor && exec);

        QTest::mouseClick(editor->viewport(), Qt::LeftButton);
        QTRY_VERIFY(editor->hasFocus());
        const QString text = QStringLiteral("色abc漢字de");
        // Japanese comes from the input method, the rest from the keys.
        auto commit = [&](const QString& chars) {
            QInputMethodEvent event;
            event.setCommitString(chars);
            QApplication::sendEvent(editor, &event);
        };
        commit(QStringLiteral("色"));
        QTest::keyClicks(editor, QStringLiteral("abc"));
        commit(QStringLiteral("漢字"));
        QTest::keyClicks(editor, QStringLiteral("de"));
        QCOMPARE(editor->toPlainText(), text);
        // From the end, leave "de" out and take "abc漢字": in positions of
        // the page, from 2 (after the two-position "色") for 3 + 4.
        QTest::keyClick(editor, Qt::Key_Left);
        QTest::keyClick(editor, Qt::Key_Left);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(editor, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(editor->textCursor().selectedText(), QStringLiteral("abc漢字"));

        QTest::mouseClick(exec, Qt::LeftButton);
        QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
        w.actions().ac_htmlcopy->trigger();

        QProcess cli;
        cli.start(QStringLiteral(VELLOMAR_CLI),
                  {QStringLiteral("--settings"), ini, QStringLiteral("text"),
                   QStringLiteral("--gradient"), QStringLiteral("0"), QStringLiteral("--range"),
                   QStringLiteral("2"), QStringLiteral("7"), text});
        QVERIFY(cli.waitForFinished(60000));
        QCOMPARE(cli.exitCode(), 0);
        const QString expected = QString::fromUtf8(cli.readAllStandardOutput());
        QVERIFY(expected.contains(QStringLiteral("漢")));
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), expected);
        w.close();
    }
};

QTEST_MAIN(TestTextPageOnX)
#include "xtst_textpage.moc"
