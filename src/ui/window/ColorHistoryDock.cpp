#include "ui/window/ColorHistoryDock.h"

#include "core/QtColor.h"
#include "ui/window/CurrentColorModel.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace {

constexpr int kSwatch = 18;
constexpr int kColumnsAtSide = 5;

QIcon SwatchIcon(TColor color) {
    QPixmap pixmap(kSwatch - 4, kSwatch - 4);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

ColorHistoryDock::ColorHistoryDock(CurrentColorModel& model, QWidget* parent)
    : QDockWidget(tr("色の履歴"), parent), m_model(model) {
    setObjectName(QStringLiteral("dckhistory"));
    toggleViewAction()->setObjectName(QStringLiteral("ac_history"));
    toggleViewAction()->setText(tr("色の履歴(&H)"));
    auto* strip = new QWidget(this);
    strip->setObjectName(QStringLiteral("pnlhistory"));
    strip->setToolTip(tr(
        "スポイト、カラーチャート、色の名前の一覧、色の設定などで選んだ色が新しい順に並びます。"));
    m_grid = new QGridLayout(strip);
    m_grid->setContentsMargins(3, 3, 3, 3);
    m_grid->setSpacing(1);
    // The grid's leftover room lies beyond the swatches, not between them.
    m_grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < int(m_swatches.size()); ++i) {
        auto* swatch = new QToolButton(strip);
        swatch->setObjectName(QStringLiteral("history%1").arg(i));
        swatch->setFixedSize(kSwatch, kSwatch);
        swatch->setIconSize(QSize(kSwatch - 4, kSwatch - 4));
        swatch->setContextMenuPolicy(Qt::CustomContextMenu);
        // Empty places keep their room: the dock, and the window with it,
        // do not change size as the history fills.
        QSizePolicy policy = swatch->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        swatch->setSizePolicy(policy);
        swatch->hide();
        connect(swatch, &QToolButton::clicked, this, [this, i] {
            if (std::size_t(i) < m_history.colors().size())
                m_model.PickCurrentColor(m_history.colors()[std::size_t(i)]);
        });
        connect(swatch, &QWidget::customContextMenuRequested, this, [this, i] { copy(i); });
        m_swatches[std::size_t(i)] = swatch;
    }

    m_clear = new QAction(tr("履歴を消去"), this);
    m_clear->setObjectName(QStringLiteral("ac_clearhistory"));
    connect(m_clear, &QAction::triggered, this, [this] {
        m_history.clear();
        showHistory();
    });
    auto* menu = new QMenu(this);
    menu->addAction(m_clear);
    m_menuButton = new QToolButton(strip);
    m_menuButton->setObjectName(QStringLiteral("btnhistorymenu"));
    m_menuButton->setAccessibleName(tr("履歴のメニュー"));
    m_menuButton->setToolTip(tr("履歴のメニュー"));
    m_menuButton->setFixedSize(kSwatch, kSwatch);
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    m_menuButton->setMenu(menu);
    strip->setContextMenuPolicy(Qt::ActionsContextMenu);
    strip->addAction(m_clear);
    setWidget(strip);

    connect(&m_model, &CurrentColorModel::picked, this, [this](TColor color) {
        m_history.add(color);
        showHistory();
    });
    connect(this, &QDockWidget::dockLocationChanged, this, &ColorHistoryDock::arrange);
    connect(this, &QDockWidget::topLevelChanged, this, &ColorHistoryDock::arrange);
    arrange();
}

void ColorHistoryDock::load(const SettingsStore& store) {
    m_history.load(store);
    showHistory();
}

void ColorHistoryDock::showHistory() {
    const std::vector<TColor>& colors = m_history.colors();
    for (std::size_t i = 0; i < m_swatches.size(); ++i) {
        QToolButton* swatch = m_swatches[i];
        if (i >= colors.size()) {
            swatch->hide();
            continue;
        }
        const QString hex = ColorToHtml(colors[i]);
        swatch->setIcon(SwatchIcon(colors[i]));
        swatch->setToolTip(hex);
        swatch->setAccessibleName(hex);
        swatch->show();
    }
    m_clear->setEnabled(!colors.empty());
}

void ColorHistoryDock::arrange() {
    const auto* window = qobject_cast<QMainWindow*>(parentWidget());
    const Qt::DockWidgetArea area =
        window && !isFloating() ? window->dockWidgetArea(this) : Qt::NoDockWidgetArea;
    const int columns = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea
                            ? kColumnsAtSide
                            : int(m_swatches.size()) + 1;
    for (int i = 0; i < int(m_swatches.size()); ++i) {
        m_grid->removeWidget(m_swatches[std::size_t(i)]);
        m_grid->addWidget(m_swatches[std::size_t(i)], i / columns, i % columns);
    }
    const int last = int(m_swatches.size());
    m_grid->removeWidget(m_menuButton);
    m_grid->addWidget(m_menuButton, last / columns, last % columns);
}

void ColorHistoryDock::copy(int index) {
    if (std::size_t(index) >= m_history.colors().size())
        return;
    const TColor color = m_history.colors()[std::size_t(index)];
    const QString text = m_notation ? m_notation(color) : ColorToHtml(color);
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}
