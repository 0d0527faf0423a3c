#pragma once

#include "sampling/FrozenDesktop.h"

#include <QPointF>
#include <QWidget>

class QScreen;

// A frameless full-screen window showing one screen's part of a frozen
// desktop picture, for picking colours where the live screen cannot be read.
// It reports the pointer in global logical coordinates and passes on the
// buttons and keys; what they mean is up to the eyedropper.
class FrozenScreenWindow : public QWidget {
    Q_OBJECT
public:
    FrozenScreenWindow(const FrozenDesktop& desktop, QScreen* screen);

    QScreen* shownScreen() const { return m_screen; }

signals:
    void pointerMoved(QPointF global);
    void buttonPressed(QPointF global);
    void buttonReleased(QPointF global);
    void keyPressed(int key);
    // The desktop closed the window, and its grabs went with it.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPointF globalOf(const QMouseEvent* event) const;

    QImage m_part; // the screen's pixels, devicePixelRatio() set
    QScreen* m_screen;
};
