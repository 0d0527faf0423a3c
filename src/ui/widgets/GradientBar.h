#pragma once

#include "gradient/GradientTable.h"
#include "settings/MarkupOptions.h"

#include <QImage>
#include <QWidget>
#include <span>

// A picture a gradient is drawn into, one pixel column per axis unit. It
// starts white, and drawing leaves the columns outside the stops as they
// were, so a drawing shows through where the next one does not reach.
class GradientBar : public QWidget {
    Q_OBJECT
public:
    GradientBar(int width, int height, QWidget* parent = nullptr);

    void draw(std::span<const GradientStop> stops);
    // The space the next drawings walk in between two stops.
    void setInterpolation(GradientInterpolation interpolation) { m_interpolation = interpolation; }
    void clear();
    const QImage& image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // The bar takes its clicks so that they never reach the widget below.
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    GradientInterpolation m_interpolation = GradientInterpolation::Srgb;
};
