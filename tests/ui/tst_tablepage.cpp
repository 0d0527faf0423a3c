// The table page through its controls: size boxes, selection, direction
// buttons, target, cell colour, the table's colour toggles, and the grid's
// painting, around a host that is not the main window.
#include "FakePageHost.h"
#include "html/CellColors.h"
#include "html/TableGradient.h"
#include "html/TableMarkup.h"
#include "ui/pages/table/PageTable.h"
#include "ui/widgets/ColorShape.h"
#include "ui/window/WindowColor.h"

#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

namespace {

struct Cell {
    QString back; // "" without colour
    QString text;
};

// The cells of the markup, row by row.
QList<QList<Cell>> Cells(const QString& html) {
    static const QRegularExpression row(QStringLiteral("<TR>(.*?)</TR>"),
                                        QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(
        QStringLiteral("<TD(?: BGCOLOR=\"(#[0-9A-F]{6})\")?>(?:<FONT COLOR=\"(#[0-9A-F]{6})\">)?"),
        QRegularExpression::CaseInsensitiveOption);
    QList<QList<Cell>> rows;
    for (const QRegularExpressionMatch& r : row.globalMatch(html)) {
        QList<Cell> cells;
        for (const QRegularExpressionMatch& c : cell.globalMatch(r.captured(1)))
            cells.append({c.captured(1), c.captured(2)});
        rows.append(cells);
    }
    return rows;
}

QString OpeningTag(const QString& html) {
    return html.left(html.indexOf(QLatin1Char('>')) + 1);
}

struct Page {
    FakePageHost host;
    PageTable page{host};
    QTableWidget* grid = nullptr;

    Page() {
        host.m_options.htmlcase = HtmlCase::Upper; // upper case, as the markup is read below
        host.selectBlackToWhite();
        page.start();
        page.resize(400, 300);
        page.show();
        grid = page.findChild<QTableWidget*>(QStringLiteral("DrawGrid1"));
    }
    template <class T> T* get(const char* name) { return Child<T>(page, name); }
    void click(const char* name) { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    void clickShape(const char* name) {
        QTest::mousePress(get<ColorShape>(name), Qt::LeftButton);
        QTest::mouseRelease(get<ColorShape>(name), Qt::LeftButton);
    }
    QPoint cellCenter(int column, int row) const {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
    // A press on one cell and a shift press on the other, as a user selects.
    void select(int left, int top, int right, int bottom) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCenter(left, top));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          cellCenter(right, bottom));
    }
    void setSize(int columns, int rows) {
        get<QSpinBox>("SpinEdit1")->setValue(columns);
        get<QSpinBox>("SpinEdit2")->setValue(rows);
    }
};

} // namespace

class TestTablePage : public QObject {
    Q_OBJECT

private slots:
    // "縦:" counts the columns and "横:" the rows; values outside 1..50
    // cannot be typed, and cells outside the table keep their colours.
    void sizeBoxesAndBadInput() {
        Page p;
        QVERIFY(p.page.html().startsWith(QStringLiteral("<TABLE>\r\n<TR>\r\n<TD>★</TD><TD>")));
        QCOMPARE(Cells(p.page.html()).size(), 7);
        p.setSize(4, 3);
        QCOMPARE(p.grid->columnCount(), 4);
        QCOMPARE(p.grid->rowCount(), 3);
        const QList<QList<Cell>> cells = Cells(p.page.html());
        QCOMPARE(cells.size(), 3);
        QCOMPARE(cells[0].size(), 4);

        auto* columns = p.get<QSpinBox>("SpinEdit1");
        columns->setFocus();
        columns->selectAll();
        QTest::keyClicks(columns, QStringLiteral("99"));
        QCOMPARE(columns->value(), 9);
        columns->selectAll();
        QTest::keyClick(columns, Qt::Key_Backspace);
        QTest::keyClicks(columns, QStringLiteral("0"));
        QCOMPARE(columns->value(), 9);
        QCOMPARE(Cells(p.page.html())[0].size(), 9);

        p.setSize(7, 7);
        p.page.selectAll();
        p.host.m_color = RgbToColor(255, 0, 0);
        p.click("btntblcel");
        p.setSize(3, 3);
        QCOMPARE(Cells(p.page.html())[2][2].back, QStringLiteral("#FF0000"));
        p.setSize(7, 7);
        QCOMPARE(Cells(p.page.html())[6][6].back, QStringLiteral("#FF0000"));
    }

