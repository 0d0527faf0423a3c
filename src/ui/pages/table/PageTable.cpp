#include "ui/pages/table/PageTable.h"

#include "gradient/GradientTable.h"
#include "html/GradientItems.h"
#include "html/PageMarkup.h"
#include "html/TableMarkup.h"
#include "settings/ProgramOptions.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/PageProgress.h"
#include "ui/pages/table/CellGridDelegate.h"
#include "ui/widgets/ColorShape.h"
#include "ui/window/WindowColor.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The caption is as wide as its text needs, at least 24; the box follows it.
QSpinBox* SizeBox(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                  int x) {
    auto* label = new QLabel(caption, parent);
    const int labelWidth = std::max(24, label->sizeHint().width());
    label->setGeometry(x, 6, labelWidth, 20);
    auto* box = PageNumberBox(parent, name, caption, TablePageModel::kMinSize,
                              TablePageModel::kMaxSize, 7, QRect(x + labelWidth, 4, 48, 22));
    box->setToolTip(hint);
    label->setBuddy(box);
    return box;
}

QToolButton* ColorToggle(QWidget* parent, const char* name, const QString& caption,
                         const QString& hint, int x) {
    QToolButton* button = PageToggle(parent, name, caption, QRect(x, 84, 78, 22));
    button->setToolTip(hint);
    return button;
}

ColorShape* Shape(QWidget* parent, const char* name, const QString& caption, int x) {
    return PageColorShape(parent, name, caption, QRect(x, 108, 78, 12));
}

// The visiting order of a direction button: three arrows along the rows or
// down the columns, shaded from dark to light in the order they are walked.
QIcon DirectionIcon(int index) {
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool rows = index < 2;
    const bool reversed = index == 1 || index == 3;
    for (int i = 0; i < 3; ++i) {
        const int shade = 20 + 70 * i;
        painter.setPen(QPen(QColor(shade, shade, shade), 1.6));
        const int across = 3 + 6 * i;
        QPointF from, to, wing1, wing2;
        if (rows) {
            from = QPointF(reversed ? 16 : 2, across);
            to = QPointF(reversed ? 2 : 16, across);
            const double back = reversed ? 3.5 : -3.5;
            wing1 = to + QPointF(back, -2.5);
            wing2 = to + QPointF(back, 2.5);
        } else {
            // Columns are walked from the left or, reversed, from the right.
            const int x = reversed ? 15 - 6 * i : 3 + 6 * i;
            from = QPointF(x, 2);
            to = QPointF(x, 16);
            wing1 = to + QPointF(-2.5, -3.5);
            wing2 = to + QPointF(2.5, -3.5);
        }
        painter.drawLine(from, to);
        painter.drawLine(to, wing1);
        painter.drawLine(to, wing2);
    }
    return QIcon(pixmap);
}

} // namespace

