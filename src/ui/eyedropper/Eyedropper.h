#pragma once

#include "core/Color.h"
#include "sampling/PortalScreenshot.h"
#include "sampling/SampleGrid.h"

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <chrono>
#include <memory>
#include <vector>

class CurrentColorModel;
class FrozenScreenWindow;
class PictureBox;
class QSlider;
class ScreenSampler;

// The eyedropper group of the colour strip: the eyedropper image, the loupe
// with its centre marker, the averaging slider and the level strip. A press
// on the eyedropper starts a drag; every pointer move reads the 9 x 9 square
// under the pointer once and makes the level chosen by the slider current.
// Where the screen cannot be read (Wayland), the press asks the desktop for
// one screenshot and the drag runs over that frozen picture instead.
class Eyedropper : public QWidget {
    Q_OBJECT
public:
    explicit Eyedropper(CurrentColorModel& model, QWidget* parent = nullptr);
    ~Eyedropper() override;

    // Reads the screen by default; a picture taken by the desktop can stand in
    // where the screen cannot be read directly.
    void setSampler(std::unique_ptr<ScreenSampler> sampler);

    // How long the desktop may take to hand over a screenshot.
    void setPortalTimeout(std::chrono::milliseconds timeout);

    bool Sampling() const { return m_sampling || m_portalState != PortalState::Idle; }
    const LevelColors& levelColors() const { return m_levels; }

signals:
    // A drag ended without a single move that could read the screen.
    void screenUnreadable();
    // Why the desktop's screenshot could not be used; the colour is unchanged.
    void screenshotFailed(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void imgspoitMouseDown();
    void imgspoitMouseMove(QPointF globalPosition);
    void imgspoitMouseUp();
    void trkimglevelChange();
    // Arrow keys move the pointer, Escape ends the drag keeping the last sample.
    bool keyWhileSampling(int key);
    // Arrow keys while dragging: one device pixel, then read again.
    void nudgePointer(QPoint step);
    void sampleUnderPointer();
    int level() const;
    ScreenSampler& activeSampler();

    // The picking over a frozen screenshot.
    enum class PortalState { Idle, Waiting, Frozen };
    void portalMouseDown();
    void portalFinished(const QImage& shot);
    void portalFailed(PortalScreenshot::Failure reason);
    void frozenPressed(QPointF global);
    void frozenReleased(QPointF global);
    void frozenKey(int key);
    // Ends the picking: `pick` keeps the last sample, otherwise the colour
    // from before the press comes back.
    void endPortal(bool pick);

    CurrentColorModel& m_model;
    std::unique_ptr<ScreenSampler> m_sampler;
    PictureBox* m_imgspoit = nullptr;
    PictureBox* m_imgzoom = nullptr;
    QWidget* m_Shape1 = nullptr;
    QSlider* m_trkimglevel = nullptr;
    PictureBox* m_imglevel = nullptr;

    LevelColors m_levels{};
    bool m_sampling = false;
    // The pointer of the last move and the arrow keys' offset from it, in
    // device pixels.
    QPointF m_pointer;
    QPoint m_nudge;
    bool m_moved = false;
    bool m_read = false;

    std::unique_ptr<PortalScreenshot> m_portal; // made at the first use
    std::chrono::milliseconds m_portalTimeout = PortalScreenshot::kDefaultTimeout;
    PortalState m_portalState = PortalState::Idle;
    // What Escape brings back: the colour, levels and pictures before the press.
    TColor m_previous = 0;
    LevelColors m_previousLevels{};
    QImage m_previousLoupe;
    QImage m_previousStrip;
    bool m_buttonHeld = false; // the press on the eyedropper is not yet released
    std::unique_ptr<ScreenSampler> m_frozen;
    std::vector<std::unique_ptr<FrozenScreenWindow>> m_windows;
};