    // Each direction over three columns and two rows: the first cell
    // visited is black, the last one white, nothing outside changes, and
    // the page writes what the walk over the same cells writes.
    void directionsOverNonSquareSelection_data() {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QPoint>("last");
        QTest::newRow("rows, left to right") << 0 << QPoint(1, 1) << QPoint(2, 1) << QPoint(3, 2);
        QTest::newRow("rows, right to left") << 1 << QPoint(3, 1) << QPoint(2, 1) << QPoint(1, 2);
        QTest::newRow("columns from the left") << 2 << QPoint(1, 1) << QPoint(1, 2) << QPoint(3, 2);
        QTest::newRow("columns from the right")
            << 3 << QPoint(3, 1) << QPoint(3, 2) << QPoint(1, 2);
    }

    void directionsOverNonSquareSelection() {
        QFETCH(int, direction);
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        QFETCH(QPoint, last);
        Page p;
        p.setSize(5, 4);
        // Another button first, so that every direction is pressed by a click.
        p.click(direction == 3 ? "sbtbl2" : "sbtbl3");
        p.click(qPrintable(QStringLiteral("sbtbl%1").arg(direction)));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(p.get<QToolButton>(qPrintable(QStringLiteral("sbtbl%1").arg(i)))->isChecked(),
                     i == direction);
        p.select(1, 1, 3, 2);
        p.click("btntblexec");

        const QString html = p.page.html();
        const QList<QList<Cell>> cells = Cells(html);
        QCOMPARE(cells[first.y()][first.x()].back, QStringLiteral("#000000"));
        QCOMPARE(cells[second.y()][second.x()].back, QStringLiteral("#2A2A2A"));
        QCOMPARE(cells[last.y()][last.x()].back, QStringLiteral("#FFFFFF"));
        const CellRect selection{1, 1, 3, 2};
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 5; ++column) {
                const bool inside = selection.contains({column, row});
                QCOMPARE(cells[row][column].back.isEmpty(), !inside);
            }

