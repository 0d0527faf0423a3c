#pragma once

#include "sampling/PickingSession.h"

#include <QWidget>
#include <chrono>
#include <memory>
#include <vector>

class CurrentColorModel;
class FrozenScreenWindow;
class PictureBox;
class QSlider;

// The eyedropper group of the colour strip: the eyedropper image, the loupe
// with its centre marker, the averaging slider and the level strip. A press
// on the eyedropper starts a drag; every pointer move reads the 9 x 9 square
// under the pointer once and makes the level chosen by the slider current.
// Where the screen cannot be read (Wayland), the press asks the desktop for
// one screenshot and the drag runs over that frozen picture instead. The
// picking itself is PickingSession's; the widget shows and forwards events.
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

    bool Sampling() const { return m_session.active(); }
    const LevelColors& levelColors() const { return m_session.levels(); }

signals:
    // A drag ended without a single move that could read the screen.
    void screenUnreadable();
    // Why the desktop's screenshot could not be used; the colour is unchanged.
    void screenshotFailed(const QString& message);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Carries out what the session asks for.
    void run(const PickingSession::Effects& effects);
    void showSample();
    void showFrozen();
    void closeFrozen();
    void trkimglevelChange();
    PortalScreenshot& portal();
    int level() const;

    CurrentColorModel& m_model;
    PictureBox* m_imgspoit = nullptr;
    PictureBox* m_imgzoom = nullptr;
    QWidget* m_Shape1 = nullptr;
    QSlider* m_trkimglevel = nullptr;
    PictureBox* m_imglevel = nullptr;

    PickingSession m_session;
    std::unique_ptr<PortalScreenshot> m_portal; // made at the first use
    std::chrono::milliseconds m_portalTimeout = PortalScreenshot::kDefaultTimeout;
    std::vector<std::unique_ptr<FrozenScreenWindow>> m_windows;
};
