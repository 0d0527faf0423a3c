#pragma once

#include "core/Color.h"

#include <QWidget>

// A framed colour sample: a black outline around a solid fill (white until set).
class ColorShape : public QWidget {
    Q_OBJECT
public:
    explicit ColorShape(QWidget* parent = nullptr);

    TColor color() const { return m_color; }
    void setColor(TColor color);

signals:
    void colorChanged(TColor color);
    // The left button went down on the sample.
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TColor m_color = 0xFFFFFF;
};
