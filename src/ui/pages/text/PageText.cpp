#include "ui/pages/text/PageText.h"

#include "core/QtColor.h"
#include "gradient/GradientTable.h"
#include "html/GradientTextFont.h"
#include "html/GradientTextWriter.h"
#include "html/PageMarkup.h"
#include "html/TextChars.h"
#include "html/TextGradient.h"
#include "richtext/GradientTextDocument.h"
#include "settings/ProgramOptions.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/PageProgress.h"
#include "ui/widgets/JapaneseFontFallback.h"

#include <QComboBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

// The gradient effect's snapshot of the page, coloured by the worker.
struct EffectRun {
    DocumentText text;
    std::optional<GradientTable> table;
    PositionRange selection;
    TextGradientResult result;
};

// The writer's snapshot of the page and its output.
struct WriteRun {
    StyledText text;
    ProgramOptions options;
    PageMarkup markup;
};

// The first names of the entries, which the characters are set in.
QStringList FirstFontNames(const QStringList& fonttable) {
    QStringList names{kDefaultTextFont};
    for (const QString& entry : fonttable)
        names << FontNameOfEntry(entry);
    return names;
}

QToolButton* StyleToggle(QWidget* parent, const char* name, const char* letter, const QString& hint,
                         int x) {
    QToolButton* button =
        PageToggle(parent, name, QString::fromLatin1(letter), QRect(x, 4, 23, 22));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    return button;
}

} // namespace

PageText::PageText(PageHost& host, QWidget* parent)
    : HtmlPage(host, parent), m_progress(std::make_unique<PageProgress>(host, this)) {
    m_BoldButton = StyleToggle(this, "BoldButton", "B", tr("太字"), 4);
    QFont bold = m_BoldButton->font();
    bold.setBold(true);
    m_BoldButton->setFont(bold);
    m_ItalicButton = StyleToggle(this, "ItalicButton", "I", tr("斜体"), 28);
    QFont italic = m_ItalicButton->font();
    italic.setItalic(true);
    m_ItalicButton->setFont(italic);
    m_UnderlineButton = StyleToggle(this, "UnderlineButton", "U", tr("下線"), 52);
    QFont underline = m_UnderlineButton->font();
    underline.setUnderline(true);
    m_UnderlineButton->setFont(underline);

    m_cmbfontname = PageComboBox(this, "cmbfontname", tr("フォント名"), QRect(80, 4, 190, 22));
    m_cmbfontname->setToolTip(tr("フォント名"));

    m_cmbfontsize = PageComboBox(this, "cmbfontsize", tr("フォントサイズ"), QRect(274, 4, 104, 22));
    m_cmbfontsize->setToolTip(tr("フォントサイズ"));
    m_cmbfontsize->addItems(FontSizeItems());

    m_RichEdit1 = new QTextEdit(this);
    m_RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    m_RichEdit1->setAccessibleName(tr("グラデーションテキスト"));
    // Tab goes on to the next control, as everywhere else in the window.
    m_RichEdit1->setTabChangesFocus(true);
    // The documents and the markup name this font; the screen draws it with
    // what the machine has (see SubstituteMissingJapaneseFonts).
    SubstituteMissingJapaneseFonts({kDefaultTextFont});
    QFont editorFont(kDefaultTextFont);
    editorFont.setPointSizeF(kDefaultTextPoints);
    m_RichEdit1->setFont(editorFont);
    m_RichEdit1->document()->setDefaultFont(editorFont);
    QPalette white = m_RichEdit1->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_RichEdit1->setPalette(white);
    m_RichEdit1->setGeometry(4, 30, 374, 220);

    m_btngratxt = PageButton(this, "btngratxt", tr("テキスト色"), QRect(4, 256, 120, 25));
    m_btngratxtexec =
        PageButton(this, "btngratxtexec", tr("グラデーション効果"), QRect(131, 256, 120, 25));
    m_btngratxtback = PageButton(this, "btngratxtback", tr("背景色"), QRect(258, 256, 120, 25));

    connect(m_BoldButton, &QToolButton::clicked, this, &PageText::BoldButtonClick);
    connect(m_ItalicButton, &QToolButton::clicked, this, &PageText::ItalicButtonClick);
    connect(m_UnderlineButton, &QToolButton::clicked, this, &PageText::UnderlineButtonClick);
    // Programmatic changes reach the handlers too; m_updating keeps the
    // refresh from the selection out of them.
    connect(m_cmbfontname, &QComboBox::currentIndexChanged, this, &PageText::cmbfontnameChange);
    connect(m_cmbfontsize, &QComboBox::currentIndexChanged, this, &PageText::cmbfontsizeChange);
    connect(m_btngratxt, &QPushButton::clicked, this, &PageText::btngratxtClick);
    connect(m_btngratxtback, &QPushButton::clicked, this, &PageText::btngratxtbackClick);
    connect(m_btngratxtexec, &QPushButton::clicked, this, &PageText::btngratxtexecClick);
    connect(m_RichEdit1, &QTextEdit::cursorPositionChanged, this,
            &PageText::RichEdit1SelectionChange);
    connect(m_RichEdit1, &QTextEdit::selectionChanged, this, &PageText::RichEdit1SelectionChange);
    // "No text" is wrong as soon as there is some.
    connect(m_RichEdit1, &QTextEdit::textChanged, this, [this] {
        QStatusBar* status = this->host().statusLine();
        if (status && !m_RichEdit1->document()->isEmpty() &&
            status->currentMessage() == TextGradientStatusMessage(TextGradientStatus::EmptyText))
            status->clearMessage();
    });
}

