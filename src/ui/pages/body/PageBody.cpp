#include "ui/pages/body/PageBody.h"

#include "dib/DibErrors.h"
#include "html/BodyContrast.h"
#include "html/BodyHtml.h"
#include "html/BodyPresetEdit.h"
#include "html/PageMarkup.h"
#include "pictures/PictureFormats.h"
#include "pictures/PictureTiling.h"
#include "settings/ProgramOptions.h"
#include "ui/dialogs/ConfirmBox.h"
#include "ui/dialogs/OpenPictureDialog.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/PageHost.h"
#include "ui/widgets/PictureBox.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>

namespace {

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

QColor ToQColor(TColor color) {
    return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

void SetPaletteColor(QWidget* widget, QPalette::ColorRole role, TColor color) {
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(color));
    widget->setPalette(palette);
}

} // namespace

PageBody::PageBody(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    setObjectName(QStringLiteral("TabSheet3"));

    m_btnbodyget = PageButton(this, "btnbodyget", tr("設定"), QRect(4, 4, 60, 24));
    m_sbbodyconst = PageToggle(this, "sbbodyconst", tr("カラー定数を優先"), QRect(68, 4, 120, 24));
    m_btnbodybg = PageButton(this, "btnbodybg", tr("背景グラフィック"), QRect(192, 4, 120, 24));

    auto* roleLabel = new QLabel(tr("設定色:"), this);
    roleLabel->setGeometry(4, 34, 50, 22);
    m_cmbbody = PageComboBox(this, "cmbbody", tr("設定色"), QRect(56, 34, 256, 22));
    m_cmbbody->addItems(BodyRoleItems());
    roleLabel->setBuddy(m_cmbbody);

    m_pnlbody = new QFrame(this);
    m_pnlbody->setObjectName(QStringLiteral("pnlbody"));
    m_pnlbody->setFrameShape(QFrame::Panel);
    m_pnlbody->setFrameShadow(QFrame::Sunken);
    m_pnlbody->setAutoFillBackground(true);
    m_pnlbody->setGeometry(4, 60, 365, 165);
    m_Image1 = new PictureBox(m_pnlbody);
    m_Image1->setObjectName(QStringLiteral("Image1"));
    m_Image1->hide();
    m_Image2 = new PictureBox(m_pnlbody);
    m_Image2->setObjectName(QStringLiteral("Image2"));
    m_Image2->setGeometry(m_pnlbody->rect());
    m_lblbackcolor = PreviewLabel(m_pnlbody, "lblbackcolor", 0, false);
    m_lbltext = PreviewLabel(m_pnlbody, "lbltext", 1, false);
    m_lbllink = PreviewLabel(m_pnlbody, "lbllink", 2, true);
    m_lblvlink = PreviewLabel(m_pnlbody, "lblvlink", 3, true);
    m_lblalink = PreviewLabel(m_pnlbody, "lblalink", 4, true);
    m_roleLabels = {m_lblbackcolor, m_lbltext, m_lbllink, m_lblvlink, m_lblalink};
    for (QLabel* label : m_roleLabels)
        label->installEventFilter(this);
    // Black on white until a colour is set.
    m_model.setColor(BodyRole::BgColor, 0xFFFFFF);
    setWorkingColors(m_model);

    m_cmbbodysel = PageComboBox(this, "cmbbodysel", tr("登録色"), QRect(4, 232, 184, 22));
    m_btnbodyadd = PageButton(this, "btnbodyadd", tr("登録"), QRect(192, 231, 58, 24));
    m_btnbodyedt = PageButton(this, "btnbodyedt", tr("更新"), QRect(252, 231, 58, 24));
    m_btnbodydel = PageButton(this, "btnbodydel", tr("削除"), QRect(312, 231, 58, 24));

    // How readable the text colours are on the background, below the presets.
    m_lblbodycontrast = new QLabel(this);
    m_lblbodycontrast->setObjectName(QStringLiteral("lblbodycontrast"));
    m_lblbodycontrast->setAccessibleName(tr("背景色とのコントラスト比"));
    m_lblbodycontrast->setToolTip(
        tr("背景色とのコントラスト比（WCAG 2）: 本文は AA で 4.5:1、AAA で 7:1 以上"));
    m_lblbodycontrast->setGeometry(4, 258, 366, 34);

    connect(m_btnbodyget, &QPushButton::clicked, this, &PageBody::btnbodygetClick);
    connect(m_sbbodyconst, &QToolButton::toggled, this, [this](bool on) {
        m_model.preferNames = on;
        RefreshBodyLabels();
    });
    // A choice from the list, even of the item already shown, applies it.
    connect(m_cmbbodysel, &QComboBox::activated, this, &PageBody::cmbbodyselChange);
    connect(m_btnbodyadd, &QPushButton::clicked, this, &PageBody::btnbodyaddClick);
    connect(m_btnbodyedt, &QPushButton::clicked, this, &PageBody::btnbodyedtClick);
    connect(m_btnbodydel, &QPushButton::clicked, this, &PageBody::btnbodydelClick);
    connect(m_btnbodybg, &QPushButton::clicked, this, &PageBody::btnbodybgClick);
}

