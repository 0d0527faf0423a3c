#pragma once

#include "core/Color.h"

#include <QImage>
#include <QWidget>

// The mark picture of a stop: an 11 x 25 pointer in the stop's colour,
// outlined and shaded, on the button face.
QImage GradientMarkPicture(TColor color, QColor buttonFace);

// One stop mark on the editor's strip: its left edge points at the stop's
// column. A mark whose stop was dragged away stays visible but empty until
// the drag ends, so that it keeps the pointer until the button is released.
class GradientMark : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 11;
    static constexpr int kHeight = 25;

    GradientMark(int tag, QWidget* parent = nullptr);

    int tag() const { return m_tag; }
    TColor color() const { return m_color; }
    int position() const { return x(); }
    // True while the mark stands for a stop.
    bool isShown() const { return m_shown; }

    // Shows the mark at `position` with `color`.
    void place(int position, TColor color);
    // Frees the slot; the widget itself vanishes at once, or when
    // `keepWidget` is set only when finishRemoval() runs.
    void removeStop(bool keepWidget = false);
    void finishRemoval();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_tag;
    TColor m_color = 0;
    bool m_shown = false;
    QImage m_picture;
};