PageText::~PageText() = default;

PageMarkup PageText::write(const TextProgress& progress) const {
    if (!idle())
        return {};
    return WriteText(StyledTextFromDocument(*m_RichEdit1->document()).text, host().options(),
                     progress);
}

PageMarkup PageText::WriteText(const StyledText& text, const ProgramOptions& options,
                               const TextProgress& progress) {
    if (text.chars.empty())
        return {};
    // Stopped it is empty: the clipboard stays.
    PageMarkup markup{WriteGradientTextMarkup(text, options, progress), {}};
    if (!markup.html.isEmpty() && HasForbiddenHtmlChars(text))
        markup.message = tr("HTML に書けない制御文字を除きました");
    return markup;
}

void PageText::writeThen(const std::function<void(const PageMarkup&)>& done) {
    if (m_progress->running())
        return;
    if (!idle()) {
        done({});
        return;
    }
    auto run = std::make_shared<WriteRun>();
    run->text = StyledTextFromDocument(*m_RichEdit1->document()).text;
    run->options = host().options();
    m_progress->start(
        2 * PositionLength(run->text),
        [run](const TextProgress& progress) {
            run->markup = WriteText(run->text, run->options, progress);
        },
        [run, done](bool completed) {
            // Cancelled, the clipboard and the files stay as they are.
            if (completed)
                done(run->markup);
        });
}

bool PageText::supports(PageAction) const {
    return true;
}

std::optional<TColor> PageText::wrapperBackground() const {
    return m_editorBackground;
}

void PageText::start() {
    setEditorBackground(host().options().viewback);
    fillFontNames();
    const QSignalBlocker blocker(m_cmbfontsize);
    m_cmbfontsize->setCurrentIndex(0);
}

void PageText::optionsApplied() {
    setEditorBackground(host().options().viewback);
    fillFontNames();
}

void PageText::setEditorBackground(TColor color) {
    m_editorBackground = color;
    m_RichEdit1->setStyleSheet(
        QStringLiteral("QTextEdit { background: %1; }").arg(ColorToHtml(color)));
}

void PageText::fillFontNames() {
    SubstituteMissingJapaneseFonts(FirstFontNames(host().options().fonttable));
    // Filling the list sets no font on the text.
    const QSignalBlocker blocker(m_cmbfontname);
    m_cmbfontname->clear();
    m_cmbfontname->addItems(host().options().fonttable);
    if (m_cmbfontname->count() > 0)
        m_cmbfontname->setCurrentIndex(0);
}

bool PageText::idle() const {
    return !m_updating && !m_progress->running();
}

void PageText::cut() {
    if (idle())
        m_RichEdit1->cut();
}

void PageText::copy() {
    m_RichEdit1->copy();
}

void PageText::paste() {
    if (idle())
        m_RichEdit1->paste();
}

void PageText::selectAll() {
    if (idle())
        m_RichEdit1->selectAll();
}

