#include "ui/TfrmMain.h"

#include "core/InvalidNumberError.h"
#include "gradient/GradientListOps.h"
#include "gradient/GradientStore.h"
#include "settings/OptionsStore.h"
#include "settings/SettingsStore.h"
#include "shell/TSingleInstance.h"
#include "ui/ColorSwatch.h"
#include "ui/DialogCustomColors.h"
#include "ui/FormPlacement.h"
#include "ui/GradientBar.h"
#include "ui/NamedColorList.h"
#include "ui/TfrmGradEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const kTagProperty = "tag";

QColor ToQColor(TColor c) {
    return QColor(ColorRed(c), ColorGreen(c), ColorBlue(c));
}

TColor FromQColor(const QColor& c) {
    return RgbToColor(c.red(), c.green(), c.blue());
}

void CopyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

} // namespace

TfrmMain::TfrmMain(SettingsStore& store, QWidget* parent, TSingleInstance* singleInstance)
    : QMainWindow(parent), m_store(store), m_singleInstance(singleInstance) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vellomar Ver 3.12"));
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
                      QStringLiteral("IPAGothic")});
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(627, 470);
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    auto* strip = new QWidget(central);
    strip->setObjectName(QStringLiteral("pnlColorStrip"));
    strip->setFixedHeight(77);
    column->addWidget(strip);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    column->addLayout(row, 1);
    auto* left = new QWidget(central);
    left->setObjectName(QStringLiteral("pnlLeft"));
    left->setFixedWidth(233);
    row->addWidget(left);
    auto* right = new QWidget(central);
    right->setObjectName(QStringLiteral("pnlRight"));
    row->addWidget(right, 1);
    setCentralWidget(central);

    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setFixedHeight(19);
    statusBar()->setSizeGripEnabled(false);

    m_colorDialog = new QColorDialog(this);
    m_colorDialog->setObjectName(QStringLiteral("ColorDialog1"));
    m_colorDialog->setOption(QColorDialog::DontUseNativeDialog);

    createColorStrip(strip);
    createLeftPanel(left);
    createMainParts();

    // The parts exist: the single-instance check runs before the creation
    // handler, so a duplicate reads and writes no settings.
    if (m_singleInstance && m_singleInstance->Loaded()) {
        m_duplicate = true;
        return;
    }
    FormCreate();
    // The gradient editor is the second window of the program, made right
    // after the main window's creation handler.
    m_frmGradEdit = new TfrmGradEdit(m_gradientTables, m_store, m_colorDialog, this);
}

TfrmMain::~TfrmMain() {
    // Shut-down destroys the windows in reverse order of creation: the
    // gradient editor, which saves the gradient tables, goes before the
    // main window saves the rest.
    delete m_frmGradEdit;
    m_frmGradEdit = nullptr;
    if (!m_duplicate)
        FormDestroy();
}

int TfrmMain::currentPageIndex() const {
    return m_PageControl1->currentIndex();
}

void TfrmMain::lstcolortableClick(int row) {
    if (row < 0 || row >= m_options.colors.count())
        return;
    SetCurrentColor(m_options.colors.at(row).value);
    if (m_updating)
        return;
    switch (currentPageIndex()) {
    case BodyPage:
        if (m_bodySetAction)
            m_bodySetAction();
        break;
    case ColorPage:
        if (m_colorSetAction)
            m_colorSetAction();
        break;
    default:
        break;
    }
}

void TfrmMain::createColorStrip(QWidget* strip) {
    m_imgcolor = new ColorSwatch(strip);
    m_imgcolor->setObjectName(QStringLiteral("imgcolor"));
    m_imgcolor->setGeometry(152, 7, 79, 63);
    m_imgcolor->setAccessibleName(QStringLiteral("現在の色"));

    m_cmbgra = new QComboBox(strip);
    m_cmbgra->setObjectName(QStringLiteral("cmbgra"));
    m_cmbgra->setToolTip(QStringLiteral("グラデーションテーブル"));
    m_cmbgra->setAccessibleName(QStringLiteral("グラデーションテーブル"));
    m_cmbgra->setGeometry(240, 7, 300, 22);
    // Both a new selection and a click on the list redraw the preview.
    connect(m_cmbgra, &QComboBox::currentIndexChanged, this, [this] { cmbgraChange(); });
    connect(m_cmbgra, &QComboBox::activated, this, [this] { cmbgraChange(); });

    m_imgtruecolor = new GradientBar(300, 25, strip);
    m_imgtruecolor->setObjectName(QStringLiteral("imgtruecolor"));
    m_imgtruecolor->setAccessibleName(QStringLiteral("グラデーション"));
    m_imgtruecolor->move(240, 37);

    m_btngraedit = new QPushButton(QStringLiteral("編集(&E).."), strip);
    m_btngraedit->setObjectName(QStringLiteral("btngraedit"));
    m_btngraedit->setGeometry(546, 6, 75, 24);
    connect(m_btngraedit, &QPushButton::clicked, this, &TfrmMain::btngraeditClick);
}

