#include "ui/eyedropper/Eyedropper.h"

#include "sampling/FrozenDesktop.h"
#include "sampling/Loupe.h"
#include "sampling/PickerSource.h"
#include "sampling/PortalBus.h"
#include "sampling/ScreenSampler.h"
#include "sampling/SpoitCursor.h"
#include "ui/eyedropper/FrozenScreenWindow.h"
#include "ui/widgets/PictureBox.h"
#include "ui/window/CurrentColorModel.h"

#include <QApplication>
#include <QCursor>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QSlider>

#include <algorithm>
#include <cmath>

namespace {

QFrame* LoweredPanel(const char* name, QRect geometry, QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

// The outline over the loupe's centre block. A sampled loupe carries the
// outline inverted into its picture; the empty loupe shows it here, inverted
// against the panel's background.
class LoupeMarker : public QWidget {
public:
    LoupeMarker(PictureBox* loupe) : QWidget(loupe), m_loupe(loupe) {
        setObjectName(QStringLiteral("Shape1"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(LoupeMarkerRect());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (m_loupe->hasPicture())
            return;
        const QColor under = m_loupe->palette().color(QPalette::Window);
        QPainter painter(this);
        painter.setPen(QColor(255 - under.red(), 255 - under.green(), 255 - under.blue()));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    PictureBox* m_loupe;
};

} // namespace

Eyedropper::Eyedropper(CurrentColorModel& model, QWidget* parent)
    : QWidget(parent), m_model(model), m_sampler(std::make_unique<LiveScreenSampler>()) {
    setObjectName(QStringLiteral("pnlEyedropper"));
    setFixedSize(148, 77);

    QFrame* spoitPanel = LoweredPanel("pnlspoit", QRect(2, 14, 49, 49), this);
    m_imgspoit = new PictureBox(spoitPanel);
    m_imgspoit->setObjectName(QStringLiteral("imgspoit"));
    m_imgspoit->setGeometry(8, 8, kSpoitCursorSide, kSpoitCursorSide);
    m_imgspoit->setToolTip(tr("スポイト"));
    m_imgspoit->setAccessibleName(tr("スポイト"));
    m_imgspoit->setPicture(SpoitCursorImage());
    m_imgspoit->installEventFilter(this);

    QFrame* zoomPanel = LoweredPanel("pnlzoom", QRect(54, 12, 52, 52), this);
    m_imgzoom = new PictureBox(zoomPanel);
    m_imgzoom->setObjectName(QStringLiteral("imgzoom"));
    m_imgzoom->setGeometry(1, 1, kLoupeSide, kLoupeSide);
    m_imgzoom->setToolTip(tr("ルーペ"));
    m_imgzoom->setAccessibleName(tr("ルーペ"));
    m_Shape1 = new LoupeMarker(m_imgzoom);

    m_trkimglevel = new QSlider(Qt::Vertical, this);
    m_trkimglevel->setObjectName(QStringLiteral("trkimglevel"));
    m_trkimglevel->setRange(0, kLevelCount - 1);
    m_trkimglevel->setPageStep(1);
    m_trkimglevel->setSingleStep(1);
    m_trkimglevel->setTickInterval(1);
    m_trkimglevel->setTickPosition(QSlider::TicksRight);
    // Level 0 at the top, and the up key moves the handle up.
    m_trkimglevel->setInvertedAppearance(true);
    m_trkimglevel->setInvertedControls(true);
    m_trkimglevel->setToolTip(tr("色の平均化"));
    m_trkimglevel->setAccessibleName(tr("色の平均化"));
    m_trkimglevel->setGeometry(108, 7, 20, 63);
    connect(m_trkimglevel, &QSlider::valueChanged, this, &Eyedropper::trkimglevelChange);

    QFrame* levelPanel =
        LoweredPanel("pnllevel", QRect(130, 12, kLevelStripWidth + 2, kLevelStripHeight + 2), this);
    m_imglevel = new PictureBox(levelPanel);
    m_imglevel->setObjectName(QStringLiteral("imglevel"));
    m_imglevel->setGeometry(1, 1, kLevelStripWidth, kLevelStripHeight);
    m_imglevel->setAccessibleName(tr("平均化した色"));
}

Eyedropper::~Eyedropper() {
    // Never leave the application with the eyedropper pointer.
    if (m_sampling || m_portalState != PortalState::Idle)
        QApplication::restoreOverrideCursor();
    if (m_portal)
        m_portal->cancel();
}

void Eyedropper::setSampler(std::unique_ptr<ScreenSampler> sampler) {
    if (sampler)
        m_sampler = std::move(sampler);
}

void Eyedropper::setPortalTimeout(std::chrono::milliseconds timeout) {
    m_portalTimeout = timeout;
    if (m_portal && !m_portal->isBusy())
        m_portal.reset(); // made again with the new timeout
}

bool Eyedropper::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_imgspoit)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (m_portalState != PortalState::Idle)
            return true; // one screenshot at a time
        if (!m_sampling && CurrentPickerSource() == PickerSource::Portal)
            portalMouseDown();
        else
            imgspoitMouseDown();
        return true;
    case QEvent::MouseMove:
        // Qt rounds the global position of a mouse event it passes on to a
        // widget; the local one keeps the fraction that picks the device
        // pixel when a logical pixel holds several.
        imgspoitMouseMove(m_imgspoit->mapToGlobal(static_cast<QMouseEvent*>(event)->position()));
        return true;
    case QEvent::MouseButtonRelease:
        if (m_portalState == PortalState::Waiting)
            m_buttonHeld = false; // the picture arrives for a click
        else if (m_portalState == PortalState::Frozen)
            frozenReleased(m_imgspoit->mapToGlobal(static_cast<QMouseEvent*>(event)->position()));
        else
            imgspoitMouseUp();
        return true;
    case QEvent::KeyPress:
        if (m_sampling)
            return keyWhileSampling(static_cast<QKeyEvent*>(event)->key());
        break;
    case QEvent::Hide:
        // A drag cannot outlive its control, nor can a screenshot request.
        imgspoitMouseUp();
        if (m_portalState == PortalState::Waiting)
            endPortal(false);
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool Eyedropper::keyWhileSampling(int key) {
    switch (key) {
    case Qt::Key_Left:
        nudgePointer(QPoint(-1, 0));
        break;
    case Qt::Key_Right:
        nudgePointer(QPoint(1, 0));
        break;
    case Qt::Key_Up:
        nudgePointer(QPoint(0, -1));
        break;
    case Qt::Key_Down:
        nudgePointer(QPoint(0, 1));
        break;
    case Qt::Key_Escape:
        imgspoitMouseUp();
        break;
    default:
        break; // no other key reaches the window while dragging
    }
    return true;
}

void Eyedropper::imgspoitMouseDown() {
    // A second button pressed during the drag starts nothing new.
    if (m_sampling)
        return;
    m_imgspoit->clearPicture();
    m_imgspoit->repaint();
    QApplication::setOverrideCursor(SpoitCursor());
    m_imgspoit->grabMouse();
    m_imgspoit->grabKeyboard();
    m_sampling = true;
    m_moved = false;
    m_read = false;
    m_nudge = QPoint();
}

void Eyedropper::imgspoitMouseMove(QPointF globalPosition) {
    if (!m_sampling)
        return;
    m_pointer = globalPosition;
    m_nudge = QPoint();
    sampleUnderPointer();
}

void Eyedropper::nudgePointer(QPoint step) {
    if (!m_moved)
        m_pointer = QCursor::pos();
    QScreen* screen = QGuiApplication::screenAt(m_pointer.toPoint());
    if (screen && screen->devicePixelRatio() == 1.0 && m_nudge.isNull()) {
        // One device pixel is one logical pixel: move the pointer the user sees.
        m_pointer = QPointF(std::floor(m_pointer.x()), std::floor(m_pointer.y())) + QPointF(step);
        QCursor::setPos(screen, m_pointer.toPoint());
    } else {
        // A fraction of a logical pixel: the pointer cannot go there.
        m_nudge += step;
    }
    sampleUnderPointer();
}

void Eyedropper::sampleUnderPointer() {
    m_moved = true;
    const std::optional<SampleGrid> grid = activeSampler().sample(m_pointer, m_nudge);
    if (!grid)
        return; // keep the last sample
    m_read = true;
    EyedropperMove move = ComputeEyedropperMove(*grid);
    m_levels = move.levels;
    m_imgzoom->setPicture(std::move(move.loupe));
    m_imglevel->setPicture(std::move(move.levelStrip));
    m_model.SetCurrentColor(m_levels[std::size_t(level())]);
}

void Eyedropper::imgspoitMouseUp() {
    if (!m_sampling)
        return;
    m_imgspoit->releaseKeyboard();
    m_imgspoit->releaseMouse();
    m_sampling = false;
    QApplication::restoreOverrideCursor();
    m_imgspoit->setPicture(SpoitCursorImage());
    m_model.SetCurrentColor(m_levels[std::size_t(level())]);
    if (m_moved && !m_read)
        emit screenUnreadable();
}

void Eyedropper::trkimglevelChange() {
    m_model.SetCurrentColor(m_levels[std::size_t(level())]);
}

int Eyedropper::level() const {
    return std::clamp(m_trkimglevel->value(), 0, kLevelCount - 1);
}

ScreenSampler& Eyedropper::activeSampler() {
    return m_frozen ? *m_frozen : *m_sampler;
}

void Eyedropper::portalMouseDown() {
    if (!m_portal) {
        m_portal = std::make_unique<PortalScreenshot>(PortalSessionBus(), m_portalTimeout);
        connect(m_portal.get(), &PortalScreenshot::finished, this, &Eyedropper::portalFinished);
        connect(m_portal.get(), &PortalScreenshot::failed, this, &Eyedropper::portalFailed);
    }
    if (m_portal->isBusy())
        return;
    m_previous = m_model.CurrentColor();
    m_previousLevels = m_levels;
    m_previousLoupe = m_imgzoom->picture();
    m_previousStrip = m_imglevel->picture();
    m_portalState = PortalState::Waiting;
    m_buttonHeld = true;
    m_imgspoit->clearPicture();
    m_imgspoit->repaint();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_portal->take();
}

void Eyedropper::portalFailed(PortalScreenshot::Failure reason) {
    if (m_portalState != PortalState::Waiting)
        return;
    endPortal(false);
    emit screenshotFailed(PortalFailureText(reason));
}

void Eyedropper::portalFinished(const QImage& shot) {
    if (m_portalState != PortalState::Waiting)
        return;
    const QList<QScreen*> screens = QGuiApplication::screens();
    QList<QRect> geometries;
    for (const QScreen* screen : screens)
        geometries << screen->geometry();
    if (geometries.isEmpty() || shot.isNull()) {
        endPortal(false);
        emit screenshotFailed(PortalFailureText(PortalScreenshot::Failure::Unreadable));
        return;
    }
    const FrozenDesktop desktop = FrozenDesktopFor(shot, geometries);
    m_frozen = std::make_unique<FrozenImageSampler>(desktop.picture, desktop.origin);
    m_portalState = PortalState::Frozen;
    m_moved = false;
    m_read = false;
    m_nudge = QPoint();
    // Where the pointer is, as far as the desktop tells; the first move says.
    m_pointer = QCursor::pos();

    // Shown only now: earlier they would be in the screenshot.
    QScreen* under = QGuiApplication::screenAt(m_pointer.toPoint());
    FrozenScreenWindow* target = nullptr;
    for (QScreen* screen : screens) {
        auto window = std::make_unique<FrozenScreenWindow>(desktop, screen);
        connect(window.get(), &FrozenScreenWindow::pointerMoved, this, [this](QPointF global) {
            m_pointer = global;
            m_nudge = QPoint();
            sampleUnderPointer();
        });
        connect(window.get(), &FrozenScreenWindow::buttonPressed, this, &Eyedropper::frozenPressed);
        connect(window.get(), &FrozenScreenWindow::buttonReleased, this,
                &Eyedropper::frozenReleased);
        connect(window.get(), &FrozenScreenWindow::keyPressed, this, &Eyedropper::frozenKey);
        window->showFullScreen();
        if (!target || screen == under)
            target = window.get();
        m_windows.push_back(std::move(window));
    }
    QApplication::changeOverrideCursor(SpoitCursor());
    target->activateWindow();
    target->grabMouse();
    target->grabKeyboard();
}

void Eyedropper::frozenPressed(QPointF global) {
    if (m_portalState != PortalState::Frozen || m_buttonHeld)
        return;
    // The button was up when the picture came: this click picks.
    m_buttonHeld = true;
    m_pointer = global;
    m_nudge = QPoint();
    sampleUnderPointer();
}

void Eyedropper::frozenReleased(QPointF) {
    if (m_portalState == PortalState::Frozen && m_buttonHeld)
        endPortal(true);
}

void Eyedropper::frozenKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        m_nudge += QPoint(-1, 0);
        break;
    case Qt::Key_Right:
        m_nudge += QPoint(1, 0);
        break;
    case Qt::Key_Up:
        m_nudge += QPoint(0, -1);
        break;
    case Qt::Key_Down:
        m_nudge += QPoint(0, 1);
        break;
    case Qt::Key_Escape:
        endPortal(false);
        return;
    default:
        return;
    }
    // The picture cannot move the pointer; the nudge is in device pixels.
    sampleUnderPointer();
}

void Eyedropper::endPortal(bool pick) {
    if (m_portalState == PortalState::Idle)
        return;
    const bool frozen = m_portalState == PortalState::Frozen;
    if (!frozen && m_portal)
        m_portal->cancel();
    m_portalState = PortalState::Idle;
    m_buttonHeld = false;
    // The windows may be the senders of the event that ends the picking.
    for (auto& window : m_windows) {
        window->releaseKeyboard();
        window->releaseMouse();
        window->hide();
        window.release()->deleteLater();
    }
    m_windows.clear();
    m_frozen.reset();
    QApplication::restoreOverrideCursor();
    m_imgspoit->setPicture(SpoitCursorImage());
    if (!frozen || !m_read)
        return; // nothing was read: the colour was never touched
    if (pick) {
        m_model.SetCurrentColor(m_levels[std::size_t(level())]);
        return;
    }
    m_levels = m_previousLevels;
    if (m_previousLoupe.isNull())
        m_imgzoom->clearPicture();
    else
        m_imgzoom->setPicture(m_previousLoupe);
    if (m_previousStrip.isNull())
        m_imglevel->clearPicture();
    else
        m_imglevel->setPicture(m_previousStrip);
    m_model.SetCurrentColor(m_previous);
}
