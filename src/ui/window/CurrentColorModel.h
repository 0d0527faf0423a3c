#pragma once

#include "core/Color.h"

#include <QObject>

// The main window's one current colour. Every way of choosing a colour ends
// in SetCurrentColor; the displays follow `changed`, in the order they were
// connected.
class CurrentColorModel : public QObject {
    Q_OBJECT
public:
    explicit CurrentColorModel(QObject* parent = nullptr);

    // White until the first SetCurrentColor, as the unpainted swatch.
    TColor CurrentColor() const { return m_color; }
    // Emits `changed` even for the colour already current: the displays are
    // refreshed in any case.
    void SetCurrentColor(TColor color);
    // A colour the user chose as a whole (eyedropper, chart, list, entry
    // box, colour dialog, history) rather than a slider step: set, then
    // `picked` so the history can keep it.
    void PickCurrentColor(TColor color);

signals:
    void changed(TColor color);
    void picked(TColor color);

private:
    TColor m_color = 0xFFFFFF;
};
