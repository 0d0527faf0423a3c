#include "gradient/GradientStore.h"
#include "gradient/GradientTableList.h"
#include "settings/SettingsStore.h"
#include "ui/dialogs/TfrmGradEdit.h"
#include "ui/widgets/GradientBar.h"
#include "ui/widgets/GradientMark.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Answers the editor's questions instead of the user.
class Editor : public TfrmGradEdit {
public:
    using TfrmGradEdit::TfrmGradEdit;

    QStringList refusals;
    QStringList questions;
    bool answer = true;
    std::optional<QString> name;
    std::optional<TColor> color;
    QString importPath;
    std::optional<QString> importText;
    std::optional<ExportTarget> exportTarget;
    QStringList told;

protected:
    std::optional<QString> askTableName() override { return name; }
    std::optional<TColor> askColor(TColor) override { return color; }
    void refuse(const QString& text) override { refusals << text; }
    bool ask(const QString& text) override {
        questions << text;
        return answer;
    }
    QString askImportFile() override { return importPath; }
    std::optional<QString> askImportText(const QString&) override { return importText; }
    std::optional<ExportTarget> askExportFile(const QString&) override { return exportTarget; }
    void inform(const QString& text) override { told << text; }
};

} // namespace

class TestGradEdit : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
    GradientTableList m_list;
    std::unique_ptr<Editor> m_editor;

    GradientMark* mark(int tag) const {
        return m_editor->findChild<GradientMark*>(QStringLiteral("imgmark%1").arg(tag));
    }
    QWidget* strip() const { return m_editor->findChild<QWidget*>(QStringLiteral("Panel2")); }
    QPushButton* button(const char* name) const {
        return m_editor->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QListWidget* list() const {
        return m_editor->findChild<QListWidget*>(QStringLiteral("lstgra"));
    }
    QRgb barPixel(int x) const {
        return m_editor->findChild<GradientBar*>(QStringLiteral("imggra"))->image().pixel(x, 5);
    }

    void selectTable(int row) {
        QListWidget* box = list();
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {},
                          box->visualItemRect(box->item(row)).center());
        QCOMPARE(box->currentRow(), row);
    }
    // Presses on a mark 3 pixels in, moves the pointer to each strip column
    // given (where the mark's left edge would go) and releases.
    void drag(int tag, std::initializer_list<int> positions) {
        GradientMark* m = mark(tag);
        QTest::mousePress(m, Qt::LeftButton, {}, QPoint(3, 10));
        for (int position : positions)
            QTest::mouseMove(m, m->mapFrom(strip(), QPoint(position + 3, 10)));
        QTest::mouseRelease(m, Qt::LeftButton, {}, m->mapFrom(strip(), QPoint(3, 10)));
    }
    void rightClickStrip(int x) { QTest::mouseClick(strip(), Qt::RightButton, {}, QPoint(x, 50)); }
    QList<int> shownPositions() const {
        QList<int> positions;
        for (const GradientStop& stop : m_editor->workingStops())
            positions << stop.position;
        return positions;
    }

