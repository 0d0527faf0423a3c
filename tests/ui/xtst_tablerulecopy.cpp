// The table and rule pages in the main window on a real X server: the same
// operations as a vellomar-cli command line, then "HTML形式でコピー", leave
// exactly what the command prints on the clipboard.
#include "CliProcess.h"
#include "settings/SettingsStore.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

void Type(QSpinBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

} // namespace

class TestTableRuleCopy : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    // What vellomar-cli prints for `args` on a settings file of its own
    // that does not exist yet.
    QString cli(const QString& settings, QStringList args) {
        args.prepend(m_dir.filePath(settings));
        args.prepend(QStringLiteral("--settings"));
        const CliRun run = RunCli(args);
        if (run.status != 0)
            qWarning("vellomar-cli: %s", qPrintable(run.errText()));
        return run.status == 0 ? run.outText() : QString();
    }

private slots:
    void windowCopiesWhatTheCommandPrints() {
        SettingsStore store(m_dir.filePath(QStringLiteral("window.ini")));
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QClipboard* clipboard = QGuiApplication::clipboard();

        // table --rows 3 --cols 4 --gradient 0 --direction 0
        w.PageControl1()->setCurrentIndex(1);
        Type(w.findChild<QSpinBox*>(QStringLiteral("SpinEdit2")), QStringLiteral("3"));
        Type(w.findChild<QSpinBox*>(QStringLiteral("SpinEdit1")), QStringLiteral("4"));
        auto* grid = w.findChild<QTableWidget*>(QStringLiteral("DrawGrid1"));
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->columnCount(), 4);
        QVERIFY(w.findChild<QToolButton*>(QStringLiteral("sbtbl0"))->isChecked());
        w.actions().ac_selectall->trigger();
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("btntblexec")), Qt::LeftButton);
        clipboard->clear();
        w.actions().ac_htmlcopy->trigger();
        const QString table =
            cli(QStringLiteral("table.ini"),
                {QStringLiteral("table"), QStringLiteral("--rows"), QStringLiteral("3"),
                 QStringLiteral("--cols"), QStringLiteral("4"), QStringLiteral("--gradient"),
                 QStringLiteral("0"), QStringLiteral("--direction"), QStringLiteral("0")});
        QVERIFY(table.contains(QStringLiteral("bgcolor=")));
        QTRY_COMPARE(clipboard->text(), table);

        // rule --gradient 0 --repeat 5
        w.PageControl1()->setCurrentIndex(3);
        auto* chkgrad = w.findChild<QCheckBox*>(QStringLiteral("chkgrad"));
        QTest::mouseClick(chkgrad, Qt::LeftButton, {}, QPoint(6, chkgrad->height() / 2));
        QVERIFY(chkgrad->isChecked());
        Type(w.findChild<QSpinBox*>(QStringLiteral("serepeat")), QStringLiteral("5"));
        clipboard->clear();
        w.actions().ac_htmlcopy->trigger();
        const QString rules =
            cli(QStringLiteral("rule.ini"),
                {QStringLiteral("rule"), QStringLiteral("--gradient"), QStringLiteral("0"),
                 QStringLiteral("--repeat"), QStringLiteral("5")});
        QCOMPARE(rules.count(QStringLiteral("<hr color=")), 5);
        QTRY_COMPARE(clipboard->text(), rules);
    }
};

QTEST_MAIN(TestTableRuleCopy)
#include "xtst_tablerulecopy.moc"