PageTable::PageTable(PageHost& host, QWidget* parent)
    : HtmlPage(host, parent), m_cells(std::make_unique<CellColors>()),
      m_progress(std::make_unique<PageProgress>(host, this)) {
    // "縦:" counts the columns and "横:" the rows.
    m_SpinEdit1 = SizeBox(this, "SpinEdit1", tr("縦:"), tr("テーブルの大きさ"), 4);
    m_SpinEdit2 = SizeBox(this, "SpinEdit2", tr("横:"), tr("テーブルの大きさ"),
                          std::max(80, m_SpinEdit1->geometry().right() + 5));
    connect(m_SpinEdit1, &QSpinBox::valueChanged, this, [this](int value) {
        m_model.columns = value;
        m_DrawGrid1->setColumnCount(value);
    });
    connect(m_SpinEdit2, &QSpinBox::valueChanged, this, [this](int value) {
        m_model.rows = value;
        m_DrawGrid1->setRowCount(value);
    });

    m_btntabeinit =
        PageButton(this, "btntabeinit", tr("初期化"),
                   QRect(std::max(160, m_SpinEdit2->geometry().right() + 5), 4, 60, 22));
    connect(m_btntabeinit, &QPushButton::clicked, this, &PageTable::btntabeinitClick);

    m_rdotabletarget = new QGroupBox(tr("ターゲット"), this);
    m_rdotabletarget->setObjectName(QStringLiteral("rdotabletarget"));
    m_rdotabletarget->setGeometry(4, 28, 170, 50);
    auto* targetLayout = new QHBoxLayout(m_rdotabletarget);
    targetLayout->setContentsMargins(6, 2, 6, 2);
    m_rdotabletargetItems = PageRadioGroup(m_rdotabletarget, {tr("セル背景"), tr("テキスト")});
    for (QAbstractButton* radio : m_rdotabletargetItems->buttons())
        targetLayout->addWidget(radio);
    m_rdotabletargetItems->button(int(CellTarget::Background))->setChecked(true);

    m_btntblexec =
        PageButton(this, "btntblexec", tr("グラデーション効果"), QRect(180, 34, 120, 25));
    connect(m_btntblexec, &QPushButton::clicked, this, &PageTable::btntblexecClick);

    // One group in which all four may be up: a plain exclusive group would
    // keep one down, so the page releases the others itself.
    const QString directionNames[4] = {tr("行ごとに左から右へ"), tr("行ごとに右から左へ"),
                                       tr("列ごとに上から下へ（左の列から）"),
                                       tr("列ごとに上から下へ（右の列から）")};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("sbtbl%1").arg(i));
        button->setIcon(DirectionIcon(i));
        button->setToolTip(tr("グラデーションの方向"));
        button->setAccessibleName(directionNames[i]);
        button->setCheckable(true);
        // Some styles draw a pressed tool button much like a released one.
        button->setStyleSheet(QStringLiteral(
            "QToolButton { border: 1px solid palette(mid); background: palette(button); } "
            "QToolButton:checked { border: 2px solid palette(highlight); "
            "background: palette(midlight); }"));
        button->setGeometry(306 + (i % 2) * 24, 28 + (i / 2) * 24, 23, 23);
        connect(button, &QToolButton::toggled, this,
                [this, i](bool down) { sbtblToggled(i, down); });
        m_sbtbl[size_t(i)] = button;
    }
    m_sbtbl[0]->setChecked(true);

    m_btntblcel = PageButton(this, "btntblcel", tr("セル色"), QRect(4, 84, 54, 36));
    m_btntblcel->setToolTip(tr("セル色を設定します"));
    connect(m_btntblcel, &QPushButton::clicked, this, &PageTable::btntblcelClick);

    m_sbtblback = ColorToggle(this, "sbtblback", tr("背景色"), tr("背景色を有効にします"), 62);
    m_sbtblkei = ColorToggle(this, "sbtblkei", tr("枠線の色"), tr("枠線の色を有効にします"), 142);
    m_sbtblkeil =
        ColorToggle(this, "sbtblkeil", tr("枠線の明色"), tr("枠線の明色を有効にします"), 222);
    m_sbtblkeid =
        ColorToggle(this, "sbtblkeid", tr("枠線の影色"), tr("枠線の影色を有効にします"), 302);
    m_shptblback = Shape(this, "shptblback", tr("背景色"), 62);
    m_shptblkei = Shape(this, "shptblkei", tr("枠線の色"), 142);
    m_shptblkeil = Shape(this, "shptblkeil", tr("枠線の明色"), 222);
    m_shptblkeid = Shape(this, "shptblkeid", tr("枠線の影色"), 302);
    const std::array<QToolButton*, 4> toggles = {m_sbtblback, m_sbtblkei, m_sbtblkeil, m_sbtblkeid};
    const std::array<ColorShape*, 4> shapes = {m_shptblback, m_shptblkei, m_shptblkeil,
                                               m_shptblkeid};
    const std::array<TableColorSwitch*, 4> switches = {&m_model.background, &m_model.border,
                                                       &m_model.borderLight, &m_model.borderDark};
    for (size_t i = 0; i < switches.size(); ++i) {
        TableColorSwitch* color = switches[i];
        connect(toggles[i], &QToolButton::toggled, this, [color](bool on) { color->on = on; });
        connect(shapes[i], &ColorShape::colorChanged, this,
                [color](TColor value) { color->color = value; });
        if (shapes[i] != m_shptblback)
            connect(shapes[i], &ColorShape::pressed, this,
                    [this, shape = shapes[i]] { shptblColorMouseDown(shape); });
    }
    connect(m_shptblback, &ColorShape::pressed, this, &PageTable::shptblbackMouseDown);

    m_DrawGrid1 = new QTableWidget(7, 7, this);
    m_DrawGrid1->setObjectName(QStringLiteral("DrawGrid1"));
    m_DrawGrid1->setAccessibleName(tr("テーブル"));
    // The arrow keys move between cells; Tab leaves the grid.
    m_DrawGrid1->setTabKeyNavigation(false);
    m_DrawGrid1->horizontalHeader()->hide();
    m_DrawGrid1->verticalHeader()->hide();
    m_DrawGrid1->horizontalHeader()->setMinimumSectionSize(1);
    m_DrawGrid1->verticalHeader()->setMinimumSectionSize(1);
    m_DrawGrid1->horizontalHeader()->setDefaultSectionSize(50);
    m_DrawGrid1->verticalHeader()->setDefaultSectionSize(20);
    m_DrawGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_DrawGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_DrawGrid1->setGeometry(4, 126, 376, 160);
    m_gridPainter = new CellGridDelegate(*m_cells, m_DrawGrid1);
    m_gridPainter->setBackground(WindowColorRgb());
    m_gridPainter->setCellText(host.options().tblchar);
    m_DrawGrid1->setItemDelegate(m_gridPainter);
    m_DrawGrid1->setCurrentCell(0, 0);
}

