#pragma once

#include <QWidget>
#include <array>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

// Page 4, Color: the ten notations of the current colour. Controls are
// public, as on a designed form.
class PageColor : public QWidget {
    Q_OBJECT
public:
    explicit PageColor(QWidget* parent = nullptr);

    // The selected notation, 0..9.
    int itemIndex() const;

    QPushButton* btncolorset = nullptr;
    QGroupBox* rdocolor = nullptr;
    QButtonGroup* rdocolorItems = nullptr; // ids 0..9
    std::array<QRadioButton*, 10> rdocolorButtons{};
};
