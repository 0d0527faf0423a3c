#pragma once

#include "ui/HtmlPage.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

// Page 2, body: the five colours of a BODY tag previewed on a panel, the
// role box, the presets and the background picture button.
class PageBody : public HtmlPage {
    Q_OBJECT
public:
    explicit PageBody(PageHost& host, QWidget* parent = nullptr);

    QString html() override;
    bool supports(PageAction action) const override;
    std::optional<TColor> wrapperBackground() const override;
    void start() override;
    void optionsApplied() override;
    void copy() override;
    void namedColorChosen() override;

private:
    QPushButton* m_btnbodyget = nullptr;
    QToolButton* m_sbbodyconst = nullptr;
    QPushButton* m_btnbodybg = nullptr;
    QComboBox* m_cmbbody = nullptr;
    QFrame* m_pnlbody = nullptr;
    QLabel* m_Image2 = nullptr; // the tiled background picture behind the labels
    QLabel* m_lblbackcolor = nullptr;
    QLabel* m_lbltext = nullptr;
    QLabel* m_lbllink = nullptr;
    QLabel* m_lblvlink = nullptr;
    QLabel* m_lblalink = nullptr;
    QComboBox* m_cmbbodysel = nullptr;
    QPushButton* m_btnbodyadd = nullptr;
    QPushButton* m_btnbodyedt = nullptr;
    QPushButton* m_btnbodydel = nullptr;
};