PageMarkup PageBody::write(const TextProgress&) const {
    return {WriteBodyMarkup(m_model, host().options()), {}};
}

bool PageBody::supports(PageAction action) const {
    return action == PageAction::SaveAs || action == PageAction::HtmlCopy ||
           action == PageAction::Preview;
}

std::optional<TColor> PageBody::wrapperBackground() const {
    return std::nullopt; // the fragment is the BODY tag itself
}

void PageBody::start() {
    syncPresetBox();
    m_cmbbody->setCurrentIndex(0);
    RefreshBodyLabels();
    {
        const QSignalBlocker blocker(m_cmbbodysel);
        m_cmbbodysel->setCurrentIndex(m_cmbbodysel->count() > 0 ? 0 : -1);
    }
    cmbbodyselChange();
}

void PageBody::optionsApplied() {
    // The letter case may have changed, and the dialog can reset the presets.
    syncPresetBox();
    RefreshBodyLabels();
}

void PageBody::copy() {
    copyHtml();
}

void PageBody::namedColorChosen() {
    m_btnbodyget->click();
}

bool PageBody::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (QLabel* label : m_roleLabels) {
            if (watched == label) {
                lblbackcolorClick(label->property("tag").toInt());
                return true;
            }
        }
    }
    return HtmlPage::eventFilter(watched, event);
}

void PageBody::setWorkingColor(BodyRole role, TColor color) {
    m_model.setColor(role, color);
    // No control tells of the change.
    emit changed();
    if (role == BodyRole::BgColor) {
        SetPaletteColor(m_pnlbody, QPalette::Window, color);
        // The background's own line cannot be drawn in its colour; it takes
        // black or white, whichever reads on it.
        const int luma =
            (ColorRed(color) * 299 + ColorGreen(color) * 587 + ColorBlue(color) * 114) / 1000;
        SetPaletteColor(m_lblbackcolor, QPalette::WindowText, luma >= 128 ? 0 : 0xFFFFFF);
    } else
        SetPaletteColor(m_roleLabels[std::size_t(role)], QPalette::WindowText, color);
}

void PageBody::setWorkingColors(const BodyModel& page) {
    for (int i = 0; i < kBodyRoleCount; ++i)
        setWorkingColor(BodyRole(i), page.color(BodyRole(i)));
}

void PageBody::RefreshBodyLabels() {
    const BodyModel& page = m_model;
    const auto texts = BodyLabelTexts(page, host().options());
    for (int i = 0; i < kBodyRoleCount; ++i) {
        m_roleLabels[i]->setText(texts[i]);
        const QString contrast = BodyContrastText(page, BodyRole(i));
        m_roleLabels[i]->setToolTip(
            contrast.isEmpty() ? QString() : tr("背景色とのコントラスト比 %1").arg(contrast));
    }
    // Two roles a line: the four do not fit the page's width on one.
    QString summary;
    for (int i = 1; i < kBodyRoleCount; ++i) {
        if (i > 1)
            summary += i == 3 ? QStringLiteral("\n") : QStringLiteral("    ");
        summary +=
            BodyRoleAttribute(BodyRole(i)) + QLatin1Char(' ') + BodyContrastText(page, BodyRole(i));
    }
    m_lblbodycontrast->setText(summary);
}

void PageBody::btnbodygetClick() {
    if (const std::optional<BodyRole> role = BodyRoleFromIndex(m_cmbbody->currentIndex()))
        setWorkingColor(*role, host().CurrentColor());
    RefreshBodyLabels();
}

void PageBody::lblbackcolorClick(int tag) {
    if (BodyRoleFromIndex(tag))
        m_cmbbody->setCurrentIndex(tag);
}

void PageBody::cmbbodyselChange() {
    const BodyPresetList& presets = host().options().bodyPresets;
    const int selected = m_cmbbodysel->currentIndex();
    if (selected < 0 || selected >= presets.count())
        return;
    BodyModel page = m_model;
    ApplyBodyPreset(page, presets.at(selected));
    setWorkingColors(page);
    RefreshBodyLabels();
}

void PageBody::btnbodyaddClick() {
    BodyPresetList& presets = host().options().bodyPresets;
    // A full list is refused before the user types a name for nothing.
    if (const QString problem = BodyPresetAddProblem(presets); !problem.isEmpty()) {
        refuse(problem);
        return;
    }
    const std::optional<QString> name = askPresetName();
    if (!name)
        return;
    if (const QString problem = AddBodyPreset(presets, *name, m_model); !problem.isEmpty()) {
        refuse(problem);
        return;
    }
    // Adding to an empty box would select the new item; the selection stays.
    const QSignalBlocker blocker(m_cmbbodysel);
    const int selected = m_cmbbodysel->currentIndex();
    m_cmbbodysel->addItem(*name);
    m_cmbbodysel->setCurrentIndex(selected);
}