        CellColors expected;
        ApplyTableGradient(expected, *p.host.selectedGradient(), {1, 1, 3, 2},
                           TableDirectionFromIndex(direction), CellTarget::Background);
        TablePageModel model = InitialTablePageModel(p.host.m_options);
        model.columns = 5;
        model.rows = 4;
        QCOMPARE(html, WriteGradientTableHtml(model, expected, p.host.m_options));
    }

    // All buttons up changes nothing; a single cell takes the last colour.
    void noDirectionAndSingleCell() {
        Page p;
        p.click("sbtbl0");
        QVERIFY(!p.get<QToolButton>("sbtbl0")->isChecked());
        p.page.selectAll();
        p.click("btntblexec");
        QVERIFY(!p.page.html().contains(QStringLiteral("BGCOLOR")));

        p.click("sbtbl1");
        p.select(2, 2, 2, 2);
        p.click("btntblexec");
        const QList<QList<Cell>> cells = Cells(p.page.html());
        QCOMPARE(cells[2][2].back, QStringLiteral("#FFFFFF"));
        QVERIFY(cells[2][1].back.isEmpty());
        QVERIFY(p.get<QPushButton>("btntblexec")->isEnabled());
        QVERIFY(p.grid->isEnabled());

        // Without a usable gradient the cells stay and the status line says why.
        p.host.m_gradient.reset();
        p.page.selectAll();
        p.click("btntblexec");
        QCOMPARE(Cells(p.page.html())[0][0].back, QString());
        QVERIFY(!p.host.m_status.currentMessage().isEmpty());
    }

    // The text target colours texts only; "セル色" always sets backgrounds.
    void textTargetAndCellColour() {
        Page p;
        p.setSize(3, 2);
        p.click("btntabeinit");
        QTest::mouseClick(p.page.findChildren<QRadioButton*>().at(1), Qt::LeftButton);
        p.page.selectAll();
        p.click("btntblexec");
        QList<QList<Cell>> cells = Cells(p.page.html());
        QCOMPARE(cells[0][0].text, QStringLiteral("#000000"));
        QCOMPARE(cells[1][2].text, QStringLiteral("#FFFFFF"));
        QVERIFY(!p.page.html().contains(QStringLiteral("BGCOLOR")));

        p.host.m_color = RgbToColor(0, 0x80, 0);
        p.select(0, 1, 1, 1);
        p.click("btntblcel");
        cells = Cells(p.page.html());
        QCOMPARE(cells[1][0].back, QStringLiteral("#008000"));
        QCOMPARE(cells[1][1].back, QStringLiteral("#008000"));
        QVERIFY(cells[1][2].back.isEmpty());
        QCOMPARE(cells[1][0].text, QStringLiteral("#7F7F7F")); // texts untouched

        // While the text page refreshes, the page's buttons do nothing.
        p.host.m_updating = true;
        p.host.m_color = RgbToColor(1, 2, 3);
        p.click("btntblcel");
        QCOMPARE(Cells(p.page.html())[1][0].back, QStringLiteral("#008000"));
        p.host.m_updating = false;

        p.click("btntabeinit");
        QVERIFY(!p.page.html().contains(QStringLiteral("COLOR")));
    }

    void tableColourToggles() {
        Page p;
        p.host.m_color = RgbToColor(0x12, 0x34, 0x56);
        // The background swatch takes the current colour while its toggle is down.
        p.click("sbtblback");
        p.clickShape("shptblback");
        QCOMPARE(OpeningTag(p.page.html()), QStringLiteral("<TABLE BGCOLOR=\"#123456\">"));
        // Up, the swatch takes the window colour as a plain value, and
        // writes it once the toggle is down again.
        p.click("sbtblback");
        QCOMPARE(OpeningTag(p.page.html()), QStringLiteral("<TABLE>"));
        p.clickShape("shptblback");
        p.click("sbtblback");
        QCOMPARE(OpeningTag(p.page.html()),
                 QStringLiteral("<TABLE BGCOLOR=\"%1\">").arg(ColorToHtml(WindowColorRgb())));
        p.click("sbtblback");

        // Border swatches take the colour whatever their toggle.
        p.clickShape("shptblkei");
        p.host.m_color = RgbToColor(0xAA, 0xBB, 0xCC);
        p.clickShape("shptblkeil");
        const QString borders =
            QStringLiteral("  BORDER=\"1\"  CELLPADDING=\"3\"  CELLSPACING=\"3\" ");
        p.click("sbtblkei");
        QCOMPARE(OpeningTag(p.page.html()),
                 QStringLiteral("<TABLE") + borders + QStringLiteral(" BORDERCOLOR=\"#123456\">"));
        p.click("sbtblkei");
        p.click("sbtblkeil");
        p.click("sbtblkeid");
        QCOMPARE(OpeningTag(p.page.html()), QStringLiteral("<TABLE") + borders +
                                                QStringLiteral(" BORDERCOLORLIGHT=\"#AABBCC\""
                                                               " BORDERCOLORDARK=\"#FFFFFF\">"));
        p.click("sbtblkeil");
        p.click("sbtblkeid");
        QCOMPARE(OpeningTag(p.page.html()), QStringLiteral("<TABLE>"));
    }

    // The CSS style puts the table colours into style attributes.
    void cssMarkupStyle() {
        Page p;
        p.host.m_options.markupstyle = MarkupStyle::Css;
        p.host.m_color = RgbToColor(0x12, 0x34, 0x56);
        p.click("sbtblback");
        p.clickShape("shptblback");
        QCOMPARE(OpeningTag(p.page.html()),
                 QStringLiteral("<TABLE STYLE=\"background-color:#123456\">"));
    }

    // A changed cell is painted in its colour, and only the changed cells
    // are repainted.
    void gridPaintsChangedCellsOnly() {
        Page p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.page));
        p.select(1, 1, 2, 1);
        QRegion painted;
        struct Recorder : QObject {
            QRegion* region;
            explicit Recorder(QRegion* r) : region(r) {}
            bool eventFilter(QObject*, QEvent* event) override {
                if (event->type() == QEvent::Paint)
                    *region += static_cast<QPaintEvent*>(event)->region();
                return false;
            }
        } recorder(&painted);
        QCoreApplication::processEvents();
        p.grid->viewport()->installEventFilter(&recorder);
        p.host.m_color = RgbToColor(255, 0, 0);
        p.get<QPushButton>("btntblcel")->click();
        QTRY_VERIFY(!painted.isEmpty());
        QVERIFY(painted.contains(p.cellCenter(1, 1)));
        QVERIFY(painted.contains(p.cellCenter(2, 1)));
        QVERIFY(!painted.contains(p.cellCenter(4, 4)));
        QVERIFY(!painted.contains(p.cellCenter(0, 1)));
        p.grid->viewport()->removeEventFilter(&recorder);

        p.select(5, 5, 5, 5);
        const QImage image = p.grid->viewport()->grab().toImage();
        const QRect cell = p.grid->visualRect(p.grid->model()->index(1, 2));
        QCOMPARE(image.pixelColor(cell.topLeft() + QPoint(4, 4)), QColor(255, 0, 0));
        const QRect plain = p.grid->visualRect(p.grid->model()->index(3, 3));
        QCOMPARE(image.pixelColor(plain.topLeft() + QPoint(4, 4)),
                 QColor(ColorRed(WindowColorRgb()), ColorGreen(WindowColorRgb()),
                        ColorBlue(WindowColorRgb())));
    }
};

QTEST_MAIN(TestTablePage)
#include "tst_tablepage.moc"
