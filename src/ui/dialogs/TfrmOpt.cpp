#include "ui/dialogs/TfrmOpt.h"

#include "core/CssColorText.h"
#include "core/QtColor.h"
#include "settings/FontTableEntry.h"
#include "settings/ProgramOptions.h"
#include "ui/dialogs/ConfirmBox.h"
#include "ui/dialogs/SharedColorDialog.h"
#include "ui/widgets/ColorShape.h"
#include "ui/widgets/DeferredIcon.h"
#include "ui/widgets/FormFont.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>

namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, const QRect& r) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(r);
    return button;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& caption, const QRect& r) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(r);
    return box;
}

QLineEdit* Edit(QWidget* parent, const char* name, const QRect& r) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(r);
    return edit;
}

// A caption above a control; it names the control for screen readers too.
QLabel* Caption(QWidget* parent, const QString& text, const QRect& r, QWidget* buddy = nullptr) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(r);
    if (buddy) {
        label->setBuddy(buddy);
        buddy->setAccessibleName(label->text());
    }
    return label;
}

} // namespace

TfrmOpt::~TfrmOpt() = default;

TfrmOpt::TfrmOpt(ProgramOptions& options, SharedColorDialog* colorDialog, QWidget* parent)
    : QDialog(parent), m_options(options), m_ColorDialog1(colorDialog) {
    setObjectName(QStringLiteral("frmOpt"));
    setWindowTitle(tr("ｵﾌﾟｼｮﾝ"));
    setFont(FormFont());
    setFixedSize(382, 270);
    if (!m_ColorDialog1) {
        m_ownColorDialog = std::make_unique<SharedColorDialog>(this);
        m_ColorDialog1 = m_ownColorDialog.get();
    }

    m_pgcoption = new QTabWidget(this);
    m_pgcoption->setObjectName(QStringLiteral("pgcoption"));
    m_pgcoption->setGeometry(6, 6, 370, 222);

    // Font table.
    auto* fontTab = new QWidget;
    fontTab->setObjectName(QStringLiteral("tabfont"));
    m_pgcoption->addTab(fontTab, tr("フォント"));
    auto* fontGroup = new QGroupBox(tr("フォントテーブル"), fontTab);
    fontGroup->setGeometry(6, 6, 352, 180);
    auto* note = new QLabel(tr("フォント名を \",\"で区切ることによって、"
                               "代替フォントを指定する事が出来ます。"),
                            fontGroup);
    note->setWordWrap(true);
    note->setGeometry(10, 18, 332, 32);
    m_cmbfontname = new QComboBox(fontGroup);
    m_cmbfontname->setObjectName(QStringLiteral("cmbfontname"));
    m_cmbfontname->setAccessibleName(tr("フォントテーブル"));
    m_cmbfontname->setGeometry(10, 56, 332, 22);
    m_edtfontname = Edit(fontGroup, "edtfontname", QRect(10, 86, 332, 22));
    m_edtfontname->setAccessibleName(tr("フォント名"));
    m_btnfontadd = Button(fontGroup, "btnfontadd", tr("追加(&A)"), QRect(10, 118, 62, 25));
    m_btnfontupdate = Button(fontGroup, "btnfontupdate", tr("更新(&U)"), QRect(77, 118, 62, 25));
    m_btnfontdel = Button(fontGroup, "btnfontdel", tr("削除(&D)"), QRect(144, 118, 62, 25));
    m_cmbfontview = Button(fontGroup, "cmbfontview", tr("参照(&V)..."), QRect(211, 118, 64, 25));
    m_btnfontinit = Button(fontGroup, "btnfontinit", tr("初期化"), QRect(280, 118, 62, 25));

    // Table.
    auto* tableTab = new QWidget;
    tableTab->setObjectName(QStringLiteral("tabtable"));
    m_pgcoption->addTab(tableTab, tr("テーブル"));
    m_txttblchar = Edit(tableTab, "txttblchar", QRect(12, 36, 120, 22));
    Caption(tableTab, tr("テーブル初期値 : (デフォルトは★）"), QRect(12, 14, 330, 18),
            m_txttblchar);
    // Unlike the text page's text, the cell text is markup on purpose.
    auto* tblcharNote =
        new QLabel(tr("この文字列は HTML としてそのまま書かれます (例: &nbsp;)。"), tableTab);
    tblcharNote->setObjectName(QStringLiteral("lbltblcharnote"));
    tblcharNote->setTextFormat(Qt::PlainText);
    tblcharNote->setWordWrap(true);
    tblcharNote->setGeometry(12, 64, 340, 36);

    // HTML.
    auto* htmlTab = new QWidget;
    htmlTab->setObjectName(QStringLiteral("tabhtml"));
    m_pgcoption->addTab(htmlTab, QStringLiteral("HTML"));
    m_cmbhtmlcase = new QComboBox(htmlTab);
    m_cmbhtmlcase->setObjectName(QStringLiteral("cmbhtmlcase"));
    m_cmbhtmlcase->addItems(
        {QStringLiteral("html"), QStringLiteral("HTML"), QStringLiteral("Html")});
    m_cmbhtmlcase->setGeometry(12, 30, 120, 22);
    Caption(htmlTab, tr("HTML文の大文字・小文字"), QRect(12, 10, 330, 18), m_cmbhtmlcase);
    m_chkhtmlcr =
        CheckBox(htmlTab, "chkhtmlcr", tr("HTMLソース内に改行を入れる"), QRect(12, 58, 330, 20));
    m_chkhtmlsave = CheckBox(htmlTab, "chkhtmlsave", tr("ファイル保存時に有効なＨＴＭＬとする"),
                             QRect(12, 80, 330, 20));
    m_chkcolorconst =
        CheckBox(htmlTab, "chkcolorconst", tr("カラー定数を優先する"), QRect(12, 102, 330, 20));
    m_chkrawtext = CheckBox(htmlTab, "chkrawtext", tr("マークアップ文字をそのまま書く"),
                            QRect(12, 124, 330, 20));
    m_cmbmarkupstyle = new QComboBox(htmlTab);
    m_cmbmarkupstyle->setObjectName(QStringLiteral("cmbmarkupstyle"));
    m_cmbmarkupstyle->addItems(
        {tr("従来 (FONT)"), QStringLiteral("CSS (HTML5)"), tr("CSS + グラデーション")});
    m_cmbmarkupstyle->setGeometry(12, 166, 160, 22);
    Caption(htmlTab, tr("マークアップ形式"), QRect(12, 148, 330, 18), m_cmbmarkupstyle);
    m_cmbinterpolation = new QComboBox(htmlTab);
    m_cmbinterpolation->setObjectName(QStringLiteral("cmbinterpolation"));
    m_cmbinterpolation->addItems(
        {QStringLiteral("sRGB"), QStringLiteral("OKLab"), QStringLiteral("OKLCH")});
    m_cmbinterpolation->setGeometry(190, 166, 160, 22);
    Caption(htmlTab, tr("グラデーションの補間"), QRect(190, 148, 160, 18), m_cmbinterpolation);

    // Other: the body list and the browsers.
    auto* otherTab = new QWidget;
    otherTab->setObjectName(QStringLiteral("tabother"));
    m_pgcoption->addTab(otherTab, tr("その他"));
    m_btnbodyinit =
        Button(otherTab, "btnbodyinit", tr("body リストの初期化"), QRect(6, 6, 150, 25));
    auto* grpwww = new QGroupBox(tr("ブラウザの設定"), otherTab);
    grpwww->setObjectName(QStringLiteral("grpwww"));
    grpwww->setGeometry(6, 38, 352, 150);
    m_chkwww = CheckBox(grpwww, "chkwww", tr("ブラウザの指定"), QRect(10, 20, 160, 20));
    m_btnviewback = Button(grpwww, "btnviewback", tr("背景色"), QRect(250, 17, 60, 25));
    // A longer caption widens it to the left, into the room beside the check box.
    if (const int extra = m_btnviewback->sizeHint().width() - 60; extra > 0)
        m_btnviewback->setGeometry(250 - extra, 17, 60 + extra, 25);
    m_shpviewback = new ColorShape(grpwww);
    m_shpviewback->setObjectName(QStringLiteral("shpviewback"));
    m_shpviewback->setAccessibleName(tr("背景色"));
    m_shpviewback->setGeometry(316, 19, 24, 21);
    m_edtwww = Edit(grpwww, "edtwww", QRect(10, 66, 270, 22));
    Caption(grpwww, tr("ブラウザ1のパス"), QRect(10, 48, 200, 18), m_edtwww);
    m_btnwww = Button(grpwww, "btnwww", tr("参照"), QRect(286, 64, 56, 25));
    m_edtwww2 = Edit(grpwww, "edtwww2", QRect(10, 114, 270, 22));
    Caption(grpwww, tr("ブラウザ2のパス"), QRect(10, 96, 200, 18), m_edtwww2);
    m_btnwww2 = Button(grpwww, "btnwww2", tr("参照"), QRect(286, 112, 56, 25));

    // Plug-ins.
    auto* pluginTab = new QWidget;
    pluginTab->setObjectName(QStringLiteral("tabplugin"));
    m_pgcoption->addTab(pluginTab, QStringLiteral("Plugin"));
    m_edtplugin = Edit(pluginTab, "edtplugin", QRect(12, 34, 300, 22));
    Caption(pluginTab, QStringLiteral("Plugin Folder"), QRect(12, 14, 300, 18), m_edtplugin);
    m_sbplugin = new QToolButton(pluginTab);
    m_sbplugin->setObjectName(QStringLiteral("sbplugin"));
    m_sbplugin->setAutoRaise(true);
    m_sbplugin->setIcon(DeferredStandardIcon(QStyle::SP_DirOpenIcon));
    m_sbplugin->setToolTip(tr("参照"));
    m_sbplugin->setAccessibleName(tr("Plugin Folder の参照"));
    m_sbplugin->setGeometry(316, 33, 24, 24);
    auto* restart = new QLabel(tr("変更は再起動後に有効になります。"), pluginTab);
    restart->setGeometry(12, 66, 330, 18);

    // User templates of the colour page.
    auto* templateTab = new QWidget;
    templateTab->setObjectName(QStringLiteral("tabtemplate"));
    m_pgcoption->addTab(templateTab, tr("色"));
    m_lsttemplate = new QListWidget(templateTab);
    m_lsttemplate->setObjectName(QStringLiteral("lsttemplate"));
    m_lsttemplate->setAccessibleName(tr("色テンプレート"));
    m_lsttemplate->setGeometry(6, 6, 110, 150);
    m_edttemplatename = Edit(templateTab, "edttemplatename", QRect(124, 22, 234, 22));
    m_edttemplatename->setMaxLength(kColorTemplateNameLength);
    Caption(templateTab, tr("名前"), QRect(124, 4, 234, 18), m_edttemplatename);
    m_edttemplateformat = Edit(templateTab, "edttemplateformat", QRect(124, 64, 234, 22));
    m_edttemplateformat->setMaxLength(int(kColorTemplateMaxLength));
    Caption(templateTab, tr("書式 (例: {rgb.r:X2}{rgb.g:X2}{rgb.b:X2})"), QRect(124, 46, 234, 18),
            m_edttemplateformat);
    m_lbltemplatepreview = new QLabel(templateTab);
    m_lbltemplatepreview->setObjectName(QStringLiteral("lbltemplatepreview"));
    m_lbltemplatepreview->setTextFormat(Qt::PlainText);
    m_lbltemplatepreview->setWordWrap(true);
    m_lbltemplatepreview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lbltemplatepreview->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_lbltemplatepreview->setGeometry(124, 110, 234, 46);
    Caption(templateTab, tr("現在の色で"), QRect(124, 90, 234, 18), m_lbltemplatepreview);
    m_btntemplateadd = Button(templateTab, "btntemplateadd", tr("追加(&A)"), QRect(6, 162, 62, 25));
    m_btntemplateupdate =
        Button(templateTab, "btntemplateupdate", tr("更新(&U)"), QRect(73, 162, 62, 25));
    m_btntemplatedel =
        Button(templateTab, "btntemplatedel", tr("削除(&D)"), QRect(140, 162, 62, 25));

    m_Button1 = Button(this, "Button1", QStringLiteral("&OK"), QRect(214, 238, 75, 25));
    m_Button1->setDefault(true);
    m_Button2 = Button(this, "Button2", tr("ｷｬﾝｾﾙ"), QRect(298, 238, 75, 25));
    connect(m_Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_Button2, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_cmbfontname, &QComboBox::currentIndexChanged, this, &TfrmOpt::cmbfontnameChange);
    connect(m_cmbfontname, &QComboBox::activated, this, &TfrmOpt::cmbfontnameChange);
    connect(m_btnfontadd, &QPushButton::clicked, this, &TfrmOpt::btnfontaddClick);
    connect(m_btnfontupdate, &QPushButton::clicked, this, &TfrmOpt::btnfontupdateClick);
    connect(m_btnfontdel, &QPushButton::clicked, this, &TfrmOpt::btnfontdelClick);
    connect(m_cmbfontview, &QPushButton::clicked, this, &TfrmOpt::cmbfontviewClick);
    connect(m_btnfontinit, &QPushButton::clicked, this, &TfrmOpt::btnfontinitClick);
    connect(m_btnbodyinit, &QPushButton::clicked, this, &TfrmOpt::btnbodyinitClick);
    connect(m_btnviewback, &QPushButton::clicked, this, &TfrmOpt::btnviewbackClick);
    connect(m_chkwww, &QCheckBox::toggled, this, &TfrmOpt::chkwwwClick);
    connect(m_btnwww, &QPushButton::clicked, this, [this] { browseBrowser(m_edtwww); });
    connect(m_btnwww2, &QPushButton::clicked, this, [this] { browseBrowser(m_edtwww2); });
    connect(m_sbplugin, &QToolButton::clicked, this, &TfrmOpt::sbpluginClick);
    connect(m_lsttemplate, &QListWidget::currentRowChanged, this, &TfrmOpt::lsttemplateChange);
    connect(m_btntemplateadd, &QPushButton::clicked, this, &TfrmOpt::btntemplateaddClick);
    connect(m_btntemplateupdate, &QPushButton::clicked, this, &TfrmOpt::btntemplateupdateClick);
    connect(m_btntemplatedel, &QPushButton::clicked, this, &TfrmOpt::btntemplatedelClick);
    connect(m_edttemplateformat, &QLineEdit::textChanged, this, &TfrmOpt::previewTemplate);
    chkwwwClick();
    previewTemplate();
}

