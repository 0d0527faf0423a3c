// The window layer's own duties: the page-switch enabling table, saving at
// the orderly end with a failure shown, and a duplicate copy that builds no
// window.
#include "MainWindowRig.h"
#include "settings/SettingsStore.h"
#include "shell/TSingleInstance.h"
#include "ui/dialogs/TfrmOpt.h"
#include "ui/dialogs/Tfrmchart.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"
#include "ui/window/VellomarApp.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <memory>

class TestWindowLayer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

private slots:
    void init() { QFile::remove(iniPath()); }

    // The table of which actions each page enables, as the design gives it.
    // "see below": the tool bar button on, the menu's action off; we offer
    // one state for both.
    void pageSwitchEnablesAsDesigned_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("row");
        // Save As | Cut | Copy | Paste | Select All | HTML copy | Browser 1
        const auto row = [](const char* text) {
            return QString::fromLatin1(text).split(QLatin1Char('|'));
        };
        QTest::newRow("0 gradient text") << 0 << row("on|on|on|on|on|on|on");
        QTest::newRow("1 table") << 1 << row("see below|off|off|off|on|on|on");
        QTest::newRow("2 body") << 2 << row("see below|off|off|off|off|on|on");
        QTest::newRow("3 horizontal rule") << 3 << row("see below|off|off|off|off|on|on");
        QTest::newRow("4 Color") << 4 << row("off|off|on|off|off|on|off");
    }

    void pageSwitchEnablesAsDesigned() {
        QFETCH(int, page);
        QFETCH(QStringList, row);
        MainWindowRig rig(iniPath());
        TfrmMain& w = rig.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTabBar* tabs = w.PageControl1()->tabBar();
        // Arrive from another page so that every state is set by the switch.
        for (int index : {page == 4 ? 0 : 4, page}) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
            QCOMPARE(w.PageControl1()->currentIndex(), index);
        }
        const char* const actions[7] = {"ac_saveas",    "ac_cut",      "ac_copy",   "ac_paste",
                                        "ac_selectall", "ac_htmlcopy", "ac_wwwview"};
        const char* const buttons[7] = {"tbsave", "tbcut",      "tbcopy", "tbpaste",
                                        nullptr,  "tbhtmlcopy", "tbview"};
        for (int i = 0; i < 7; ++i) {
            auto* action = w.findChild<QAction*>(QString::fromLatin1(actions[i]));
            QVERIFY2(action, actions[i]);
            if (row[i] == QLatin1String("see below")) {
                auto* button = w.findChild<QToolButton*>(QStringLiteral("tbsave"));
                QCOMPARE(button->isEnabled(), action->isEnabled());
                continue;
            }
            QVERIFY2(action->isEnabled() == (row[i] == QLatin1String("on")), actions[i]);
            if (buttons[i]) {
                auto* button = w.findChild<QToolButton*>(QString::fromLatin1(buttons[i]));
                QVERIFY2(button && button->isEnabled() == action->isEnabled(), buttons[i]);
            }
        }
        for (const char* always : {"ac_wwwview2", "ac_option", "ac_chart", "ac_contents",
                                   "ac_searchonhelp", "ac_helponhelp", "ac_about", "ac_exit"})
            QVERIFY2(w.findChild<QAction*>(QString::fromLatin1(always))->isEnabled(), always);
    }

    void nothingIsSavedBeforeTheEndAndTheEndSavesOnce() {
        SettingsStore store(iniPath());
        ProgramState state(store);
        auto w = std::make_unique<TfrmMain>(state);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QVERIFY(!QFile::exists(iniPath()));
        w->close();
        QVERIFY(QFile::exists(iniPath()));
        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("colortable/count")).toString(), QStringLiteral("13"));
        // Every placement section, the chart's and the options dialog's too,
        // though neither was shown.
        for (const char* section : {"frmMainRect", "frmOptRect", "frmchartRect"})
            for (const char* value : {"left", "top", "width", "height"})
                QVERIFY2(
                    ini.contains(QLatin1String(section) + QLatin1Char('/') + QLatin1String(value)),
                    section);
        // Destroying the window afterwards writes nothing more.
        QFile::remove(iniPath());
        w.reset();
        QVERIFY(!QFile::exists(iniPath()));
    }

    void secondaryWindowsComeBackWhereTheyWereLeft() {
        {
            QSettings ini(iniPath(), QSettings::IniFormat);
            for (const auto& [key, value] : {std::pair{"frmchartRect/left", 33},
                                             {"frmchartRect/top", 44},
                                             {"frmchartRect/width", 250},
                                             {"frmchartRect/height", 260},
                                             {"frmOptRect/left", 55},
                                             {"frmOptRect/top", 66},
                                             {"frmOptRect/width", 900}})
                ini.setValue(QLatin1String(key), QString::number(value));
        }
        {
            MainWindowRig rig(iniPath());
            TfrmMain& w = rig.w;
            auto* chart = w.findChild<Tfrmchart*>();
            auto* options = w.findChild<TfrmOpt*>();
            QCOMPARE(chart->frameGeometry(), QRect(33, 44, 250, 260));
            QCOMPARE(options->pos(), QPoint(55, 66));
            QCOMPARE(options->size(), QSize(382, 270)); // a dialog keeps its size
            chart->move(70, 80);
            w.close();
        }
        QSettings ini(iniPath(), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("frmchartRect/left")).toString(), QStringLiteral("70"));
        QCOMPARE(ini.value(QStringLiteral("frmchartRect/width")).toString(), QStringLiteral("250"));
        QCOMPARE(ini.value(QStringLiteral("frmOptRect/top")).toString(), QStringLiteral("66"));
    }

    void pluginFolderIsCheckedAtStart() {
        QTemporaryDir plugins;
        const QString folder = QDir::cleanPath(plugins.path());
        for (const QString& stored : {folder, m_dir.filePath(QStringLiteral("gone"))}) {
            {
                QSettings ini(iniPath(), QSettings::IniFormat);
                ini.setValue(QStringLiteral("Option/plugin"), stored);
            }
            const QString expected = stored == folder ? folder + QLatin1Char('/') : QString();
            {
                MainWindowRig rig(iniPath());
                TfrmMain& w = rig.w;
                QCOMPARE(w.options().plugin, expected);
                w.close();
            }
            QSettings ini(iniPath(), QSettings::IniFormat);
            QCOMPARE(ini.value(QStringLiteral("Option/plugin")).toString(), expected);
        }
    }

    void failedSaveIsShown() {
        // The settings file would go into a folder that is a file.
        QFile blocker(m_dir.filePath(QStringLiteral("notafolder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MainWindowRig rig(m_dir.filePath(QStringLiteral("notafolder/settings.ini")));
        TfrmMain& w = rig.w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QString shown;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            shown = box->text();
            box->accept();
        });
        w.close();
        QVERIFY2(shown.startsWith(QStringLiteral("設定を保存できませんでした。")),
                 qPrintable(shown));
    }

    void duplicateCopyBuildsNoWindow() {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QString name;
        {
            TSingleInstance probe;
            name = probe.ServerName();
        }
        QLocalServer running;
        QVERIFY(running.listen(name));
        {
            SettingsStore store(iniPath());
            VellomarApp second(store);
            QVERIFY(second.isDuplicate());
            QVERIFY(!second.mainWindow());
            QVERIFY(QApplication::topLevelWidgets().isEmpty());
            QCOMPARE(second.exec(), 0);
        }
        QVERIFY(!QFile::exists(iniPath()));
        qunsetenv("XDG_RUNTIME_DIR");
    }
};

QTEST_MAIN(TestWindowLayer)
#include "tst_windowlayer.moc"