void TfrmMain::loadGradients() {
    LoadGradientTables(m_store, m_gradientTables);
    m_cmbgra->clear();
    m_cmbgra->addItems(FillGradientNames(m_gradientTables));
    m_cmbgra->setCurrentIndex(0);
}

void TfrmMain::cmbgraChange() {
    const int index = m_cmbgra->currentIndex();
    if (!m_gradientTables.isValidIndex(index)) {
        m_imgtruecolor->clear();
        return;
    }
    m_imgtruecolor->draw(m_gradientTables.slot(index).stops());
}

void TfrmMain::btngraeditClick() {
    CenterOverMainWindow(m_frmGradEdit, this);
    m_frmGradEdit->exec();
    {
        const QSignalBlocker blocker(m_cmbgra);
        m_cmbgra->clear();
        m_cmbgra->addItems(FillGradientNames(m_gradientTables));
        m_cmbgra->setCurrentIndex(0);
    }
    // Activation redraws the preview as well, but not every platform
    // reactivates the main window after a modal dialog.
    cmbgraChange();
}

void TfrmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        cmbgraChange();
    QMainWindow::changeEvent(event);
}

void TfrmMain::createLeftPanel(QWidget* panel) {
    static const char* const hints[3] = {"赤色の成分を調整します", "緑色の成分を調整します",
                                         "青色の成分を調整します"};
    static const char* const letters[3] = {"R", "G", "B"};
    QFont labelFont = font();
    labelFont.setBold(true);
    labelFont.setPixelSize(15);
    for (int tag = 0; tag < 3; ++tag) {
        const int y = 6 + tag * 28;
        auto* label = new QLabel(QString::fromLatin1(letters[tag]), panel);
        label->setFont(labelFont);
        label->setGeometry(6, y, 14, 22);

        auto* slider = new QSlider(Qt::Horizontal, panel);
        slider->setObjectName(QStringLiteral("TrackBar%1").arg(tag + 1));
        slider->setProperty(kTagProperty, tag);
        slider->setRange(0, 255);
        slider->setPageStep(16);
        slider->setSingleStep(tag == 0 ? 1 : 8);
        slider->setTickInterval(8);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setToolTip(QString::fromUtf8(hints[tag]));
        slider->setAccessibleName(QString::fromLatin1(letters[tag]));
        slider->setGeometry(22, y, 150, 24);
        connect(slider, &QSlider::valueChanged, this, [this, tag] { TrackBar1Change(tag); });
        m_trackBars[tag] = slider;

        auto* edit = new QLineEdit(QStringLiteral("0"), panel);
        edit->setObjectName(QStringLiteral("Edit%1").arg(tag + 1));
        edit->setProperty(kTagProperty, tag);
        edit->setToolTip(QString::fromUtf8(hints[tag]));
        edit->setAccessibleName(QString::fromLatin1(letters[tag]));
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        edit->setGeometry(176, y + 1, 50, 21);
        edit->installEventFilter(this);
        m_edits[tag] = edit;
    }

    m_btnrrggbb = new QPushButton(QStringLiteral("#RRGGBB"), panel);
    m_btnrrggbb->setObjectName(QStringLiteral("btnrrggbb"));
    m_btnrrggbb->setGeometry(4, 92, 74, 24);
    connect(m_btnrrggbb, &QPushButton::clicked, this,
            [this] { CopyText(ColorToHtml(CurrentColor())); });

    m_rtncolorrgb = new QPushButton(QStringLiteral("RGB"), panel);
    m_rtncolorrgb->setObjectName(QStringLiteral("rtncolorrgb"));
    m_rtncolorrgb->setGeometry(80, 92, 74, 24);
    connect(m_rtncolorrgb, &QPushButton::clicked, this,
            [this] { CopyText(ColorToRgbText(CurrentColor())); });

    m_btnhsv = new QPushButton(QStringLiteral("HSV"), panel);
    m_btnhsv->setObjectName(QStringLiteral("btnhsv"));
    m_btnhsv->setGeometry(156, 92, 74, 24);
    connect(m_btnhsv, &QPushButton::clicked, this,
            [this] { CopyText(ColorToHsvText(CurrentColor())); });

    m_btnColor = new QPushButton(QStringLiteral("色の設定"), panel);
    m_btnColor->setObjectName(QStringLiteral("btnColor"));
    m_btnColor->setToolTip(QStringLiteral("任意の色を選択して記録できます"));
    m_btnColor->setGeometry(4, 120, 226, 24);
    connect(m_btnColor, &QPushButton::clicked, this, &TfrmMain::btnColorClick);

    m_lstcolortable = new NamedColorList(panel);
    m_lstcolortable->setGeometry(4, 148, 226, std::max(0, panel->height() - 152));
    connect(m_lstcolortable, &NamedColorList::rowChosen, this, &TfrmMain::lstcolortableClick);
    // The panel places its children by hand; the list takes the height left below the buttons.
    m_leftPanel = panel;
    panel->installEventFilter(this);
}

