#pragma once

#include "ui/HtmlPage.h"

class QComboBox;
class QPushButton;
class QTextEdit;
class QToolButton;

// Page 0, gradient text: a rich-text editor with style toggles, font boxes
// and the buttons that colour the text.
class PageText : public HtmlPage {
    Q_OBJECT
public:
    explicit PageText(PageHost& host, QWidget* parent = nullptr);

    QString html() override;
    bool supports(PageAction action) const override;
    // The editor's background.
    std::optional<TColor> wrapperBackground() const override;
    void start() override;
    void optionsApplied() override;
    void cut() override;
    void copy() override;
    void paste() override;
    void selectAll() override;

private:
    void setEditorBackground(TColor color);
    void fillFontNames();

    QToolButton* m_BoldButton = nullptr;
    QToolButton* m_ItalicButton = nullptr;
    QToolButton* m_UnderlineButton = nullptr;
    QComboBox* m_cmbfontname = nullptr;
    QComboBox* m_cmbfontsize = nullptr;
    QTextEdit* m_RichEdit1 = nullptr;
    QPushButton* m_btngratxt = nullptr;
    QPushButton* m_btngratxtexec = nullptr;
    QPushButton* m_btngratxtback = nullptr;
    TColor m_editorBackground = 0xFFFFFF;
};
