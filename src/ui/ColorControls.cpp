#include "ui/ColorControls.h"

#include "core/InvalidNumberError.h"
#include "ui/CurrentColorModel.h"

#include "ui/SharedColorDialog.h"

#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace {

const char* const kTagProperty = "tag";

void CopyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

} // namespace

ColorControls::ColorControls(CurrentColorModel& model, SharedColorDialog* colorDialog,
                             QWidget* parent)
    : QWidget(parent), m_model(model), m_colorDialog(colorDialog) {
    setObjectName(QStringLiteral("pnlColorControls"));
    const QString hints[3] = {tr("赤色の成分を調整します"), tr("緑色の成分を調整します"),
                              tr("青色の成分を調整します")};
    static const char* const letters[3] = {"R", "G", "B"};
    QFont labelFont = font();
    labelFont.setBold(true);
    labelFont.setPixelSize(15);
    for (int tag = 0; tag < 3; ++tag) {
        const int y = 6 + tag * 28;
        auto* label = new QLabel(QString::fromLatin1(letters[tag]), this);
        label->setFont(labelFont);
        label->setGeometry(6, y, 14, 22);

        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(QStringLiteral("TrackBar%1").arg(tag + 1));
        slider->setProperty(kTagProperty, tag);
        slider->setRange(0, 255);
        slider->setPageStep(16);
        slider->setSingleStep(tag == 0 ? 1 : 8);
        slider->setTickInterval(8);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setToolTip(hints[tag]);
        slider->setAccessibleName(QString::fromLatin1(letters[tag]));
        slider->setGeometry(22, y, 150, 24);
        connect(slider, &QSlider::valueChanged, this, [this, tag] { TrackBar1Change(tag); });
        m_trackBars[tag] = slider;

        auto* edit = new QLineEdit(QStringLiteral("0"), this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(tag + 1));
        edit->setProperty(kTagProperty, tag);
        edit->setToolTip(hints[tag]);
        edit->setAccessibleName(QString::fromLatin1(letters[tag]));
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
        edit->setGeometry(176, y + 1, 50, 21);
        edit->installEventFilter(this);
        m_edits[tag] = edit;
    }

    m_btnrrggbb = new QPushButton(QStringLiteral("#RRGGBB"), this);
    m_btnrrggbb->setObjectName(QStringLiteral("btnrrggbb"));
    m_btnrrggbb->setGeometry(4, 92, 74, 24);
    connect(m_btnrrggbb, &QPushButton::clicked, this,
            [this] { CopyText(ColorToHtml(m_model.CurrentColor())); });

    m_rtncolorrgb = new QPushButton(QStringLiteral("RGB"), this);
    m_rtncolorrgb->setObjectName(QStringLiteral("rtncolorrgb"));
    m_rtncolorrgb->setGeometry(80, 92, 74, 24);
    connect(m_rtncolorrgb, &QPushButton::clicked, this,
            [this] { CopyText(ColorToRgbText(m_model.CurrentColor())); });

    m_btnhsv = new QPushButton(QStringLiteral("HSV"), this);
    m_btnhsv->setObjectName(QStringLiteral("btnhsv"));
    m_btnhsv->setGeometry(156, 92, 74, 24);
    connect(m_btnhsv, &QPushButton::clicked, this,
            [this] { CopyText(ColorToHsvText(m_model.CurrentColor())); });

    m_btnColor = new QPushButton(tr("色の設定"), this);
    m_btnColor->setObjectName(QStringLiteral("btnColor"));
    m_btnColor->setToolTip(tr("任意の色を選択して記録できます"));
    m_btnColor->setGeometry(4, 120, 226, 24);
    connect(m_btnColor, &QPushButton::clicked, this, &ColorControls::btnColorClick);
    setFixedSize(233, 148);
}

void ColorControls::showColor(TColor color) {
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
    m_btnrrggbb->setText(ColorToHtml(m_model.CurrentColor()));
    m_rtncolorrgb->setText(ColorToRgbText(m_model.CurrentColor()));
    m_btnhsv->setText(ColorToHsvText(m_model.CurrentColor()));
}

TColor ColorControls::sliderColor() const {
    return RgbToColor(m_trackBars[0]->value(), m_trackBars[1]->value(), m_trackBars[2]->value());
}

void ColorControls::TrackBar1Change(int tag) {
    m_edits[tag]->setText(QString::number(m_trackBars[tag]->value()));
    m_model.SetCurrentColor(sliderColor());
}

bool ColorControls::Edit1KeyPress(int tag, QChar key) {
    const bool passes = (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QChar(8);
    // Whatever the key, the text typed before it is applied now.
    QLineEdit* edit = m_edits[tag];
    if (edit->text().isEmpty())
        edit->setText(QStringLiteral("0"));
    bool ok = false;
    const qlonglong number = edit->text().toLongLong(&ok);
    if (!ok) {
        // Only a paste from the context menu can bring a non-number here.
        const InvalidNumberError error(tr("'%1' は有効な整数値ではありません。").arg(edit->text()));
        QMessageBox::critical(this, QStringLiteral("Vellomar"), error.message());
        // The failed key is dropped: a digit must not join the bad text.
        return true;
    }
    if (number >= 256)
        edit->setText(QStringLiteral("255"));
    {
        const QSignalBlocker blocker(m_trackBars[tag]);
        m_trackBars[tag]->setValue(int(std::clamp<qlonglong>(number, 0, 255)));
    }
    m_model.SetCurrentColor(sliderColor());
    return !passes;
}

bool ColorControls::eventFilter(QObject* watched, QEvent* event) {
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
    return QWidget::eventFilter(watched, event);
}

void ColorControls::btnColorClick() {
    const TColor c = m_model.CurrentColor();
    QColorDialog* dialog = m_colorDialog->dialog();
    dialog->setCurrentColor(QColor(ColorRed(c), ColorGreen(c), ColorBlue(c)));
    if (dialog->exec() == QDialog::Accepted) {
        const QColor chosen = dialog->selectedColor();
        m_model.SetCurrentColor(RgbToColor(chosen.red(), chosen.green(), chosen.blue()));
    }
}