void PageBody::btnbodyedtClick() {
    const QString problem =
        UpdateBodyPreset(host().options().bodyPresets, m_cmbbodysel->currentIndex(), m_model);
    if (!problem.isEmpty())
        refuse(problem);
}

void PageBody::btnbodydelClick() {
    const int selected = m_cmbbodysel->currentIndex();
    if (const QString problem = DeleteBodyPreset(host().options().bodyPresets, selected);
        !problem.isEmpty()) {
        refuse(problem);
        return;
    }
    const QSignalBlocker blocker(m_cmbbodysel);
    m_cmbbodysel->removeItem(selected);
    m_cmbbodysel->setCurrentIndex(-1);
}

void PageBody::btnbodybgClick() {
    if (!m_OpenPictureDialog1)
        m_OpenPictureDialog1 = new OpenPictureDialog(this);
    m_OpenPictureDialog1->refreshFilter();
    if (m_OpenPictureDialog1->exec() != QDialog::Accepted ||
        m_OpenPictureDialog1->selectedFiles().isEmpty()) {
        m_model.backgroundPicturePath.clear();
        m_Image1->clearPicture();
        m_Image2->clearPicture();
        return;
    }
    const QString path =
        QFileInfo(m_OpenPictureDialog1->selectedFiles().first()).absoluteFilePath();
    // Everything is made aside and kept only when all of it worked, so a
    // failure leaves the path and both pictures as they were.
    QImage picture;
    QImage tiled;
    try {
        const std::unique_ptr<TVmGraphic> graphic = TPictureFormats::Instance().LoadFromFile(path);
        const QSize size(graphic->GetWidth(), graphic->GetHeight());
        if (!size.isEmpty()) {
            picture = QImage(size, QImage::Format_ARGB32_Premultiplied);
            if (picture.isNull())
                throw EOutOfMemory(tr("画像が大きすぎて表示できません"));
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            graphic->Draw(painter, picture.rect());
        }
        // A panel that changed size gets a fresh, see-through picture.
        const bool reuse = m_Image2->picture().size() == m_Image2->size();
        tiled = reuse ? m_Image2->picture()
                      : QImage(m_Image2->size(), QImage::Format_ARGB32_Premultiplied);
        if (tiled.isNull())
            throw EOutOfMemory(tr("画像が大きすぎて表示できません"));
        if (!reuse)
            tiled.fill(Qt::transparent);
    } catch (const EPictureError& error) {
        QMessageBox::critical(host().dialogParent(), QStringLiteral("Vellomar"), error.message());
        return;
    }
    m_Image1->setPicture(picture);
    m_Image1->resize(picture.size());
    m_model.backgroundPicturePath = path;
    // A picture without pixels shows the plain background, as a browser
    // would, rather than the tiles of the one before.
    if (picture.isNull()) {
        m_Image2->clearPicture();
    } else {
        tile(tiled);
        m_Image2->setPicture(tiled);
    }
    // The labels are transparent: they show the new picture behind them.
    for (QLabel* label : m_roleLabels)
        label->update();
}

void PageBody::tile(QImage& area) const {
    const QImage& picture = m_Image1->picture();
    QPainter painter(&area);
    // An empty picture gives no positions: it never tiles.
    for (const QPoint& at : TilePositions(picture.size(), area.size()))
        painter.drawImage(at, picture);
}

std::optional<QString> PageBody::askPresetName() {
    QInputDialog box(host().dialogParent());
    box.setObjectName(QStringLiteral("InputBox"));
    box.setWindowTitle(QStringLiteral("Vellomar"));
    box.setInputMode(QInputDialog::TextInput);
    box.setLabelText(tr("登録名を入れてください"));
    box.setTextValue(QString());
    if (auto* edit = box.findChild<QLineEdit*>())
        edit->setMaxLength(kBodyPresetNameMaxLength);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

void PageBody::refuse(const QString& message) {
    ConfirmRefusal(host().dialogParent(), message);
}

void PageBody::syncPresetBox() {
    const BodyPresetList& presets = host().options().bodyPresets;
    QStringList names;
    for (int i = 0; i < presets.count(); ++i)
        names.append(presets.at(i).name);
    QStringList shown;
    for (int i = 0; i < m_cmbbodysel->count(); ++i)
        shown.append(m_cmbbodysel->itemText(i));
    if (names == shown)
        return;
    const QSignalBlocker blocker(m_cmbbodysel);
    m_cmbbodysel->clear();
    m_cmbbodysel->addItems(names);
    m_cmbbodysel->setCurrentIndex(-1);
}