void TfrmOpt::setPreviewColor(TColor color) {
    m_previewColor = color;
    previewTemplate();
}

bool TfrmOpt::execute() {
    showOptions();
    // Centred on the desktop the first time; later where the user left it.
    if (!m_placed) {
        const QScreen* where = screen();
        const QRect area = where ? where->availableGeometry() : QRect(0, 0, 1024, 768);
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
        m_placed = true;
    }
    if (exec() != QDialog::Accepted)
        return false;
    takeOptions();
    return true;
}

void TfrmOpt::showOptions() {
    {
        // No entry is selected after filling, so the edit keeps its text.
        const QSignalBlocker blocker(m_cmbfontname);
        m_cmbfontname->clear();
        m_cmbfontname->addItems(m_options.fonttable);
        m_cmbfontname->setCurrentIndex(-1);
    }
    m_txttblchar->setText(m_options.tblchar);
    m_cmbhtmlcase->setCurrentIndex(std::clamp(int(m_options.htmlcase), 0, 2));
    m_shpviewback->setColor(m_options.viewback);
    m_chkhtmlsave->setChecked(m_options.htmlsave);
    m_chkcolorconst->setChecked(m_options.colorconst);
    m_chkhtmlcr->setChecked(m_options.htmlcr);
    m_chkrawtext->setChecked(m_options.rawtext);
    m_cmbmarkupstyle->setCurrentIndex(std::clamp(int(m_options.markupstyle), 0, 2));
    m_cmbinterpolation->setCurrentIndex(int(m_options.interpolation));
    m_chkwww->setChecked(m_options.wwwuse);
    for (QWidget* w : {static_cast<QWidget*>(m_edtwww), static_cast<QWidget*>(m_btnwww),
                       static_cast<QWidget*>(m_edtwww2), static_cast<QWidget*>(m_btnwww2)})
        w->setEnabled(m_options.wwwuse);
    m_edtwww->setText(m_options.wwwname);
    m_edtwww2->setText(m_options.wwwname2);
    m_edtplugin->setText(m_options.plugin);
    m_templates = m_options.colortemplates;
    showTemplates();
    m_edttemplatename->clear();
    m_edttemplateformat->clear();
}

