#pragma once

#include <QWidget>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

// Page 2, body: the five colours of a BODY tag previewed on a panel, the
// role box, the presets and the background picture button. Controls are
// public, as on a designed form.
class PageBody : public QWidget {
    Q_OBJECT
public:
    explicit PageBody(QWidget* parent = nullptr);

    QPushButton* btnbodyget = nullptr;
    QToolButton* sbbodyconst = nullptr;
    QPushButton* btnbodybg = nullptr;
    QComboBox* cmbbody = nullptr;
    QFrame* pnlbody = nullptr;
    QLabel* Image2 = nullptr; // the tiled background picture behind the labels
    QLabel* lblbackcolor = nullptr;
    QLabel* lbltext = nullptr;
    QLabel* lbllink = nullptr;
    QLabel* lblvlink = nullptr;
    QLabel* lblalink = nullptr;
    QComboBox* cmbbodysel = nullptr;
    QPushButton* btnbodyadd = nullptr;
    QPushButton* btnbodyedt = nullptr;
    QPushButton* btnbodydel = nullptr;
};
