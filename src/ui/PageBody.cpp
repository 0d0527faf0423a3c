#include "ui/PageBody.h"

#include "settings/ProgramOptions.h"
#include "ui/PageHost.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
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

PageBody::PageBody(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    setObjectName(QStringLiteral("TabSheet3"));

    m_btnbodyget = Button(this, "btnbodyget", "設定", QRect(4, 4, 60, 24));
    m_sbbodyconst = new QToolButton(this);
    m_sbbodyconst->setObjectName(QStringLiteral("sbbodyconst"));
    m_sbbodyconst->setText(QStringLiteral("カラー定数を優先"));
    m_sbbodyconst->setCheckable(true);
    m_sbbodyconst->setGeometry(68, 4, 120, 24);
    m_btnbodybg = Button(this, "btnbodybg", "背景グラフィック", QRect(192, 4, 120, 24));

    auto* roleLabel = new QLabel(QStringLiteral("設定色:"), this);
    roleLabel->setGeometry(4, 34, 50, 22);
    m_cmbbody = new QComboBox(this);
    m_cmbbody->setObjectName(QStringLiteral("cmbbody"));
    m_cmbbody->setAccessibleName(QStringLiteral("設定色"));
    m_cmbbody->addItems({QStringLiteral("BACKCOLOR - 背景色"),
                         QStringLiteral("TEXT           - 通常文字色"),
                         QStringLiteral("LINK            - リンクテキスト色"),
                         QStringLiteral("VLINK          - キャッシュ済みリンクテキスト色"),
                         QStringLiteral("ALINK          - 読み込み中リンクテキスト色")});
    m_cmbbody->setGeometry(56, 34, 256, 22);
    roleLabel->setBuddy(m_cmbbody);

    m_pnlbody = new QFrame(this);
    m_pnlbody->setObjectName(QStringLiteral("pnlbody"));
    m_pnlbody->setFrameShape(QFrame::Panel);
    m_pnlbody->setFrameShadow(QFrame::Sunken);
    m_pnlbody->setAutoFillBackground(true);
    QPalette white = m_pnlbody->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_pnlbody->setPalette(white);
    m_pnlbody->setGeometry(4, 60, 365, 165);
    m_Image2 = new QLabel(m_pnlbody);
    m_Image2->setObjectName(QStringLiteral("Image2"));
    m_Image2->setGeometry(m_pnlbody->rect());
    m_lblbackcolor = PreviewLabel(m_pnlbody, "lblbackcolor", 0, false);
    m_lbltext = PreviewLabel(m_pnlbody, "lbltext", 1, false);
    m_lbllink = PreviewLabel(m_pnlbody, "lbllink", 2, true);
    m_lblvlink = PreviewLabel(m_pnlbody, "lblvlink", 3, true);
    m_lblalink = PreviewLabel(m_pnlbody, "lblalink", 4, true);

    m_cmbbodysel = new QComboBox(this);
    m_cmbbodysel->setObjectName(QStringLiteral("cmbbodysel"));
    m_cmbbodysel->setAccessibleName(QStringLiteral("登録色"));
    m_cmbbodysel->setGeometry(4, 232, 184, 22);
    m_btnbodyadd = Button(this, "btnbodyadd", "登録", QRect(192, 231, 58, 24));
    m_btnbodyedt = Button(this, "btnbodyedt", "更新", QRect(252, 231, 58, 24));
    m_btnbodydel = Button(this, "btnbodydel", "削除", QRect(312, 231, 58, 24));
}

QString PageBody::html() {
    return {};
}

bool PageBody::supports(PageAction action) const {
    return action == PageAction::SaveAs || action == PageAction::HtmlCopy ||
           action == PageAction::Preview;
}

std::optional<TColor> PageBody::wrapperBackground() const {
    return std::nullopt; // the fragment is the BODY tag itself
}

void PageBody::start() {
    // Every preset up to the stored count, whether or not its record loaded.
    const BodyPresetList& presets = host().options().bodyPresets;
    for (int i = 0; i < presets.count(); ++i)
        m_cmbbodysel->addItem(presets.at(i).name);
    m_cmbbody->setCurrentIndex(0);
}

void PageBody::optionsApplied() {
    // The options dialog can reset the presets; the box lists them again
    // without applying one.
    const BodyPresetList& presets = host().options().bodyPresets;
    const QSignalBlocker blocker(m_cmbbodysel);
    m_cmbbodysel->clear();
    for (int i = 0; i < presets.count(); ++i)
        m_cmbbodysel->addItem(presets.at(i).name);
    m_cmbbodysel->setCurrentIndex(-1);
}

void PageBody::copy() {
    copyHtml();
}

void PageBody::namedColorChosen() {
    m_btnbodyget->click();
}