PageTable::~PageTable() = default;

PageMarkup PageTable::write(const TextProgress&) const {
    TablePageModel page = m_model;
    page.cellText = host().options().tblchar;
    return {WriteTableMarkup(page, *m_cells, host().options()), {}};
}

bool PageTable::supports(PageAction action) const {
    return action == PageAction::SelectAll || action == PageAction::HtmlCopy;
}

std::optional<TColor> PageTable::wrapperBackground() const {
    return host().options().viewback;
}

void PageTable::start() {
    m_cells->clear();
    optionsApplied();
}

void PageTable::optionsApplied() {
    m_gridPainter->setCellText(host().options().tblchar);
    m_DrawGrid1->viewport()->update();
}

void PageTable::selectAll() {
    m_DrawGrid1->selectAll();
}

void PageTable::resizeEvent(QResizeEvent* event) {
    HtmlPage::resizeEvent(event);
    m_DrawGrid1->setGeometry(4, 126, std::max(376, width() - 8), std::max(160, height() - 130));
}

void PageTable::btntabeinitClick() {
    if (host().Updating())
        return;
    m_cells->clear();
    // Texts go as well, so the whole grid changes.
    m_DrawGrid1->viewport()->update();
}

void PageTable::btntblcelClick() {
    if (host().Updating())
        return;
    repaintCells(m_cells->fillBackground(selectedRect(), host().CurrentColor()));
}

