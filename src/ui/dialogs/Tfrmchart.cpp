#include "ui/dialogs/Tfrmchart.h"

#include "ui/widgets/JapaneseFontFallback.h"
#include "ui/widgets/PictureBox.h"
#include "ui/window/CurrentColorModel.h"

#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

Tfrmchart::Tfrmchart(CurrentColorModel& model, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_model(model) {
    setObjectName(QStringLiteral("frmchart"));
    setWindowTitle(tr("カラーチャート"));

    // A window made smaller than the chart scrolls it.
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(false);
    scroll->setBackgroundRole(QPalette::Base);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    m_Image1 = new PictureBox;
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->setMouseTracking(true);
    m_Image1->installEventFilter(this);
    scroll->setWidget(m_Image1);

    m_chartFont.setFamilies(FirstInstalledFamily(
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
         QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("DejaVu Sans Mono")}));
    m_chartFont.setStyleHint(QFont::Monospace);
    m_chartFont.setPointSize(9);
    move(316, 112);
}

void Tfrmchart::DrawChart() {
    m_ready = false;
    m_highlighted.reset();
    // The cells follow the font the machine has, so labels never overlap.
    m_geometry = ChartGeometryFor(QFontMetrics(m_chartFont));
    m_Image1->setFixedSize(ChartImageSize(m_geometry));
    m_Image1->setPicture(::DrawChart(m_chartFont, m_geometry));
    // Until a placement is restored the window fits the chart, or the
    // screen when the chart is larger; it scrolls then.
    if (!testAttribute(Qt::WA_Resized))
        resize(screen() ? m_Image1->size().boundedTo(screen()->availableSize()) : m_Image1->size());
    m_ready = true;
}

bool Tfrmchart::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_Image1) {
        if (event->type() == QEvent::MouseMove)
            Image1MouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
        else if (event->type() == QEvent::MouseButtonPress ||
                 event->type() == QEvent::MouseButtonDblClick)
            Image1MouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
    }
    return QWidget::eventFilter(watched, event);
}

void Tfrmchart::Image1MouseMove(QPoint position) {
    if (!m_ready)
        return;
    const ChartHighlightChange change =
        ChartPointerMoved(m_highlighted, CellAtPoint(position, m_geometry));
    if (change.unhighlight)
        drawLabel(*change.unhighlight, false);
    if (change.highlight)
        drawLabel(*change.highlight, true);
    m_highlighted = change.highlighted;
}

void Tfrmchart::Image1MouseDown(QPoint position) {
    if (!m_ready)
        return;
    if (const auto color = ChartColorAtPoint(position, m_geometry))
        m_model.PickCurrentColor(*color);
}

void Tfrmchart::drawLabel(const ChartCell& cell, bool highlighted) {
    DrawChartLabel(m_Image1->editPicture(), m_chartFont, cell, highlighted);
    m_Image1->update(QRect(cell.origin, QSize(m_geometry.cellWidth, m_geometry.rowHeight)));
}

void Tfrmchart::showEvent(QShowEvent* event) {
    // Measured and drawn once, when first shown: a chart never opened costs
    // neither the time nor the memory of its font and picture at start.
    if (!m_ready)
        DrawChart();
    QWidget::showEvent(event);
    if (!event->spontaneous())
        emit visibilityChanged(true);
}

void Tfrmchart::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Minimising hides spontaneously; the chart is still shown then.
    if (!event->spontaneous())
        emit visibilityChanged(false);
}
