#include "gradient/GradientStore.h"
#include "gradient/GradientTableList.h"
#include "settings/SettingsStore.h"
#include "ui/dialogs/TfrmGradEdit.h"
#include "ui/widgets/GradientBar.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestMainGradients : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("s.ini")); }

private slots:
    void cleanup() { QFile::remove(iniPath()); }

    void firstStartShowsTheDefaults() {
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain window(state);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* cmbgra = window.findChild<QComboBox*>(QStringLiteral("cmbgra"));
        QVERIFY(cmbgra);
        QCOMPARE(cmbgra->toolTip(), QStringLiteral("グラデーションテーブル"));
        QCOMPARE(cmbgra->count(), 13);
        QCOMPARE(cmbgra->currentText(), QStringLiteral("スペクトラム"));
        auto* preview = window.findChild<GradientBar*>(QStringLiteral("imgtruecolor"));
        QCOMPARE(preview->size(), QSize(300, 25));
        QCOMPARE(preview->image().pixel(103, 12), qRgb(0, 0, 255));

        cmbgra->setCurrentIndex(2);
        QCOMPARE(preview->image().pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(preview->image().pixel(299, 24), qRgb(254, 254, 254));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("btngraedit"))->text(),
                 QStringLiteral("編集(&E).."));
    }

    void editorChangesReachTheBoxAndTheStore() {
        {
            SettingsStore store(iniPath());
            ProgramState state(store);
            TfrmMain window(state);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            auto* cmbgra = window.findChild<QComboBox*>(QStringLiteral("cmbgra"));
            cmbgra->setCurrentIndex(5);
            bool opened = false;
            QTimer::singleShot(0, &window, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                opened = modal == window.gradientEditor();
                if (!modal)
                    return;
                // Rename a table behind the editor's back, then close with OK:
                // the box is refilled from the list afterwards.
                window.gradientTables().slot(1).name = QStringLiteral("edited");
                QMetaObject::invokeMethod(modal->findChild<QPushButton*>(QStringLiteral("btnok")),
                                          "click", Qt::QueuedConnection);
            });
            window.findChild<QPushButton*>(QStringLiteral("btngraedit"))->click();
            QVERIFY(opened);
            QCOMPARE(cmbgra->currentIndex(), 0);
            QCOMPARE(cmbgra->itemText(1), QStringLiteral("edited"));
            window.gradientTables().slot(0).name = QStringLiteral("renamed");
            window.close();
        }
        // Closing the main window saved the list.
        GradientTableList loaded;
        LoadGradientTables(SettingsStore(iniPath()), loaded);
        QCOMPARE(loaded.count(), 13);
        QCOMPARE(loaded.slot(0).name, QStringLiteral("renamed"));
    }
};

QTEST_MAIN(TestMainGradients)
#include "tst_maingradients.moc"
