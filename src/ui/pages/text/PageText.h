#pragma once

#include "ui/pages/HtmlPage.h"

#include <QTextFormat>
#include <memory>

class PageProgress;
class QComboBox;
class QPushButton;
class QTextEdit;
class QToolButton;
struct ProgramOptions;
struct StyledText;

// The gradient-text page: a rich-text editor with style toggles, font boxes
// and the buttons that colour the text.
class PageText : public HtmlPage {
    Q_OBJECT
public:
    explicit PageText(PageHost& host, QWidget* parent = nullptr);
    ~PageText() override;

    PageMarkup write(const TextProgress& progress = {}) const override;
    // A long text is written in the background behind the progress dialog.
    void writeThen(const std::function<void(const PageMarkup&)>& done) override;
    bool supports(PageAction action) const override;
    // The editor's background.
    std::optional<TColor> wrapperBackground() const override;
    void start() override;
    void optionsApplied() override;
    void cut() override;
    void copy() override;
    void paste() override;
    void selectAll() override;

    // Set while the page refreshes its style controls from the text; its
    // handlers, and the window's output, do nothing meanwhile.
    bool Updating() const override { return m_updating; }
    void SetUpdating(bool updating) { m_updating = updating; }

    // The character-set property a font choice puts on the characters: 1
    // (default) or 128 (Shift-JIS).
    static constexpr int kCharSetProperty = QTextFormat::UserProperty + 1;

private:
    void setEditorBackground(TColor color);
    void fillFontNames();
    // Whether a handler must not act: the style controls are being
    // refreshed, or a long run is under way.
    bool idle() const;
    // A style change goes to the selection, or with none to what is typed next.
    void mergeIntoTarget(const QTextCharFormat& format);
    void showStatus(const QString& text);
    // The writer on a snapshot of the text, on any thread.
    static PageMarkup WriteText(const StyledText& text, const ProgramOptions& options,
                                const TextProgress& progress);

    void BoldButtonClick();
    void ItalicButtonClick();
    void UnderlineButtonClick();
    void cmbfontnameChange();
    void cmbfontsizeChange();
    void btngratxtClick();
    void btngratxtbackClick();
    void RichEdit1SelectionChange();
    void btngratxtexecClick();

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
    bool m_updating = false;
    std::unique_ptr<PageProgress> m_progress;
};
