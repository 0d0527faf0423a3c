#pragma once

#include "html/BodyModel.h"
#include "ui/pages/HtmlPage.h"

#include <QImage>
#include <array>
#include <optional>

class OpenPictureDialog;
class PictureBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

// The body page: the five colours of a BODY tag previewed on a panel, the
// role box, the presets and the background picture button. The page's
// model holds the working colours; the preview panel shows them.
class PageBody : public HtmlPage {
    Q_OBJECT
public:
    explicit PageBody(PageHost& host, QWidget* parent = nullptr);

    PageMarkup write(const TextProgress& progress = {}) const override;
    bool supports(PageAction action) const override;
    std::optional<TColor> wrapperBackground() const override;
    void start() override;
    void optionsApplied() override;
    void copy() override;
    void namedColorChosen() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts the colour into the model and onto the preview panel.
    void setWorkingColor(BodyRole role, TColor color);
    void setWorkingColors(const BodyModel& page);

    void RefreshBodyLabels();
    void btnbodygetClick();
    void lblbackcolorClick(int tag);
    void cmbbodyselChange();
    void btnbodyaddClick();
    void btnbodyedtClick();
    void btnbodydelClick();
    void btnbodybgClick();
    // Draws Image1 over Image2 from the top left corner, tile by tile.
    void tile(QImage& area) const;

    // The name box; nothing when it was cancelled.
    std::optional<QString> askPresetName();
    void refuse(const QString& message);
    // Rebuilds the preset box when it no longer lists the presets' names.
    void syncPresetBox();

    QPushButton* m_btnbodyget = nullptr;
    QToolButton* m_sbbodyconst = nullptr;
    QPushButton* m_btnbodybg = nullptr;
    QComboBox* m_cmbbody = nullptr;
    QFrame* m_pnlbody = nullptr;
    PictureBox* m_Image1 = nullptr; // hidden: the chosen picture at its own size
    PictureBox* m_Image2 = nullptr; // the tiled background picture behind the labels
    QLabel* m_lblbackcolor = nullptr;
    QLabel* m_lbltext = nullptr;
    QLabel* m_lbllink = nullptr;
    QLabel* m_lblvlink = nullptr;
    QLabel* m_lblalink = nullptr;
    std::array<QLabel*, kBodyRoleCount> m_roleLabels{}; // by role
    QLabel* m_lblbodycontrast = nullptr;
    QComboBox* m_cmbbodysel = nullptr;
    QPushButton* m_btnbodyadd = nullptr;
    QPushButton* m_btnbodyedt = nullptr;
    QPushButton* m_btnbodydel = nullptr;
    OpenPictureDialog* m_OpenPictureDialog1 = nullptr; // made when first needed
    // The colours, the toggle and the picture path (set by the background
    // picture button; empty for none, never stored).
    BodyModel m_model;
};
