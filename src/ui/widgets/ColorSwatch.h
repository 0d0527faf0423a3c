#pragma once

#include "core/Color.h"

#include <QWidget>

// An image filled with one colour. Until the first fill it shows nothing
// and reports white, as a fresh image does.
class ColorSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColorSwatch(QWidget* parent = nullptr);

    TColor color() const { return m_color; }
    bool isPainted() const { return m_painted; }
    void fill(TColor color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor m_color = 0xFFFFFF;
    bool m_painted = false;
};
