#include "ui/PageText.h"

#include "settings/ProgramOptions.h"
#include "ui/PageHost.h"

#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace {

QToolButton* StyleToggle(QWidget* parent, const char* name, const char* letter, const char* hint,
                         int x) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(letter));
    button->setToolTip(QString::fromUtf8(hint));
    button->setAccessibleName(QString::fromUtf8(hint));
    button->setCheckable(true);
    button->setAutoRaise(true);
    button->setGeometry(x, 4, 23, 22);
    return button;
}

} // namespace

PageText::PageText(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    setObjectName(QStringLiteral("TabSheet1"));

    m_BoldButton = StyleToggle(this, "BoldButton", "B", "太字", 4);
    QFont bold = m_BoldButton->font();
    bold.setBold(true);
    m_BoldButton->setFont(bold);
    m_ItalicButton = StyleToggle(this, "ItalicButton", "I", "斜体", 28);
    QFont italic = m_ItalicButton->font();
    italic.setItalic(true);
    m_ItalicButton->setFont(italic);
    m_UnderlineButton = StyleToggle(this, "UnderlineButton", "U", "下線", 52);
    QFont underline = m_UnderlineButton->font();
    underline.setUnderline(true);
    m_UnderlineButton->setFont(underline);

    m_cmbfontname = new QComboBox(this);
    m_cmbfontname->setObjectName(QStringLiteral("cmbfontname"));
    m_cmbfontname->setToolTip(QStringLiteral("フォント名"));
    m_cmbfontname->setAccessibleName(QStringLiteral("フォント名"));
    m_cmbfontname->setGeometry(80, 4, 190, 22);

    m_cmbfontsize = new QComboBox(this);
    m_cmbfontsize->setObjectName(QStringLiteral("cmbfontsize"));
    m_cmbfontsize->setToolTip(QStringLiteral("フォントサイズ"));
    m_cmbfontsize->setAccessibleName(QStringLiteral("フォントサイズ"));
    m_cmbfontsize->addItems({QStringLiteral("Normal"), QStringLiteral("1 ( 8pt)"),
                             QStringLiteral("2 (10pt)"), QStringLiteral("3 (12pt)"),
                             QStringLiteral("4 (14pt)"), QStringLiteral("5 (18pt)"),
                             QStringLiteral("6 (24pt)"), QStringLiteral("7 (36pt)")});
    m_cmbfontsize->setGeometry(274, 4, 104, 22);

    m_RichEdit1 = new QTextEdit(this);
    m_RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    m_RichEdit1->setAccessibleName(QStringLiteral("グラデーションテキスト"));
    QFont editorFont = font();
    editorFont.setPixelSize(15);
    m_RichEdit1->setFont(editorFont);
    QPalette white = m_RichEdit1->palette();
    white.setColor(QPalette::Base, Qt::white);
    m_RichEdit1->setPalette(white);
    m_RichEdit1->setGeometry(4, 30, 374, 220);

    m_btngratxt = new QPushButton(QStringLiteral("テキスト色"), this);
    m_btngratxt->setObjectName(QStringLiteral("btngratxt"));
    m_btngratxt->setGeometry(4, 256, 120, 25);
    m_btngratxtexec = new QPushButton(QStringLiteral("グラデーション効果"), this);
    m_btngratxtexec->setObjectName(QStringLiteral("btngratxtexec"));
    m_btngratxtexec->setGeometry(131, 256, 120, 25);
    m_btngratxtback = new QPushButton(QStringLiteral("背景色"), this);
    m_btngratxtback->setObjectName(QStringLiteral("btngratxtback"));
    m_btngratxtback->setGeometry(258, 256, 120, 25);
}

QString PageText::html() {
    return {};
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
    m_cmbfontname->clear();
    m_cmbfontname->addItems(host().options().fonttable);
    if (m_cmbfontname->count() > 0)
        m_cmbfontname->setCurrentIndex(0);
}

void PageText::cut() {
    m_RichEdit1->cut();
}

void PageText::copy() {
    m_RichEdit1->copy();
}

void PageText::paste() {
    m_RichEdit1->paste();
}

void PageText::selectAll() {
    m_RichEdit1->selectAll();
}