void PageText::mergeIntoTarget(const QTextCharFormat& format) {
    // With a selection the editor merges into it, otherwise into the format
    // of what is typed next: the target of TextTargetFor.
    m_RichEdit1->mergeCurrentCharFormat(format);
}

void PageText::showStatus(const QString& text) {
    if (QStatusBar* status = host().statusLine()) {
        if (text.isEmpty())
            status->clearMessage();
        else
            status->showMessage(text);
    }
}

void PageText::BoldButtonClick() {
    if (!idle())
        return;
    QTextCharFormat format;
    format.setFontWeight(m_BoldButton->isChecked() ? QFont::Bold : QFont::Normal);
    mergeIntoTarget(format);
}

void PageText::ItalicButtonClick() {
    if (!idle())
        return;
    QTextCharFormat format;
    format.setFontItalic(m_ItalicButton->isChecked());
    mergeIntoTarget(format);
}

void PageText::UnderlineButtonClick() {
    if (!idle())
        return;
    QTextCharFormat format;
    format.setFontUnderline(m_UnderlineButton->isChecked());
    mergeIntoTarget(format);
}

void PageText::cmbfontnameChange() {
    if (!idle() || m_cmbfontname->currentIndex() < 0)
        return;
    const QString name = FontNameOfEntry(m_cmbfontname->currentText());
    if (name.isEmpty())
        return;
    QTextCharFormat format;
    format.setFontFamilies(QStringList{name});
    format.setProperty(kCharSetProperty, FontCharSet(name));
    mergeIntoTarget(format);
}

void PageText::cmbfontsizeChange() {
    if (!idle())
        return;
    QTextCharFormat format;
    format.setFontPointSize(PointsOfFontSizeItem(m_cmbfontsize->currentIndex()));
    mergeIntoTarget(format);
}

void PageText::btngratxtClick() {
    if (!idle())
        return;
    QTextCharFormat format;
    format.setForeground(ToQColor(host().CurrentColor()));
    mergeIntoTarget(format);
}

void PageText::btngratxtbackClick() {
    if (idle())
        setEditorBackground(host().CurrentColor());
}

void PageText::RichEdit1SelectionChange() {
    if (!idle())
        return;
    const QScopedValueRollback updating(m_updating, true);
    QTextCursor cursor = m_RichEdit1->textCursor();
    // A selection shows its first character; a caret what is typed next.
    if (cursor.hasSelection()) {
        cursor.setPosition(cursor.selectionStart());
        cursor.movePosition(QTextCursor::NextCharacter);
    }
    const CharStyle style =
        CharStyleOfFormat(cursor.charFormat(), m_RichEdit1->document()->defaultFont());
    m_BoldButton->setChecked(style.bold);
    m_ItalicButton->setChecked(style.italic);
    m_UnderlineButton->setChecked(style.underline);
    m_cmbfontsize->setCurrentIndex(FontSizeItemOfPoints(style.points));
    if (m_cmbfontname->count() > 0)
        m_cmbfontname->setCurrentIndex(std::min(
            FindFontEntry(host().options().fonttable, style.fontName), m_cmbfontname->count() - 1));
}

void PageText::btngratxtexecClick() {
    if (!idle())
        return;
    const QTextCursor cursor = m_RichEdit1->textCursor();
    auto run = std::make_shared<EffectRun>();
    run->text = StyledTextFromDocument(*m_RichEdit1->document());
    run->selection =
        DocumentSelectionToPositions(run->text, cursor.selectionStart(), cursor.selectionEnd());
    if (const GradientTable* table = host().selectedGradient())
        run->table = *table;
    m_progress->start(
        GradientRange(run->selection, PositionLength(run->text.text)).length,
        [run, interpolation = host().options().interpolation](const TextProgress& progress) {
            run->result = ApplyTextGradient(run->text.text, run->table ? &*run->table : nullptr,
                                            run->selection, progress, interpolation);
        },
        [this, run](bool completed) {
            if (!completed)
                run->result.status = TextGradientStatus::Stopped;
            else if (run->result.status == TextGradientStatus::Applied)
                ApplyCharColors(*m_RichEdit1->document(), run->text, run->result.firstChar,
                                run->result.endChar);
            showStatus(TextGradientStatusMessage(run->result.status));
        });
}
