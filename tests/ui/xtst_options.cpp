// The options dialog in the whole program on a real X server, driven from
// the keyboard: a font table entry typed in reaches the gradient-text page
// and the settings file.
#include "html/PageTraits.h"
#include "settings/SettingsStore.h"
#include "ui/pages/HtmlPage.h"
#include "ui/window/TfrmMain.h"
#include "ui/window/VellomarApp.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestOptionsOnX : public QObject {
    Q_OBJECT
private slots:
    void typedFontEntryReachesTextPageAndSettingsFile() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("run")));
        const QString runtime = dir.filePath(QStringLiteral("run"));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
        const QString ini = dir.filePath(QStringLiteral("program.ini"));
        const QString entry = QStringLiteral("Verdana,Arial");
        QStringList fontBox;
        int code = -1;
        {
            SettingsStore store(ini);
            VellomarApp program(store);
            QTimer::singleShot(0, [&] {
                TfrmMain* main = program.mainWindow();
                main->activateWindow(); // no window manager gives it the focus
                QVERIFY(QTest::qWaitForWindowActive(main));
                // Typed into the dialog once it shows, added with Alt+A, OK with Enter.
                QTimer::singleShot(0, [&] {
                    QTRY_VERIFY(qobject_cast<QDialog*>(QApplication::activeModalWidget()));
                    QWidget* dialog = QApplication::activeModalWidget();
                    QCOMPARE(dialog->objectName(), QStringLiteral("frmOpt"));
                    dialog->activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(dialog));
                    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("edtfontname"));
                    QTest::mouseClick(edit, Qt::LeftButton);
                    QTRY_VERIFY(edit->hasFocus());
                    QTest::keyClicks(edit, entry);
                    QTest::keyClick(edit, Qt::Key_A, Qt::AltModifier);
                    // A mnemonic presses the button and lets go a moment later.
                    QTRY_VERIFY(edit->text().isEmpty());
                    QTest::keyClick(dialog, Qt::Key_Return);
                });
                QTest::keyClick(main, Qt::Key_O, Qt::AltModifier);
                QVERIFY(!QApplication::activeModalWidget());
                auto* fonts =
                    main->page(Pages::Text)->findChild<QComboBox*>(QStringLiteral("cmbfontname"));
                for (int i = 0; i < fonts->count(); ++i)
                    fontBox << fonts->itemText(i);
                main->close();
            });
            QTimer::singleShot(20000, [] { QCoreApplication::exit(99); });
            code = program.exec();
        }
        qunsetenv("XDG_RUNTIME_DIR");
        QCOMPARE(code, 0);
        QCOMPARE(fontBox.size(), 8);
        QCOMPARE(fontBox.last(), entry);
        QSettings settings(ini, QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("Option/fonttablecnt")).toString(),
                 QStringLiteral("8"));
        QCOMPARE(settings.value(QStringLiteral("Option/fonttable7")).toString(), entry);
    }
};

QTEST_MAIN(TestOptionsOnX)
#include "xtst_options.moc"