void TfrmOpt::takeOptions() {
    QStringList fonts;
    for (int i = 0; i < m_cmbfontname->count(); ++i)
        fonts.append(m_cmbfontname->itemText(i));
    m_options.fonttable = fonts;
    m_options.tblchar = m_txttblchar->text();
    m_options.htmlcase = HtmlCase(std::clamp(m_cmbhtmlcase->currentIndex(), 0, 2));
    m_options.viewback = m_shpviewback->color();
    m_options.colorconst = m_chkcolorconst->isChecked();
    m_options.htmlsave = m_chkhtmlsave->isChecked();
    m_options.htmlcr = m_chkhtmlcr->isChecked();
    m_options.rawtext = m_chkrawtext->isChecked();
    m_options.interpolation =
        GradientInterpolation(std::clamp(m_cmbinterpolation->currentIndex(), 0, 2));
    m_options.wwwuse = m_chkwww->isChecked();
    m_options.wwwname = m_edtwww->text();
    m_options.wwwname2 = m_edtwww2->text();
    m_options.plugin = m_edtplugin->text();
    m_options.colortemplates = m_templates;
    m_options.markupstyle = MarkupStyle(std::clamp(m_cmbmarkupstyle->currentIndex(), 0, 2));
}

bool TfrmOpt::acceptFontEntry(const QString& entry) {
    if (IsStorableFontTableEntry(entry))
        return true;
    ConfirmRefusal(this, FontTableEntryRefusal());
    return false;
}

