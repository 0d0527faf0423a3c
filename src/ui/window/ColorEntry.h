#pragma once

#include "colorspace/CssColorParser.h"
#include "core/Color.h"

#include <QWidget>

class CurrentColorModel;
class QLabel;
class QLineEdit;

// A box that takes any CSS colour text typed or pasted into it, and a label
// with the current colour's CSS name or the nearest one. Pasted into the
// colour area outside a text box, a colour text is taken the same way.
class ColorEntry : public QWidget {
    Q_OBJECT
public:
    explicit ColorEntry(CurrentColorModel& model, QWidget* parent = nullptr);

    // Shows `color` in the label, and its hex in the box unless the box holds
    // text being typed or the text that chose `color`.
    void showColor(TColor color);
    // Ctrl+V with the focus in `area`, outside a text box, takes the
    // clipboard's text as a colour.
    void takePastesIn(QWidget* area);

    // Why a colour text could not be read, in the interface language.
    static QString errorText(CssColorError error);
    // Tints a colour text box and puts `reason` in its tooltip; an empty
    // reason takes the tint away and puts back `hint`. Every box that reads
    // colour texts shows its errors alike.
    static void showError(QLineEdit* edit, const QString& reason, const QString& hint);

signals:
    // For the status bar; empty clears it.
    void message(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes the colour `text` reads current; text it cannot read changes
    // nothing and marks the box.
    void enter(const QString& text);
    void pasteClipboard();

    CurrentColorModel& m_model;
    QLineEdit* m_edit = nullptr;
    QLabel* m_nearest = nullptr;
    QString m_hint;
    // Set while the box's own text makes a colour current.
    bool m_entering = false;
};
