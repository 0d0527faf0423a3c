#include "ui/PageBody.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {

QPushButton* Button(QWidget* parent, const char* name, const char* caption, const QRect& r) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(r);
    return button;
}

QLabel* PreviewLabel(QWidget* parent, const char* name, int tag, bool underlined) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setProperty("tag", tag);
    label->setCursor(Qt::PointingHandCursor);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    QFont font = label->font();
    font.setUnderline(underlined);
    label->setFont(font);
    label->setGeometry(12, 14 + tag * 28, 340, 20);
    return label;
}

} // namespace

PageBody::PageBody(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet3"));

    btnbodyget = Button(this, "btnbodyget", "設定", QRect(4, 4, 60, 24));
    sbbodyconst = new QToolButton(this);
    sbbodyconst->setObjectName(QStringLiteral("sbbodyconst"));
    sbbodyconst->setText(QStringLiteral("カラー定数を優先"));
    sbbodyconst->setCheckable(true);
    sbbodyconst->setGeometry(68, 4, 120, 24);
    btnbodybg = Button(this, "btnbodybg", "背景グラフィック", QRect(192, 4, 120, 24));

    auto* roleLabel = new QLabel(QStringLiteral("設定色:"), this);
    roleLabel->setGeometry(4, 34, 50, 22);
    cmbbody = new QComboBox(this);
    cmbbody->setObjectName(QStringLiteral("cmbbody"));
    cmbbody->setAccessibleName(QStringLiteral("設定色"));
    cmbbody->addItems({QStringLiteral("BACKCOLOR - 背景色"),
                       QStringLiteral("TEXT           - 通常文字色"),
                       QStringLiteral("LINK            - リンクテキスト色"),
                       QStringLiteral("VLINK          - キャッシュ済みリンクテキスト色"),
                       QStringLiteral("ALINK          - 読み込み中リンクテキスト色")});
    cmbbody->setGeometry(56, 34, 256, 22);
    roleLabel->setBuddy(cmbbody);

    pnlbody = new QFrame(this);
    pnlbody->setObjectName(QStringLiteral("pnlbody"));
    pnlbody->setFrameShape(QFrame::Panel);
    pnlbody->setFrameShadow(QFrame::Sunken);
    pnlbody->setAutoFillBackground(true);
    QPalette white = pnlbody->palette();
    white.setColor(QPalette::Window, Qt::white);
    pnlbody->setPalette(white);
    pnlbody->setGeometry(4, 60, 365, 165);
    Image2 = new QLabel(pnlbody);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(pnlbody->rect());
    lblbackcolor = PreviewLabel(pnlbody, "lblbackcolor", 0, false);
    lbltext = PreviewLabel(pnlbody, "lbltext", 1, false);
    lbllink = PreviewLabel(pnlbody, "lbllink", 2, true);
    lblvlink = PreviewLabel(pnlbody, "lblvlink", 3, true);
    lblalink = PreviewLabel(pnlbody, "lblalink", 4, true);

    cmbbodysel = new QComboBox(this);
    cmbbodysel->setObjectName(QStringLiteral("cmbbodysel"));
    cmbbodysel->setAccessibleName(QStringLiteral("登録色"));
    cmbbodysel->setGeometry(4, 232, 184, 22);
    btnbodyadd = Button(this, "btnbodyadd", "登録", QRect(192, 231, 58, 24));
    btnbodyedt = Button(this, "btnbodyedt", "更新", QRect(252, 231, 58, 24));
    btnbodydel = Button(this, "btnbodydel", "削除", QRect(312, 231, 58, 24));
}
