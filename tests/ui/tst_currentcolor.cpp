#include "settings/SettingsStore.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

class TestCurrentColor : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<ProgramState> m_state;
    std::unique_ptr<TfrmMain> m_window;

    template <typename T> T* child(const char* name) {
        T* widget = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString caption(const char* name) { return child<QPushButton>(name)->text(); }
    void type(QLineEdit* edit, const QString& keys) {
        for (QChar ch : keys)
            QTest::keyClick(edit, ch.toLatin1());
    }

private slots:
    void init() {
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("v.ini")));
        m_state = std::make_unique<ProgramState>(*m_store);
        m_window = std::make_unique<TfrmMain>(*m_state);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_state.reset();
        m_store.reset();
    }

    void startsInLineWithTheWhiteInUse() {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Vellomar Ver 3.12"));
        QCOMPARE(caption("btnrrggbb"), QStringLiteral("#FFFFFF"));
        QCOMPARE(caption("rtncolorrgb"), QStringLiteral("255,255,255"));
        QCOMPARE(caption("btnhsv"), QStringLiteral("  0,  0,100"));
        for (const char* name : {"TrackBar1", "TrackBar2", "TrackBar3"})
            QCOMPARE(child<QSlider>(name)->value(), 255);
        for (const char* name : {"Edit1", "Edit2", "Edit3"})
            QCOMPARE(child<QLineEdit>(name)->text(), QStringLiteral("255"));
        QCOMPARE(m_window->CurrentColor(), TColor(0xFFFFFF));
        // Before any colour is chosen the swatch's white is what gets copied.
        QTest::mouseClick(child<QPushButton>("btnrrggbb"), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("#FFFFFF"));
    }

    void everyEditIsApplied() {
        m_window->SetCurrentColor(0);
        auto* red = child<QLineEdit>("Edit1");
        red->setFocus();
        red->selectAll();
        type(red, QStringLiteral("30"));
        QCOMPARE(red->text(), QStringLiteral("30"));
        QCOMPARE(child<QSlider>("TrackBar1")->value(), 30);
        type(red, QStringLiteral("0"));
        QCOMPARE(red->text(), QStringLiteral("255"));
        QTest::keyClick(red, Qt::Key_Return);
        QCOMPARE(red->text(), QStringLiteral("255"));
        QCOMPARE(child<QSlider>("TrackBar1")->value(), 255);
        QCOMPARE(m_window->CurrentColor(), RgbToColor(255, 0, 0));
    }

    void emptiedBoxIsRefilledAndLettersReapply() {
        auto* green = child<QLineEdit>("Edit2");
        green->setFocus();
        m_window->SetCurrentColor(RgbToColor(0, 5, 0));
        green->end(false);
        QTest::keyClick(green, Qt::Key_Backspace);
        QCOMPARE(green->text(), QString());
        QCOMPARE(child<QSlider>("TrackBar2")->value(), 0);
        QTest::keyClick(green, '7');
        QCOMPARE(green->text(), QStringLiteral("7"));

        // A letter is swallowed and applies the text again.
        QTest::keyClick(green, 'a');
        QCOMPARE(child<QSlider>("TrackBar2")->value(), 7);
        QCOMPARE(green->text(), QStringLiteral("7"));
        QCOMPARE(m_window->CurrentColor(), RgbToColor(0, 7, 0));
    }

    void pastedNonNumberIsReportedAndTheKeyDropped() {
        m_window->SetCurrentColor(RgbToColor(9, 0, 0));
        auto* red = child<QLineEdit>("Edit1");
        red->setFocus();
        red->setText(QStringLiteral("1x")); // as a paste from the context menu leaves it
        red->end(false);
        for (char key : {'5', 'q'}) {
            QString shown;
            QTimer::singleShot(0, this, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    shown = box->text();
                    box->accept();
                }
            });
            QTest::keyClick(red, key);
            QCOMPARE(shown, QStringLiteral("'1x' は有効な整数値ではありません。"));
            QCOMPARE(red->text(), QStringLiteral("1x"));
            QCOMPARE(child<QSlider>("TrackBar1")->value(), 9);
            QCOMPARE(m_window->CurrentColor(), RgbToColor(9, 0, 0));
        }
    }

    void tabAndDeleteKeepTheirUsualMeaning() {
        // Neither types a character, so neither is filtered; Delete edits.
        auto* red = child<QLineEdit>("Edit1");
        red->setFocus();
        red->setText(QStringLiteral("12"));
        red->setCursorPosition(0);
        // As X11 reports it: with the text DEL.
        QTest::sendKeyEvent(QTest::Click, red, Qt::Key_Delete, QChar(0x7F), Qt::NoModifier);
        QCOMPARE(red->text(), QStringLiteral("2"));
        QCOMPARE(child<QSlider>("TrackBar1")->value(), 2);
        QTest::keyClick(red, Qt::Key_Tab);
        QVERIFY(!red->hasFocus());
        QCOMPARE(child<QSlider>("TrackBar1")->value(), 2);
    }

    void sliderShowsEveryNotationAndButtonsCopyThem() {
        m_window->SetCurrentColor(RgbToColor(255, 0, 0));
        child<QSlider>("TrackBar2")->setValue(165);
        QCOMPARE(child<QLineEdit>("Edit2")->text(), QStringLiteral("165"));
        QCOMPARE(caption("btnrrggbb"), QStringLiteral("#FFA500"));
        QCOMPARE(caption("rtncolorrgb"), QStringLiteral("255,165,  0"));
        QCOMPARE(caption("btnhsv"), QStringLiteral(" 38,100,100"));
        QCOMPARE(child<QWidget>("imgcolor")->toolTip(), QStringLiteral("#FFA500"));

        const std::pair<const char*, const char*> copies[] = {
            {"btnrrggbb", "#FFA500"}, {"rtncolorrgb", "255,165,  0"}, {"btnhsv", " 38,100,100"}};
        for (auto [button, text] : copies) {
            QGuiApplication::clipboard()->setText(QStringLiteral("x"));
            QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(text));
        }
    }

    void settingTheSameColourKeepsTheCaret() {
        m_window->SetCurrentColor(RgbToColor(123, 4, 5));
        auto* red = child<QLineEdit>("Edit1");
        red->setCursorPosition(1);
        int changes = 0;
        connect(child<QSlider>("TrackBar1"), &QSlider::valueChanged, this, [&] { ++changes; });
        m_window->SetCurrentColor(RgbToColor(123, 4, 5));
        m_window->SetCurrentColor(RgbToColor(12, 4, 5));
        m_window->SetCurrentColor(RgbToColor(123, 4, 5));
        QCOMPARE(changes, 0); // the program's own settings raise no change event
        m_window->SetCurrentColor(RgbToColor(123, 4, 5));
        QCOMPARE(red->text(), QStringLiteral("123"));
        red->setCursorPosition(1);
        m_window->SetCurrentColor(RgbToColor(123, 4, 5));
        QCOMPARE(red->cursorPosition(), 1);
    }

    void cancellingTheColourDialogChangesNothing() {
        m_window->SetCurrentColor(RgbToColor(10, 20, 30));
        bool seen = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            seen = dialog != nullptr;
            if (dialog) {
                dialog->setCurrentColor(Qt::green);
                dialog->reject();
            }
        });
        QTest::mouseClick(child<QPushButton>("btnColor"), Qt::LeftButton);
        QVERIFY(seen);
        QCOMPARE(m_window->CurrentColor(), RgbToColor(10, 20, 30));
        QCOMPARE(caption("btnrrggbb"), QStringLiteral("#0A141E"));

        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            dialog->setCurrentColor(QColor(1, 2, 3));
            dialog->accept();
        });
        QTest::mouseClick(child<QPushButton>("btnColor"), Qt::LeftButton);
        QCOMPARE(m_window->CurrentColor(), RgbToColor(1, 2, 3));
    }
};

QTEST_MAIN(TestCurrentColor)
#include "tst_currentcolor.moc"
