#include "ui/eyedropper/Eyedropper.h"

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
    : QWidget(parent), m_model(model), m_session(std::make_unique<LiveScreenSampler>()) {
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
    if (m_session.active())
        QApplication::restoreOverrideCursor();
    if (m_portal)
        m_portal->cancel();
}

void Eyedropper::setSampler(std::unique_ptr<ScreenSampler> sampler) {
    m_session.setSampler(std::move(sampler));
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
        run(m_session.pressSpoit(CurrentPickerSource(), m_model.CurrentColor()));
        return true;
    case QEvent::MouseMove:
        // Qt rounds the global position of a mouse event it passes on to a
        // widget; the local one keeps the fraction that picks the device
        // pixel when a logical pixel holds several.
        run(m_session.moveSpoit(
            m_imgspoit->mapToGlobal(static_cast<QMouseEvent*>(event)->position())));
        return true;
    case QEvent::MouseButtonRelease:
        run(m_session.releaseSpoit());
        return true;
    case QEvent::KeyPress:
        // No other key reaches the window while dragging.
        if (m_session.state() != PickingSession::State::Dragging)
            break;
        run(m_session.key(static_cast<QKeyEvent*>(event)->key()));
        return true;
    case QEvent::Hide:
        run(m_session.hideSpoit());
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Eyedropper::run(const PickingSession::Effects& effects) {
    using Effect = PickingSession::Effect;
    for (const Effect effect : effects) {
        switch (effect) {
        case Effect::HideSpoit:
            m_imgspoit->clearPicture();
            m_imgspoit->repaint();
            break;
        case Effect::ShowSpoit:
            m_imgspoit->setPicture(SpoitCursorImage());
            break;
        case Effect::SpoitCursor:
            QApplication::setOverrideCursor(SpoitCursor());
            break;
        case Effect::WaitCursor:
            QApplication::setOverrideCursor(Qt::WaitCursor);
            break;
        case Effect::CursorToSpoit:
            QApplication::changeOverrideCursor(SpoitCursor());
            break;
        case Effect::RestoreCursor:
            QApplication::restoreOverrideCursor();
            break;
        case Effect::GrabSpoit:
            m_imgspoit->grabMouse();
            m_imgspoit->grabKeyboard();
            break;
        case Effect::ReleaseSpoit:
            m_imgspoit->releaseKeyboard();
            m_imgspoit->releaseMouse();
            break;
        case Effect::TakeScreenshot:
            portal().take();
            break;
        case Effect::CancelScreenshot:
            if (m_portal)
                m_portal->cancel();
            break;
        case Effect::ShowFrozen:
            showFrozen();
            break;
        case Effect::CloseFrozen:
            closeFrozen();
            break;
        case Effect::MovePointer: {
            const QPoint at = m_session.pointer().toPoint();
            if (QScreen* screen = QGuiApplication::screenAt(at))
                QCursor::setPos(screen, at);
            break;
        }
        case Effect::Show:
            showSample();
            m_model.SetCurrentColor(levelColors()[std::size_t(level())]);
            break;
        case Effect::Commit:
            m_model.PickCurrentColor(levelColors()[std::size_t(level())]);
            break;
        case Effect::Restore:
            showSample();
            m_model.SetCurrentColor(m_session.previousColor());
            break;
        case Effect::Unreadable:
            emit screenUnreadable();
            break;
        case Effect::Failed:
            emit screenshotFailed(PortalFailureText(m_session.failure()));
            break;
        }
    }
}

void Eyedropper::showSample() {
    const EyedropperMove& shown = m_session.shown();
    if (shown.loupe.isNull())
        m_imgzoom->clearPicture();
    else
        m_imgzoom->setPicture(shown.loupe);
    if (shown.levelStrip.isNull())
        m_imglevel->clearPicture();
    else
        m_imglevel->setPicture(shown.levelStrip);
}

void Eyedropper::trkimglevelChange() {
    m_model.SetCurrentColor(levelColors()[std::size_t(level())]);
}

int Eyedropper::level() const {
    return std::clamp(m_trkimglevel->value(), 0, kLevelCount - 1);
}

PortalScreenshot& Eyedropper::portal() {
    if (!m_portal) {
        m_portal = std::make_unique<PortalScreenshot>(PortalSessionBus(), m_portalTimeout);
        connect(m_portal.get(), &PortalScreenshot::finished, this, [this](const QImage& shot) {
            QList<QRect> screens;
            for (const QScreen* screen : QGuiApplication::screens())
                screens << screen->geometry();
            run(m_session.screenshotTaken(shot, screens));
        });
        connect(
            m_portal.get(), &PortalScreenshot::failed, this,
            [this](PortalScreenshot::Failure reason) { run(m_session.screenshotFailed(reason)); });
    }
    return *m_portal;
}

void Eyedropper::showFrozen() {
    // Shown only now: earlier they would be in the screenshot.
    QScreen* under = QGuiApplication::screenAt(m_session.pointer().toPoint());
    FrozenScreenWindow* target = nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        auto window = std::make_unique<FrozenScreenWindow>(m_session.frozenDesktop(), screen);
        FrozenScreenWindow* shown = window.get();
        connect(shown, &FrozenScreenWindow::pointerMoved, this,
                [this](QPointF global) { run(m_session.moveFrozen(global)); });
        connect(shown, &FrozenScreenWindow::buttonPressed, this,
                [this](QPointF global) { run(m_session.pressFrozen(global)); });
        connect(shown, &FrozenScreenWindow::buttonReleased, this,
                [this] { run(m_session.releaseFrozen()); });
        connect(shown, &FrozenScreenWindow::keyPressed, this,
                [this](int key) { run(m_session.key(key)); });
        connect(shown, &FrozenScreenWindow::closed, this, [this] { run(m_session.closeFrozen()); });
        shown->showFullScreen();
        if (!target || screen == under)
            target = shown;
        m_windows.push_back(std::move(window));
    }
    if (!target)
        return;
    target->activateWindow();
    target->grabMouse();
    target->grabKeyboard();
}

void Eyedropper::closeFrozen() {
    // The windows may be the senders of the event that ends the picking.
    for (auto& window : m_windows) {
        window->releaseKeyboard();
        window->releaseMouse();
        window->hide();
        window.release()->deleteLater();
    }
    m_windows.clear();
}
