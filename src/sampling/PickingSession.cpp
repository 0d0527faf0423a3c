#include "sampling/PickingSession.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

using Effect = PickingSession::Effect;
using State = PickingSession::State;

PickingSession::Pointer PickingSession::SystemPointer() {
    return {[] { return QPointF(QCursor::pos()); },
            [](QPointF at) {
                const QScreen* screen = QGuiApplication::screenAt(at.toPoint());
                return screen && screen->devicePixelRatio() == 1.0;
            }};
}

PickingSession::PickingSession(std::unique_ptr<ScreenSampler> live, Pointer pointer)
    : m_live(std::move(live)), m_system(std::move(pointer)) {}

void PickingSession::setSampler(std::unique_ptr<ScreenSampler> live) {
    if (live)
        m_live = std::move(live);
}

PickingSession::Effects PickingSession::pressSpoit(PickerSource source, TColor current) {
    // A second button during a drag, or a press while a screenshot is under
    // way, starts nothing new.
    if (m_state != State::Idle)
        return {};
    m_moved = false;
    m_read = false;
    m_nudge = QPoint();
    if (source == PickerSource::Portal) {
        m_state = State::Waiting;
        m_held = true;
        m_before = m_shown;
        m_previousColor = current;
        return {Effect::HideSpoit, Effect::WaitCursor, Effect::TakeScreenshot};
    }
    m_state = State::Dragging;
    return {Effect::HideSpoit, Effect::SpoitCursor, Effect::GrabSpoit};
}

PickingSession::Effects PickingSession::moveSpoit(QPointF global) {
    return m_state == State::Dragging ? moveTo(global) : Effects{};
}

PickingSession::Effects PickingSession::releaseSpoit() {
    switch (m_state) {
    case State::Dragging:
        return endDrag();
    case State::Waiting:
        m_held = false; // the picture arrives for a click
        return {};
    case State::Frozen:
        // Where the desktop keeps sending the pointer to the pressed widget.
        return releaseFrozen();
    case State::Idle:
        break;
    }
    return {};
}

PickingSession::Effects PickingSession::hideSpoit() {
    if (m_state == State::Dragging)
        return endDrag();
    if (m_state == State::Waiting)
        return endFrozen(false);
    return {};
}

PickingSession::Effects PickingSession::key(int key) {
    if (m_state != State::Dragging && m_state != State::Frozen)
        return {};
    switch (key) {
    case Qt::Key_Left:
        return step(QPoint(-1, 0));
    case Qt::Key_Right:
        return step(QPoint(1, 0));
    case Qt::Key_Up:
        return step(QPoint(0, -1));
    case Qt::Key_Down:
        return step(QPoint(0, 1));
    case Qt::Key_Escape:
        return m_state == State::Dragging ? endDrag() : endFrozen(false);
    default:
        return {};
    }
}

PickingSession::Effects PickingSession::screenshotTaken(const QImage& shot,
                                                        const QList<QRect>& screens) {
    if (m_state != State::Waiting)
        return {};
    if (screens.isEmpty() || shot.isNull())
        return screenshotFailed(PortalScreenshot::Failure::Unreadable);
    m_desktop = FrozenDesktopFor(shot, screens);
    m_frozen = std::make_unique<FrozenImageSampler>(m_desktop.picture, m_desktop.origin);
    m_state = State::Frozen;
    // Where the pointer is, as far as the desktop tells; the first move says.
    m_pointer = m_system.position();
    return {Effect::ShowFrozen, Effect::CursorToSpoit};
}

PickingSession::Effects PickingSession::screenshotFailed(PortalScreenshot::Failure reason) {
    if (m_state != State::Waiting)
        return {}; // an answer to a request given up
    m_failure = reason;
    Effects effects = endFrozen(false);
    effects.push_back(Effect::Failed);
    return effects;
}

PickingSession::Effects PickingSession::pressFrozen(QPointF global) {
    if (m_state != State::Frozen || m_held)
        return {};
    // The button was up when the picture came: this click picks.
    m_held = true;
    return moveTo(global);
}

PickingSession::Effects PickingSession::moveFrozen(QPointF global) {
    return m_state == State::Frozen ? moveTo(global) : Effects{};
}

PickingSession::Effects PickingSession::releaseFrozen() {
    return m_state == State::Frozen && m_held ? endFrozen(true) : Effects{};
}

PickingSession::Effects PickingSession::closeFrozen() {
    // Closed by the desktop: nothing else would end the picking, as the
    // grabs went with the windows.
    return m_state == State::Frozen ? endFrozen(false) : Effects{};
}

PickingSession::Effects PickingSession::moveTo(QPointF global) {
    m_pointer = global;
    m_nudge = QPoint();
    Effects effects;
    sample(effects);
    return effects;
}

PickingSession::Effects PickingSession::step(QPoint step) {
    Effects effects;
    if (!m_moved)
        m_pointer = m_system.position();
    // The screenshot cannot move the pointer, nor can the pointer reach a
    // fraction of a logical pixel: the nudge counts device pixels then.
    if (m_state == State::Dragging && m_nudge.isNull() && m_system.stepsByDevicePixel(m_pointer)) {
        m_pointer = QPointF(std::floor(m_pointer.x()), std::floor(m_pointer.y())) + QPointF(step);
        effects.push_back(Effect::MovePointer);
    } else {
        m_nudge += step;
    }
    sample(effects);
    return effects;
}

void PickingSession::sample(Effects& effects) {
    m_moved = true;
    ScreenSampler& sampler = m_frozen ? *m_frozen : *m_live;
    const std::optional<SampleGrid> grid = sampler.sample(m_pointer, m_nudge);
    if (!grid)
        return; // keep the last sample
    m_read = true;
    m_shown = ComputeEyedropperMove(*grid);
    effects.push_back(Effect::Show);
}

PickingSession::Effects PickingSession::endDrag() {
    m_state = State::Idle;
    Effects effects{Effect::ReleaseSpoit, Effect::RestoreCursor, Effect::ShowSpoit, Effect::Commit};
    if (m_moved && !m_read)
        effects.push_back(Effect::Unreadable);
    return effects;
}

PickingSession::Effects PickingSession::endFrozen(bool pick) {
    const bool frozen = m_state == State::Frozen;
    m_state = State::Idle;
    m_held = false;
    m_frozen.reset();
    m_desktop = {};
    Effects effects{frozen ? Effect::CloseFrozen : Effect::CancelScreenshot, Effect::RestoreCursor,
                    Effect::ShowSpoit};
    if (!frozen || !m_read)
        return effects; // nothing was read: the colour was never touched
    if (pick) {
        effects.push_back(Effect::Commit);
    } else {
        m_shown = m_before;
        effects.push_back(Effect::Restore);
    }
    return effects;
}
