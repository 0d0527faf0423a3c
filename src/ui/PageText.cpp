#include "ui/PageText.h"

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

PageText::PageText(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet1"));

    BoldButton = StyleToggle(this, "BoldButton", "B", "太字", 4);
    QFont bold = BoldButton->font();
    bold.setBold(true);
    BoldButton->setFont(bold);
    ItalicButton = StyleToggle(this, "ItalicButton", "I", "斜体", 28);
    QFont italic = ItalicButton->font();
    italic.setItalic(true);
    ItalicButton->setFont(italic);
    UnderlineButton = StyleToggle(this, "UnderlineButton", "U", "下線", 52);
    QFont underline = UnderlineButton->font();
    underline.setUnderline(true);
    UnderlineButton->setFont(underline);

    cmbfontname = new QComboBox(this);
    cmbfontname->setObjectName(QStringLiteral("cmbfontname"));
    cmbfontname->setToolTip(QStringLiteral("フォント名"));
    cmbfontname->setAccessibleName(QStringLiteral("フォント名"));
    cmbfontname->setGeometry(80, 4, 190, 22);

    cmbfontsize = new QComboBox(this);
    cmbfontsize->setObjectName(QStringLiteral("cmbfontsize"));
    cmbfontsize->setToolTip(QStringLiteral("フォントサイズ"));
    cmbfontsize->setAccessibleName(QStringLiteral("フォントサイズ"));
    cmbfontsize->addItems({QStringLiteral("Normal"), QStringLiteral("1 ( 8pt)"),
                           QStringLiteral("2 (10pt)"), QStringLiteral("3 (12pt)"),
                           QStringLiteral("4 (14pt)"), QStringLiteral("5 (18pt)"),
                           QStringLiteral("6 (24pt)"), QStringLiteral("7 (36pt)")});
    cmbfontsize->setGeometry(274, 4, 104, 22);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(QStringLiteral("グラデーションテキスト"));
    QFont editorFont = font();
    editorFont.setPixelSize(15);
    RichEdit1->setFont(editorFont);
    QPalette white = RichEdit1->palette();
    white.setColor(QPalette::Base, Qt::white);
    RichEdit1->setPalette(white);
    RichEdit1->setGeometry(4, 30, 374, 220);

    btngratxt = new QPushButton(QStringLiteral("テキスト色"), this);
    btngratxt->setObjectName(QStringLiteral("btngratxt"));
    btngratxt->setGeometry(4, 256, 120, 25);
    btngratxtexec = new QPushButton(QStringLiteral("グラデーション効果"), this);
    btngratxtexec->setObjectName(QStringLiteral("btngratxtexec"));
    btngratxtexec->setGeometry(131, 256, 120, 25);
    btngratxtback = new QPushButton(QStringLiteral("背景色"), this);
    btngratxtback->setObjectName(QStringLiteral("btngratxtback"));
    btngratxtback->setGeometry(258, 256, 120, 25);
}