private slots:
    void init() {
        m_store = std::make_unique<SettingsStore>(m_dir.filePath(QStringLiteral("s.ini")));
        m_list = GradientTableList();
        LoadGradientTables(*m_store, m_list);
        m_editor = std::make_unique<Editor>(m_list, nullptr);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    }
    void cleanup() {
        m_editor.reset();
        m_store.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("s.ini")));
    }

    void opensOnTheFirstTable() {
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("グラデーションエディタ"));
        QCOMPARE(list()->count(), 13);
        QCOMPARE(list()->currentRow(), 0);
        QCOMPARE(shownPositions(), (QList<int>{0, 48, 103, 151, 203, 253, 300}));
        QVERIFY(!mark(7)->isVisible());
        QCOMPARE(barPixel(48), qRgb(255, 0, 255));
        QVERIFY(!button("btnupdate")->isEnabled());
        QCOMPARE(button("btnupdate")->text(), QStringLiteral("更新(&U)"));
    }

    void dragMovesAnInnerStop() {
        drag(1, {60, 80, 100});
        QCOMPARE(mark(1)->position(), 100);
        QVERIFY(button("btnupdate")->isEnabled());
        // Redrawn on release: column 100 now holds the moved magenta stop.
        QCOMPARE(barPixel(100), qRgb(255, 0, 255));
        // Dragging onto the rightmost stop's column keeps both.
        drag(1, {300});
        QCOMPARE(shownPositions(), (QList<int>{0, 300, 103, 151, 203, 253, 300}));
    }

    void firstAndRightmostStopsStayPut() {
        drag(0, {50});
        drag(6, {200});
        QCOMPARE(shownPositions(), (QList<int>{0, 48, 103, 151, 203, 253, 300}));
        QVERIFY(!button("btnupdate")->isEnabled());
    }

    void dragOffEitherEndRemovesTheStop() {
        drag(2, {250, 302, 280});
        QVERIFY(!mark(2)->isShown());
        QVERIFY(!mark(2)->isVisible());
        drag(1, {-1});
        QVERIFY(!mark(1)->isVisible());
        QCOMPARE(shownPositions(), (QList<int>{0, 151, 203, 253, 300}));
        button("btnupdate")->click();
        QCOMPARE(m_list.slot(0).count, 5);
        QVERIFY(!button("btnupdate")->isEnabled());
    }

    void rightClickAddsAStop() {
        selectTable(2); // black, white
        QCOMPARE(shownPositions(), (QList<int>{0, 300}));
        rightClickStrip(305);
        QCOMPARE(shownPositions(), (QList<int>{0, 300, 305}));
        QCOMPARE(mark(2)->color(), TColor(0));
        QVERIFY(button("btnupdate")->isEnabled());
        // The new stop is the rightmost one now, so the old one may move.
        drag(2, {200});
        QCOMPARE(mark(2)->position(), 305);
        drag(1, {150});
        QCOMPARE(mark(1)->position(), 150);
        // Clicking the bar adds nothing.
        QTest::mouseClick(m_editor->findChild<GradientBar*>(QStringLiteral("imggra")),
                          Qt::RightButton, {}, QPoint(20, 5));
        QCOMPARE(m_editor->workingStops().size(), size_t(3));
        button("btnupdate")->click();
        QCOMPARE(m_list.slot(2).stops(),
                 (std::vector<GradientStop>{{0, 0}, {150, 0xFFFFFF}, {305, 0}}));
    }

    void hintAndPendingNoteFollowTheEdits() {
        auto* hint = m_editor->findChild<QLabel*>(QStringLiteral("lblhint"));
        auto* pending = m_editor->findChild<QLabel*>(QStringLiteral("lblpending"));
        QVERIFY(hint->text().contains(QStringLiteral("右クリック")));
        QVERIFY(!pending->isVisible());
        rightClickStrip(100);
        QVERIFY(hint->text().startsWith(QStringLiteral("追加した色は黒です")));
        QVERIFY(pending->isVisible());
        button("btnupdate")->click();
        QVERIFY(!pending->isVisible());
        // Dragged away and back, the stops equal the table again.
        drag(1, {60, 48});
        QCOMPARE(shownPositions(), (QList<int>{0, 48, 103, 151, 203, 253, 300, 100}));
        QVERIFY(!pending->isVisible());
    }

    void eleventhStopIsRefused() {
        for (int x = 10; x < 40; x += 10)
            rightClickStrip(x);
        QCOMPARE(m_editor->workingStops().size(), size_t(10));
        QVERIFY(m_editor->refusals.isEmpty());
        rightClickStrip(45);
        QCOMPARE(m_editor->refusals, QStringList{QStringLiteral("これ以上追加できません")});
        QCOMPARE(m_editor->workingStops().size(), size_t(10));
    }

    void quickDoubleRightClickAddsTwoStops() {
        selectTable(2);
        rightClickStrip(100);
        // The second press of a double click arrives as a double-click event.
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(100, 50),
                           strip()->mapToGlobal(QPointF(100, 50)), Qt::RightButton, Qt::RightButton,
                           Qt::NoModifier);
        QApplication::sendEvent(strip(), &second);
        QCOMPARE(shownPositions(), (QList<int>{0, 300, 100, 100}));
    }

    void recolourDuringADragEndsTheDrag() {
        // The colour dialog opened by the right button takes the left
        // button's release; the next press must not carry the drag on to
        // the first stop, which never moves.
        m_editor->color = RgbToColor(1, 2, 3);
        GradientMark* inner = mark(1);
        QTest::mousePress(inner, Qt::LeftButton, {}, QPoint(3, 10));
        QTest::mouseMove(inner, inner->mapFrom(strip(), QPoint(63, 10)));
        QTest::mousePress(inner, Qt::RightButton, {}, QPoint(3, 10));
        QCOMPARE(inner->color(), RgbToColor(1, 2, 3));
        GradientMark* first = mark(0);
        QTest::mousePress(first, Qt::LeftButton, {}, QPoint(3, 10));
        QTest::mouseMove(first, first->mapFrom(strip(), QPoint(53, 10)));
        QTest::mouseRelease(first, Qt::LeftButton, {}, first->mapFrom(strip(), QPoint(53, 10)));
        QCOMPARE(first->position(), 0);
        QCOMPARE(inner->position(), 60);
    }

    void recolourWithTheColourDialog() {
        m_editor->color = RgbToColor(1, 2, 3);
        QTest::mouseClick(mark(3), Qt::RightButton, {}, QPoint(3, 10));
        QCOMPARE(mark(3)->color(), RgbToColor(1, 2, 3));
        QCOMPARE(barPixel(151), qRgb(1, 2, 3));
        QVERIFY(button("btnupdate")->isEnabled());
    }

    void okKeepsTheEditsWithoutUpdating() {
        const GradientTable before = m_list.slot(0);
        drag(2, {120});
        button("btnok")->click();
        QVERIFY(!m_editor->isVisible());
        QCOMPARE(m_list.slot(0), before);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
        QCOMPARE(mark(2)->position(), 120);
        QVERIFY(button("btnupdate")->isEnabled());
        QCOMPARE(list()->currentRow(), 0);
    }

    void addDeleteAndResetAskFirst() {
        m_editor->name = QStringLiteral("mine");
        button("btnnew")->click();
        QCOMPARE(list()->currentRow(), 13);
        QCOMPARE(m_list.slot(13).stops(), m_list.slot(0).stops());
        m_editor->answer = false;
        button("btndelete")->click();
        button("btnreset")->click();
        QCOMPARE(m_editor->questions,
                 (QStringList{QStringLiteral("mine を削除してよろしいですか"),
                              QStringLiteral("グラデーションテーブルを初期化してよろしいですか")}));
        QCOMPARE(m_list.count(), 14);
        m_editor->answer = true;
        button("btnreset")->click();
        QCOMPARE(list()->count(), 13);
    }

    void importAddsATableAndExportWritesIt() {
        QFile file(m_dir.filePath(QStringLiteral("g.css")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("a { background: linear-gradient(to bottom, 黒, #fff) }");
        file.close();
        m_editor->importPath = file.fileName();
        m_editor->findChild<QAction*>(QStringLiteral("actImportFile"))->trigger();
        QCOMPARE(m_editor->refusals,
                 QStringList{
                     QStringLiteral("1 番目の linear-gradient の 1 番目の色「黒」を読めません")});
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("a { background: linear-gradient(to bottom, black, #fff) }");
        file.close();
        m_editor->findChild<QAction*>(QStringLiteral("actImportFile"))->trigger();
        QCOMPARE(list()->count(), 14);
        QCOMPARE(list()->currentItem()->text(), QStringLiteral("g"));
        QCOMPARE(shownPositions(), (QList<int>{0, 300}));
        QCOMPARE(m_editor->told,
                 QStringList{QStringLiteral(
                     "「g」を追加しました\n向きは読み込みません（テーブルは左から右）")});

        m_editor->exportTarget = {m_dir.filePath(QStringLiteral("out.css")),
                                  TfrmGradEdit::ExportFormat::Css};
        m_editor->setInterpolation(GradientInterpolation::Oklch);
        button("btnexport")->click();
        QFile out(m_editor->exportTarget->path);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), QByteArray("linear-gradient(to right in oklch shorter hue, "
                                           "#000000 0%, #FFFFFF 100%)\n"));
    }
};

QTEST_MAIN(TestGradEdit)
#include "tst_gradedit.moc"
