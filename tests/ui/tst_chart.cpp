// The colour chart window: clicks pick a cell's colour, pointing highlights
// its label, and the main window's chart action shows it.
#include "settings/SettingsStore.h"
#include "ui/dialogs/Tfrmchart.h"
#include "ui/window/CurrentColorModel.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestChart : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentColorModel> m_model;
    std::unique_ptr<Tfrmchart> m_chart;
    QWidget* m_image = nullptr;

    QPoint cellPoint(int column, int row, int dx = 3, int dy = 3) const {
        const ChartGeometry& g = m_chart->chartGeometry();
        return QPoint(5 + column * g.cellWidth + dx, 5 + row * g.rowHeight + dy);
    }
    void send(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
        QMouseEvent event(type, QPointF(at), m_image->mapToGlobal(QPointF(at)), button,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QApplication::sendEvent(m_image, &event);
    }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        send(QEvent::MouseButtonPress, at, button);
        send(QEvent::MouseButtonRelease, at, button);
    }
    void pointAt(QPoint at) { send(QEvent::MouseMove, at); }
    // Pixels of the highlight's blue in the label part of a cell.
    int highlightPixels(int column, int row) {
        const ChartGeometry& g = m_chart->chartGeometry();
        const QImage shown = m_image->grab().toImage();
        const QPoint origin = cellPoint(column, row, 0, 0);
        int count = 0;
        for (int y = origin.y(); y < origin.y() + g.rowHeight; ++y)
            for (int x = origin.x() + 17; x < origin.x() + g.cellWidth; ++x)
                count += shown.pixel(x, y) == qRgb(0, 0, 255);
        return count;
    }

private slots:
    void init() {
        m_model = std::make_unique<CurrentColorModel>();
        m_chart = std::make_unique<Tfrmchart>(*m_model);
        m_chart->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_chart.get()));
        m_image = m_chart->findChild<QWidget*>(QStringLiteral("Image1"));
        QVERIFY(m_image);
        m_model->SetCurrentColor(0x123456);
    }
    void cleanup() { m_chart.reset(); }

    void windowFitsTheChart() {
        const ChartGeometry& g = m_chart->chartGeometry();
        QCOMPARE(m_image->size(), QSize(5 + 8 * g.cellWidth, 5 + 36 * g.rowHeight));
        QCOMPARE(m_chart->size(), m_image->size());
    }

    void clickPicksTheCellsColour() {
        click(cellPoint(1, 0)); // ffffff
        QCOMPARE(m_model->CurrentColor(), TColor(0xFFFFFF));
        click(cellPoint(0, 18)); // ff0000: red in the low byte
        QCOMPARE(m_model->CurrentColor(), TColor(0x0000FF));
        // On the label and between the swatch and the label: that cell.
        click(cellPoint(2, 7, m_chart->chartGeometry().cellWidth - 3));
        QCOMPARE(m_model->CurrentColor(), TColor(0xCCCCCC));
        m_model->SetCurrentColor(0x123456);
        click(cellPoint(2, 7, 16));
        QCOMPARE(m_model->CurrentColor(), TColor(0xCCCCCC));
        // Any button.
        click(cellPoint(7, 3), Qt::RightButton); // 00ff00
        QCOMPARE(m_model->CurrentColor(), TColor(0x00FF00));
        click(cellPoint(7, 18), Qt::MiddleButton); // 0000ff
        QCOMPARE(m_model->CurrentColor(), TColor(0xFF0000));
        // The left and top margin belong to column 0 and row 0.
        click(QPoint(2, cellPoint(0, 3).y())); // eeeeee
        QCOMPARE(m_model->CurrentColor(), TColor(0xEEEEEE));
    }

    void clickOnEmptyCellsAndOutsideTheGridChangesNothing() {
        const QSize size = m_image->size();
        for (QPoint at : {cellPoint(0, 0), cellPoint(0, 35), cellPoint(7, 34), QPoint(2, 2),
                          QPoint(size.width() + 2, 40), QPoint(40, size.height() + 1),
                          QPoint(-80, 40), QPoint(40, -60)}) {
            click(at);
            QCOMPARE(m_model->CurrentColor(), TColor(0x123456));
        }
    }

    void pointingHighlightsOneLabel() {
        QCOMPARE(highlightPixels(1, 0), 0);
        pointAt(cellPoint(1, 0));
        QVERIFY(highlightPixels(1, 0) > 0);
        pointAt(cellPoint(1, 0, 20, 5)); // same cell
        QVERIFY(highlightPixels(1, 0) > 0);
        pointAt(cellPoint(1, 1));
        QCOMPARE(highlightPixels(1, 0), 0);
        QVERIFY(highlightPixels(1, 1) > 0);
        // An empty cell highlights nothing; straight back highlights again.
        pointAt(cellPoint(0, 1));
        QCOMPARE(highlightPixels(1, 1), 0);
        pointAt(cellPoint(1, 1));
        QVERIFY(highlightPixels(1, 1) > 0);
        // A click leaves the highlight as it is.
        click(cellPoint(1, 1));
        QVERIFY(highlightPixels(1, 1) > 0);
        // Leaving the window keeps it; a drag past the edge clears it.
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(m_image, &leave);
        QVERIFY(highlightPixels(1, 1) > 0);
        pointAt(QPoint(m_image->width() + 30, cellPoint(1, 1).y()));
        QCOMPARE(highlightPixels(1, 1), 0);
        // Plain again means black on white, as drawn at first.
        const QImage shown = m_image->grab().toImage();
        const QPoint label = cellPoint(1, 1, 17, 0);
        QCOMPARE(shown.pixel(label), qRgb(255, 255, 255));
    }

    void chartActionShowsTheChartAndAClickMakesItsColourCurrent() {
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("v.ini")));
        ProgramState state(store);
        TfrmMain window(state);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* chart = window.findChild<Tfrmchart*>();
        QAction* action = window.actions().ac_chart;
        QCOMPARE(action->text(), QStringLiteral("カラーチャート(&T)"));
        QVERIFY(!chart->ChartVisible());
        action->trigger();
        QVERIFY(chart->ChartVisible());
        QVERIFY(action->isChecked());
        QVERIFY(QTest::qWaitForWindowExposed(chart));

        m_image = chart->findChild<QWidget*>(QStringLiteral("Image1"));
        const ChartGeometry& g = chart->chartGeometry();
        // Column 3, row 8: red cc, green 99, blue 99.
        QTest::mouseClick(m_image, Qt::LeftButton, {},
                          QPoint(5 + 3 * g.cellWidth + 30, 5 + 8 * g.rowHeight + 4));
        QCOMPARE(window.CurrentColor(), RgbToColor(0xCC, 0x99, 0x99));
        QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("btnrrggbb"))->text(),
                 QStringLiteral("#CC9999"));
    }
};

QTEST_MAIN(TestChart)
#include "tst_chart.moc"