void TfrmOpt::cmbfontnameChange() {
    const int index = m_cmbfontname->currentIndex();
    if (index >= 0)
        m_edtfontname->setText(m_cmbfontname->itemText(index));
}

void TfrmOpt::btnfontaddClick() {
    const QString entry = m_edtfontname->text();
    if (entry.isEmpty() || !acceptFontEntry(entry))
        return;
    const QSignalBlocker blocker(m_cmbfontname);
    m_cmbfontname->addItem(entry);
    m_edtfontname->clear();
    m_cmbfontname->setCurrentIndex(m_cmbfontname->count() - 1);
}

void TfrmOpt::btnfontupdateClick() {
    const int index = m_cmbfontname->currentIndex();
    if (index < 0)
        return;
    const QString entry = m_edtfontname->text();
    if (!acceptFontEntry(entry))
        return;
    m_cmbfontname->setItemText(index, entry);
    m_edtfontname->clear();
}

void TfrmOpt::btnfontdelClick() {
    const int index = m_cmbfontname->currentIndex();
    if (index < 0)
        return;
    const QSignalBlocker blocker(m_cmbfontname);
    m_cmbfontname->removeItem(index);
    m_cmbfontname->setCurrentIndex(-1);
    m_edtfontname->clear();
}

void TfrmOpt::cmbfontviewClick() {
    if (!m_FontDialog1) {
        m_FontDialog1 = new QFontDialog(this);
        m_FontDialog1->setObjectName(QStringLiteral("FontDialog1"));
    }
    if (m_FontDialog1->exec() != QDialog::Accepted)
        return;
    QString text = m_edtfontname->text();
    if (!text.isEmpty())
        text += QLatin1Char(',');
    m_edtfontname->setText(text + m_FontDialog1->selectedFont().family());
}

