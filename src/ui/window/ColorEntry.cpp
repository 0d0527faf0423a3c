#include "ui/window/ColorEntry.h"

#include "core/CssColorText.h"
#include "ui/window/CurrentColorModel.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTextEdit>

namespace {

// Longer than any colour text; a longer clipboard is not read at all.
const int kLongestText = 1024;

// Widgets that take Ctrl+V as text of their own.
bool TakesText(const QWidget* w) {
    if (const auto* combo = qobject_cast<const QComboBox*>(w))
        return combo->isEditable();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w);
}

// The distance as the command line prints it: at most four decimals.
QString Distance(double deltaE) {
    QString text = QString::number(deltaE, 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

ColorEntry::ColorEntry(CurrentColorModel& model, QWidget* parent)
    : QWidget(parent), m_model(model) {
    setObjectName(QStringLiteral("pnlColorEntry"));
    m_hint = tr("CSS の色（名前、#RRGGBB、rgb()、hsl()、oklch()、color() など）を入力し、"
                "Enter で現在の色にします");
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("edtcsscolor"));
    m_edit->setAccessibleName(tr("CSS の色"));
    m_edit->setPlaceholderText(tr("CSS の色"));
    m_edit->setToolTip(m_hint);
    m_edit->setMaxLength(kLongestText);
    m_edit->setGeometry(4, 0, 226, 22);
    // Enter applies the text even when it was not changed since, as a way
    // to pick the same colour again; leaving the box applies only an edit.
    // A box left empty shows the current colour again.
    const auto apply = [this](bool always) {
        if (m_edit->text().trimmed().isEmpty()) {
            m_edit->setModified(false);
            showColor(m_model.CurrentColor());
        } else if (always || m_edit->isModified()) {
            enter(m_edit->text());
        }
    };
    connect(m_edit, &QLineEdit::returnPressed, this, [apply] { apply(true); });
    connect(m_edit, &QLineEdit::editingFinished, this, [apply] { apply(false); });

    m_nearest = new QLabel(this);
    m_nearest->setObjectName(QStringLiteral("lblnearest"));
    m_nearest->setAccessibleName(tr("CSS の色の名前"));
    m_nearest->setGeometry(6, 24, 222, 18);
    setFixedSize(233, 44);
}

void ColorEntry::showColor(TColor color) {
    const NearestCssName nearest = NearestCssColorName(color);
    const QString text =
        nearest.deltaE == 0
            ? tr("名前: %1").arg(nearest.name)
            : tr("近い名前: %1 (ΔE %2)").arg(nearest.name, Distance(nearest.deltaE));
    m_nearest->setToolTip(text);
    m_nearest->setText(m_nearest->fontMetrics().elidedText(text, Qt::ElideRight,
                                                           m_nearest->contentsRect().width()));
    if (m_entering || m_edit->isModified())
        return;
    const QSignalBlocker blocker(m_edit);
    m_edit->setText(ColorToHtml(color));
    showError(m_edit, QString(), m_hint);
}

void ColorEntry::enter(const QString& text) {
    m_edit->setModified(false);
    const CssColorInput input = ReadCssColorText(text);
    if (!input) {
        showError(m_edit, errorText(input.error), m_hint);
        emit message(tr("色として読めません: %1").arg(errorText(input.error)));
        return;
    }
    showError(m_edit, QString(), m_hint);
    {
        const QScopedValueRollback entering(m_entering, true);
        m_model.PickCurrentColor(input.color);
    }
    emit message(input.mapped ? tr("sRGB の外の色を sRGB に写しました") : QString());
}

QString ColorEntry::errorText(CssColorError error) {
    switch (error) {
    case CssColorError::None:
        break;
    case CssColorError::Empty:
        return tr("色が書かれていません");
    case CssColorError::UnknownName:
        return tr("CSS にない色の名前です");
    case CssColorError::NoColorOfItsOwn:
        return tr("決まった色を持たない名前です");
    case CssColorError::BadHex:
        return tr("# の後には 16 進の数字を 3、4、6、8 桁書きます");
    case CssColorError::UnknownFunction:
        return tr("CSS にない色の関数か色空間です");
    case CssColorError::BadSyntax:
        return tr("CSS の色の書き方ではありません");
    case CssColorError::BadComponent:
        return tr("色の成分の数か書き方が違います");
    }
    return {};
}

void ColorEntry::showError(QLineEdit* edit, const QString& reason, const QString& hint) {
    edit->setToolTip(reason.isEmpty() ? hint : reason);
    if (reason.isEmpty()) {
        edit->setPalette(QPalette());
        return;
    }
    QPalette tinted = edit->palette();
    tinted.setColor(QPalette::Base, QColor(255, 214, 214));
    tinted.setColor(QPalette::Text, Qt::black);
    edit->setPalette(tinted);
}

void ColorEntry::pasteClipboard() {
    const QString text = QGuiApplication::clipboard()->text().trimmed();
    // Nothing or a long text is not put into the box.
    if (text.isEmpty() || text.size() > kLongestText) {
        emit message(
            tr("色として読めません: %1")
                .arg(errorText(text.isEmpty() ? CssColorError::Empty : CssColorError::BadSyntax)));
        return;
    }
    {
        const QSignalBlocker blocker(m_edit);
        m_edit->setText(text);
    }
    enter(text);
}

void ColorEntry::takePastesIn(QWidget* area) {
    area->installEventFilter(this);
}

bool ColorEntry::eventFilter(QObject* watched, QEvent* event) {
    // Key events the focus widget leaves pass up through its parents. Taking
    // the override turns Ctrl+V from the window's paste into a key press.
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste) && !TakesText(QApplication::focusWidget())) {
            key->accept();
            if (event->type() == QEvent::KeyPress)
                pasteClipboard();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