void PageTable::btntblexecClick() {
    if (host().Updating())
        return;
    const GradientTable* gradient = host().selectedGradient();
    if (!gradient || !CanWalkGradient(*gradient)) {
        if (QStatusBar* status = host().statusLine())
            status->showMessage(tr("グラデーションには2色以上が必要です"), 5000);
        return;
    }
    if (direction() == TableDirection::None) {
        if (QStatusBar* status = host().statusLine())
            status->showMessage(tr("グラデーションの方向を選んでください（方向ボタンがすべて"
                                   "オフです）"),
                                5000);
        return;
    }
    // The walk colours a copy of the cells; the grid takes it when it is done.
    struct Run {
        CellColors cells;
        CellChanges changes;
    };
    auto run = std::make_shared<Run>(Run{*m_cells, {}});
    const CellRect rect = selectedRect();
    m_progress->start(
        rect.cellCount(),
        [run, table = *gradient, rect, direction = direction(), target = target(),
         interpolation = host().options().interpolation](const TextProgress&) {
            run->changes =
                ApplyTableGradient(run->cells, table, rect, direction, target, interpolation);
        },
        [this, run](bool completed) {
            if (!completed)
                return;
            *m_cells = run->cells;
            repaintCells(run->changes);
        });
}

void PageTable::sbtblToggled(int index, bool down) {
    if (!down)
        return;
    for (int i = 0; i < 4; ++i) {
        if (i != index && m_sbtbl[size_t(i)]->isChecked()) {
            const QSignalBlocker blocker(m_sbtbl[size_t(i)]);
            m_sbtbl[size_t(i)]->setChecked(false);
        }
    }
}

void PageTable::shptblbackMouseDown() {
    if (host().Updating())
        return;
    // Held as plain RGB, so the markup can write the window colour as well.
    const TColor color = m_sbtblback->isChecked() ? host().CurrentColor() : WindowColorRgb();
    m_shptblback->setColor(color);
    m_gridPainter->setBackground(color);
    m_DrawGrid1->viewport()->update();
}

void PageTable::shptblColorMouseDown(ColorShape* shape) {
    if (!host().Updating())
        shape->setColor(host().CurrentColor());
}

CellRect PageTable::selectedRect() const {
    const QList<QTableWidgetSelectionRange> ranges = m_DrawGrid1->selectedRanges();
    if (ranges.isEmpty()) {
        const QModelIndex current = m_DrawGrid1->currentIndex();
        if (!current.isValid())
            return {0, 0, -1, -1};
        return {current.column(), current.row(), current.column(), current.row()};
    }
    CellRect rect{ranges.first().leftColumn(), ranges.first().topRow(),
                  ranges.first().rightColumn(), ranges.first().bottomRow()};
    for (const QTableWidgetSelectionRange& range : ranges) {
        rect.left = std::min(rect.left, range.leftColumn());
        rect.top = std::min(rect.top, range.topRow());
        rect.right = std::max(rect.right, range.rightColumn());
        rect.bottom = std::max(rect.bottom, range.bottomRow());
    }
    return rect;
}

TableDirection PageTable::direction() const {
    for (int i = 0; i < 4; ++i)
        if (m_sbtbl[size_t(i)]->isChecked())
            return TableDirectionFromIndex(i);
    return TableDirection::None;
}

CellTarget PageTable::target() const {
    return m_rdotabletargetItems->checkedId() == int(CellTarget::Text) ? CellTarget::Text
                                                                       : CellTarget::Background;
}

void PageTable::repaintCells(const CellChanges& changes) {
    if (changes.isEmpty())
        return;
    QAbstractItemModel* model = m_DrawGrid1->model();
    const int rows = m_DrawGrid1->rowCount();
    const int columns = m_DrawGrid1->columnCount();
    QWidget* viewport = m_DrawGrid1->viewport();
    const CellRect bounds = changes.bounds();
    // A full rectangle goes as one area, anything else cell by cell.
    if (int(changes.cells.size()) == bounds.cellCount()) {
        const int right = std::min(bounds.right, columns - 1);
        const int bottom = std::min(bounds.bottom, rows - 1);
        if (bounds.left > right || bounds.top > bottom)
            return;
        viewport->update(m_DrawGrid1->visualRect(model->index(bounds.top, bounds.left)) |
                         m_DrawGrid1->visualRect(model->index(bottom, right)));
        return;
    }
    for (const CellPos& cell : changes.cells)
        if (cell.column < columns && cell.row < rows)
            viewport->update(m_DrawGrid1->visualRect(model->index(cell.row, cell.column)));
}
