#pragma once

#include "sampling/FrozenDesktop.h"
#include "sampling/Loupe.h"
#include "sampling/PickerSource.h"
#include "sampling/PortalScreenshot.h"
#include "sampling/ScreenSampler.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

// One use of the eyedropper, from the press on its image to the end, with no
// widgets: the widget passes events in and carries out the effects that come
// back, in their order.
//
// Where the screen can be read, the press starts a drag that reads the screen
// at every move until the release or Escape, both keeping the last sample.
// Elsewhere the press asks the desktop for a screenshot and the picking runs
// over that frozen picture: a release picks if the button was held since the
// press on the eyedropper or pressed on the picture; Escape, a failure or the
// desktop closing the picture brings back what was shown before the press.
class PickingSession {
    Q_GADGET
public:
    enum class State {
        Idle,
        Dragging, // over the live screen, mouse and keyboard grabbed by the eyedropper
        Waiting,  // for the desktop's screenshot
        Frozen,   // over the screenshot, shown full-screen
    };
    Q_ENUM(State)

    enum class Effect {
        HideSpoit,     // empty the eyedropper's image while it is in use
        ShowSpoit,     // and show it again
        SpoitCursor,   // set the application-wide eyedropper pointer
        WaitCursor,    // set the busy pointer
        CursorToSpoit, // turn the busy pointer into the eyedropper
        RestoreCursor, // unset the pointer set before
        GrabSpoit,     // mouse and keyboard to the eyedropper's image
        ReleaseSpoit,
        TakeScreenshot,
        CancelScreenshot, // no answer may arrive afterwards
        ShowFrozen,       // frozenDesktop() over every screen, grabbing mouse and keyboard
        CloseFrozen,
        MovePointer, // the system pointer to pointer()
        Show,        // the loupe and strip of shown(), the slider's level current
        Commit,      // the slider's level of levels() current
        Restore,     // shown() is back from before the press; previousColor() current
        Unreadable,  // the drag moved but not one move could read the screen
        Failed,      // the screenshot cannot be used, for failure()
    };
    Q_ENUM(Effect)
    using Effects = std::vector<Effect>;

    // The system pointer: where it is, and whether moving it one logical pixel
    // at `at` is a step of one device pixel.
    struct Pointer {
        std::function<QPointF()> position;
        std::function<bool(QPointF)> stepsByDevicePixel;
    };
    // The real one; needs a QGuiApplication.
    static Pointer SystemPointer();

    explicit PickingSession(std::unique_ptr<ScreenSampler> live, Pointer pointer = SystemPointer());

    void setSampler(std::unique_ptr<ScreenSampler> live);

    // The eyedropper's image. `current` is the colour that Escape over a
    // screenshot brings back.
    Effects pressSpoit(PickerSource source, TColor current);
    Effects moveSpoit(QPointF global);
    Effects releaseSpoit();
    // The image is hidden: a drag or a screenshot request cannot outlive it.
    Effects hideSpoit();

    // Arrow keys step one device pixel; Escape ends the picking.
    Effects key(int key);

    Effects screenshotTaken(const QImage& shot, const QList<QRect>& screens);
    Effects screenshotFailed(PortalScreenshot::Failure reason);

    // The full-screen windows over the screenshot.
    Effects pressFrozen(QPointF global);
    Effects moveFrozen(QPointF global);
    Effects releaseFrozen();
    Effects closeFrozen();

    State state() const { return m_state; }
    bool active() const { return m_state != State::Idle; }
    // Global logical position, and the device pixels the sample lies beside it.
    QPointF pointer() const { return m_pointer; }
    QPoint nudge() const { return m_nudge; }
    const EyedropperMove& shown() const { return m_shown; }
    const LevelColors& levels() const { return m_shown.levels; }
    TColor previousColor() const { return m_previousColor; }
    PortalScreenshot::Failure failure() const { return m_failure; }
    const FrozenDesktop& frozenDesktop() const { return m_desktop; }

private:
    Effects moveTo(QPointF global);
    Effects step(QPoint step);
    void sample(Effects& effects);
    Effects endDrag();
    // `pick` keeps the last sample of the screenshot, otherwise what was
    // shown before the press comes back.
    Effects endFrozen(bool pick);

    std::unique_ptr<ScreenSampler> m_live;
    Pointer m_system;
    State m_state = State::Idle;
    QPointF m_pointer;
    QPoint m_nudge;
    bool m_moved = false;    // sampled since the press or the screenshot
    bool m_read = false;     // and the sampler answered
    bool m_held = false;     // a button is down that a release picks with
    EyedropperMove m_shown;  // levels all black and no pictures before the first read
    EyedropperMove m_before; // what Escape over a screenshot brings back
    TColor m_previousColor = 0;
    PortalScreenshot::Failure m_failure = PortalScreenshot::Failure::Failed;
    FrozenDesktop m_desktop;
    std::unique_ptr<ScreenSampler> m_frozen;
};
