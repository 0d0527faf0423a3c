#pragma once

#include "sampling/SampleGrid.h"

#include <QPointF>
#include <QWidget>
#include <memory>

class CurrentColorModel;
class PictureBox;
class QSlider;
class ScreenSampler;

// The eyedropper group of the colour strip: the eyedropper image, the loupe
// with its centre marker, the averaging slider and the level strip. A press
// on the eyedropper starts a drag; every pointer move reads the 9 x 9 square
// under the pointer once and makes the level chosen by the slider current.
class Eyedropper : public QWidget {
    Q_OBJECT
public:
    explicit Eyedropper(CurrentColorModel& model, QWidget* parent = nullptr);
    ~Eyedropper() override;

    // Reads the screen by default; a picture taken by the desktop can stand in
    // where the screen cannot be read directly.
    void setSampler(std::unique_ptr<ScreenSampler> sampler);

    bool Sampling() const { return m_sampling; }
    const LevelColors& levelColors() const { return m_levels; }

signals:
    // A drag ended without a single move that could read the screen.
    void screenUnreadable();

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
};
