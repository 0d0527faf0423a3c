#include "ui/window/ColorControls.h"

#include "core/InvalidNumberError.h"
#include "core/QtColor.h"
#include "ui/window/CurrentColorModel.h"

#include "ui/dialogs/SharedColorDialog.h"

#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {

const char* const kTagProperty = "tag";

void CopyText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

// Width of the part of `button` that shows its text.
int TextRoom(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(QPoint(0, 0), button->size());
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
}

// Shows `text` on a notation button, elided when the button is too narrow
// for it; the tooltip always holds it whole.
void ShowNotation(QPushButton* button, const QString& text) {
    button->setToolTip(text);
    const QFontMetrics metrics(button->font());
    button->setText(metrics.horizontalAdvance(text) <= TextRoom(button)
                        ? text
                        : metrics.elidedText(text, Qt::ElideRight, TextRoom(button)));
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
        connect(edit, &QLineEdit::textEdited, this, [this, tag] { applyEdit(tag, false); });
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
    placeNotationButtons();
}

void ColorControls::placeNotationButtons() {
    // The row of 226 pixels is shared by what the widest value of each
    // notation needs in this font; what is left is shared evenly.
    const std::array<QPushButton*, 3> buttons = {m_btnrrggbb, m_rtncolorrgb, m_btnhsv};
    const QFontMetrics metrics(font());
    const auto widestOf = [&metrics](const QString& characters) {
        QChar widest = characters.front();
        for (QChar c : characters)
            if (metrics.horizontalAdvance(c) > metrics.horizontalAdvance(widest))
                widest = c;
        return QString(widest);
    };
    const QString digit = widestOf(QStringLiteral("0123456789"));
    const QString triple = digit.repeated(3) + QLatin1Char(',') + digit.repeated(3) +
                           QLatin1Char(',') + digit.repeated(3);
    const QString widest[3] = {QLatin1Char('#') +
                                   widestOf(QStringLiteral("0123456789ABCDEF")).repeated(6),
                               triple, triple};
    std::array<int, 3> widths{};
    int sum = 0;
    for (size_t i = 0; i < 3; ++i) {
        buttons[i]->resize(100, 24);
        widths[i] = metrics.horizontalAdvance(widest[i]) + 100 - TextRoom(buttons[i]);
        sum += widths[i];
    }
    const int row = 226 - 2 * 2;
    int x = 4;
    for (size_t i = 0; i < 3; ++i) {
        const int width = sum <= row ? widths[i] + (row - sum) / 3 : widths[i] * row / sum;
        buttons[i]->setGeometry(x, 92, width, 24);
        x += width + 2;
    }
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
        if (i != m_typingIn && m_edits[i]->text() != text)
            m_edits[i]->setText(text);
    }
    ShowNotation(m_btnrrggbb, ColorToHtml(m_model.CurrentColor()));
    ShowNotation(m_rtncolorrgb, ColorToRgbText(m_model.CurrentColor()));
    ShowNotation(m_btnhsv, ColorToHsvText(m_model.CurrentColor()));
}

TColor ColorControls::sliderColor() const {
    return RgbToColor(m_trackBars[0]->value(), m_trackBars[1]->value(), m_trackBars[2]->value());
}

void ColorControls::TrackBar1Change(int tag) {
    m_edits[tag]->setText(QString::number(m_trackBars[tag]->value()));
    m_model.SetCurrentColor(sliderColor());
}

bool ColorControls::applyEdit(int tag, bool finished) {
    QLineEdit* edit = m_edits[tag];
    bool ok = true;
    const qlonglong number = edit->text().isEmpty() ? 0 : edit->text().toLongLong(&ok);
    if (!ok)
        return false;
    if (number >= 256)
        edit->setText(QStringLiteral("255"));
    {
        const QSignalBlocker blocker(m_trackBars[tag]);
        m_trackBars[tag]->setValue(int(std::clamp<qlonglong>(number, 0, 255)));
    }
    const QScopedValueRollback typing(m_typingIn, finished ? -1 : tag);
    m_model.SetCurrentColor(sliderColor());
    return true;
}

bool ColorControls::Edit1KeyPress(int tag, QChar key) {
    QLineEdit* edit = m_edits[tag];
    const bool passes = (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QChar(8);
    bool number = false;
    edit->text().toLongLong(&number);
    if (!number && !edit->text().isEmpty()) {
        // Only a paste from the context menu can bring a non-number here.
        const InvalidNumberError error(tr("'%1' は有効な整数値ではありません。").arg(edit->text()));
        QMessageBox::critical(this, QStringLiteral("Vellomar"), error.message());
        // The failed key is dropped: a digit must not join the bad text.
        return true;
    }
    // A digit or backspace edits the box, and the edit applies the new text;
    // any other key (Enter among them) is swallowed and applies the text.
    if (passes)
        return false;
    applyEdit(tag, true);
    return true;
}

bool ColorControls::eventFilter(QObject* watched, QEvent* event) {
    // Not when a message box or a menu takes the focus for a moment.
    const auto reason = event->type() == QEvent::FocusOut
                            ? static_cast<QFocusEvent*>(event)->reason()
                            : Qt::OtherFocusReason;
    if (event->type() == QEvent::FocusOut && reason != Qt::ActiveWindowFocusReason &&
        reason != Qt::PopupFocusReason) {
        for (int tag = 0; tag < 3; ++tag) {
            // The typing is applied already; leaving only tidies the text
            // (a pasted non-number gives way to the colour's own value).
            if (watched == m_edits[tag])
                showColor(m_model.CurrentColor());
        }
    }
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
    dialog->setCurrentColor(ToQColor(c));
    if (dialog->exec() == QDialog::Accepted) {
        const QColor chosen = dialog->selectedColor();
        m_model.PickCurrentColor(FromQColor(chosen));
    }
}