TColor TfrmMain::CurrentColor() const {
    return m_imgcolor->color();
}

void TfrmMain::SetCurrentColor(TColor color) {
    m_imgcolor->fill(color);
    m_imgcolor->setToolTip(ColorToHtml(color));
    const int components[3] = {ColorRed(color), ColorGreen(color), ColorBlue(color)};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker blocker(m_trackBars[i]);
        m_trackBars[i]->setValue(components[i]);
    }
    for (int i = 0; i < 3; ++i) {
        const QString text = QString::number(m_trackBars[i]->value());
        // Rewriting an equal text would move the caret of a box being typed in.
        if (m_edits[i]->text() != text)
            m_edits[i]->setText(text);
    }
    m_btnrrggbb->setText(ColorToHtml(CurrentColor()));
    m_rtncolorrgb->setText(ColorToRgbText(CurrentColor()));
    m_btnhsv->setText(ColorToHsvText(CurrentColor()));
}

TColor TfrmMain::sliderColor() const {
    return RgbToColor(m_trackBars[0]->value(), m_trackBars[1]->value(), m_trackBars[2]->value());
}

void TfrmMain::TrackBar1Change(int tag) {
    m_edits[tag]->setText(QString::number(m_trackBars[tag]->value()));
    SetCurrentColor(sliderColor());
}

bool TfrmMain::Edit1KeyPress(int tag, QChar key) {
    const bool passes = (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QChar(8);
    // Whatever the key, the text typed before it is applied now.
    QLineEdit* edit = m_edits[tag];
    if (edit->text().isEmpty())
        edit->setText(QStringLiteral("0"));
    bool ok = false;
    const qlonglong number = edit->text().toLongLong(&ok);
    if (!ok) {
        // Only a paste from the context menu can bring a non-number here.
        const InvalidNumberError error(
            QStringLiteral("'%1' は有効な整数値ではありません。").arg(edit->text()));
        QMessageBox::critical(this, QStringLiteral("Vellomar"), error.message());
        return !passes;
    }
    if (number >= 256)
        edit->setText(QStringLiteral("255"));
    {
        const QSignalBlocker blocker(m_trackBars[tag]);
        m_trackBars[tag]->setValue(int(std::clamp<qlonglong>(number, 0, 255)));
    }
    SetCurrentColor(sliderColor());
    return !passes;
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_leftPanel && event->type() == QEvent::Resize)
        m_lstcolortable->setGeometry(4, 148, 226, std::max(0, m_leftPanel->height() - 152));
    if (event->type() == QEvent::KeyPress) {
        for (int tag = 0; tag < 3; ++tag) {
            if (watched != m_edits[tag])
                continue;
            auto* key = static_cast<QKeyEvent*>(event);
            // Tab moves the focus and Delete edits; neither types a character,
            // though X11 reports Delete's text as DEL.
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                key->key() == Qt::Key_Delete)
                return false;
            QChar ch;
            if (!key->text().isEmpty())
                ch = key->text().at(0);
            else if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
                     key->matches(QKeySequence::Paste))
                ch = QChar(key->key() & 0x1F); // the control character the shortcut types
            else
                return false; // caret movement and the like type no character
            return Edit1KeyPress(tag, ch);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfrmMain::btnColorClick() {
    m_colorDialog->setCurrentColor(ToQColor(CurrentColor()));
    if (m_colorDialog->exec() == QDialog::Accepted)
        SetCurrentColor(FromQColor(m_colorDialog->selectedColor()));
}