void TfrmOpt::btnfontinitClick() {
    if (!ConfirmQuestion(this, tr("初期化してよろしいですか")))
        return;
    const QSignalBlocker blocker(m_cmbfontname);
    m_cmbfontname->clear();
    m_cmbfontname->addItems(DefaultFontTable());
    m_cmbfontname->setCurrentIndex(-1);
}

void TfrmOpt::btnbodyinitClick() {
    if (!ConfirmQuestion(this, tr("初期化してよろしいですか")))
        return;
    LoadDefaultBodyPresets(m_options.bodyPresets);
    emit bodyPresetsReset();
}

void TfrmOpt::btnviewbackClick() {
    QColorDialog* dialog = m_ColorDialog1->dialog();
    dialog->setCurrentColor(ToQColor(m_shpviewback->color()));
    if (dialog->exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog->selectedColor();
    m_shpviewback->setColor(FromQColor(chosen));
}

void TfrmOpt::chkwwwClick() {
    const bool on = m_chkwww->isChecked();
    m_edtwww->setEnabled(on);
    m_btnwww->setEnabled(on);
    m_edtwww2->setEnabled(on);
    m_btnwww2->setEnabled(on);
    if (!on) {
        m_edtwww->clear();
        m_edtwww2->clear();
    }
}

void TfrmOpt::browseBrowser(QLineEdit* edit) {
    if (!m_OpenDialog1) {
        m_OpenDialog1 = new QFileDialog(this, tr("WWWブラウザを指定"));
        m_OpenDialog1->setObjectName(QStringLiteral("OpenDialog1"));
        m_OpenDialog1->setAcceptMode(QFileDialog::AcceptOpen);
        m_OpenDialog1->setFileMode(QFileDialog::ExistingFile);
#ifdef Q_OS_WIN
        m_OpenDialog1->setNameFilters({QStringLiteral("EXE(*.exe)"), QStringLiteral("all(*.*)")});
#else
        // Programs here have no extension to filter on.
        m_OpenDialog1->setNameFilters({QStringLiteral("all(*)")});
#endif
    }
#ifndef Q_OS_WIN
    // Where the browsers usually are; a full path in the edit overrides it.
    m_OpenDialog1->setDirectory(QStringLiteral("/usr/bin"));
#endif
    m_OpenDialog1->selectFile(QDir::fromNativeSeparators(edit->text()));
    if (m_OpenDialog1->exec() != QDialog::Accepted)
        return;
    const QStringList chosen = m_OpenDialog1->selectedFiles();
    if (!chosen.isEmpty())
        edit->setText(QDir::toNativeSeparators(chosen.first()));
}

void TfrmOpt::sbpluginClick() {
    if (!m_BrowseDialog1) {
        m_BrowseDialog1 = new QFileDialog(this, QStringLiteral("Plugin Folder"));
        m_BrowseDialog1->setObjectName(QStringLiteral("BrowseDialog1"));
        m_BrowseDialog1->setFileMode(QFileDialog::Directory);
        m_BrowseDialog1->setOption(QFileDialog::ShowDirsOnly);
    }
    const QString start = m_edtplugin->text();
    if (!start.isEmpty())
        m_BrowseDialog1->setDirectory(QDir::fromNativeSeparators(start));
    if (m_BrowseDialog1->exec() != QDialog::Accepted)
        return;
    const QStringList chosen = m_BrowseDialog1->selectedFiles();
    if (!chosen.isEmpty())
        m_edtplugin->setText(QDir::toNativeSeparators(chosen.first()));
}

void TfrmOpt::showTemplates() {
    const QSignalBlocker blocker(m_lsttemplate);
    m_lsttemplate->clear();
    for (const ColorTemplate& entry : m_templates)
        m_lsttemplate->addItem(entry.name);
    m_lsttemplate->setCurrentRow(-1);
}

void TfrmOpt::previewTemplate() {
    const ColorTemplateOutput output =
        WriteColorTemplateText(m_previewColor, m_edttemplateformat->text());
    m_lbltemplatepreview->setText(output ? output.text : ColorTemplateFaultText(output));
    // A fault shows in the colour of errors, not as a colour text.
    QPalette palette = m_lbltemplatepreview->palette();
    palette.setColor(QPalette::WindowText,
                     output ? this->palette().color(QPalette::WindowText) : QColor(Qt::red));
    m_lbltemplatepreview->setPalette(palette);
}

void TfrmOpt::lsttemplateChange() {
    const int row = m_lsttemplate->currentRow();
    if (row < 0 || row >= m_templates.size())
        return;
    m_edttemplatename->setText(m_templates[row].name);
    m_edttemplateformat->setText(m_templates[row].format);
}

std::optional<ColorTemplate> TfrmOpt::acceptTemplate(int replacing) {
    const ColorTemplate entry{m_edttemplatename->text().trimmed(), m_edttemplateformat->text()};
    QString refusal;
    const ColorTemplateOutput output = WriteColorTemplateText(m_previewColor, entry.format);
    const ColorTemplate* same = FindColorTemplate(m_templates, entry.name);
    if (!IsStorableColorTemplate(entry))
        refusal = tr("名前が空か、名前や書式に改行などの制御文字があります。");
    else if (!output)
        refusal = ColorTemplateFaultText(output);
    else if (same && (replacing < 0 || same != &m_templates.at(replacing)))
        refusal = tr("同じ名前のテンプレートがあります。");
    else if (replacing < 0 && m_templates.size() >= kColorTemplateCapacity)
        refusal = tr("テンプレートは %1 個までです。").arg(kColorTemplateCapacity);
    if (refusal.isEmpty())
        return entry;
    ConfirmRefusal(this, refusal);
    return std::nullopt;
}

void TfrmOpt::btntemplateaddClick() {
    if (m_edttemplatename->text().isEmpty() && m_edttemplateformat->text().isEmpty())
        return;
    const std::optional<ColorTemplate> entry = acceptTemplate(-1);
    if (!entry)
        return;
    m_templates.append(*entry);
    showTemplates();
    const QSignalBlocker blocker(m_lsttemplate);
    m_lsttemplate->setCurrentRow(int(m_templates.size()) - 1);
}

void TfrmOpt::btntemplateupdateClick() {
    const int row = m_lsttemplate->currentRow();
    if (row < 0 || row >= m_templates.size())
        return;
    const std::optional<ColorTemplate> entry = acceptTemplate(row);
    if (!entry)
        return;
    m_templates[row] = *entry;
    m_lsttemplate->item(row)->setText(entry->name);
}

void TfrmOpt::btntemplatedelClick() {
    const int row = m_lsttemplate->currentRow();
    if (row < 0 || row >= m_templates.size())
        return;
    m_templates.removeAt(row);
    showTemplates();
    m_edttemplatename->clear();
    m_edttemplateformat->clear();
}
