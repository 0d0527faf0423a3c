#include "ui/pages/color/SecondColorContrast.h"

#include "core/CssColorText.h"
#include "core/QtColor.h"
#include "html/BodyContrast.h"
#include "ui/pages/PageHost.h"
#include "ui/window/ColorEntry.h"
#include "ui/window/CurrentColorModel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QToolButton>

SecondColorContrast::SecondColorContrast(PageHost& host, QWidget* parent)
    : QGroupBox(tr("コントラスト"), parent), m_host(host) {
    setObjectName(QStringLiteral("grpcontrast"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 2, 4, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);

    m_edit = new QLineEdit(QStringLiteral("#FFFFFF"), this);
    m_edit->setObjectName(QStringLiteral("edtsecondcolor"));
    m_edit->setAccessibleName(tr("比較する色"));
    m_hint = tr("CSS の色の書き方ならどれでも読めます（#RGB、名前、rgb()、hsl()、oklch() など）。");
    m_edit->setToolTip(m_hint);
    auto* caption = new QLabel(tr("比較する色(&K):"), this);
    caption->setBuddy(m_edit);

    auto* history = new QToolButton(this);
    history->setObjectName(QStringLiteral("btnsecondhistory"));
    history->setText(tr("履歴"));
    history->setAccessibleName(tr("履歴から比較する色を選ぶ"));
    history->setToolTip(tr("履歴から比較する色を選ぶ"));
    history->setPopupMode(QToolButton::InstantPopup);
    m_historyMenu = new QMenu(history);
    m_historyMenu->setObjectName(QStringLiteral("mnusecondhistory"));
    history->setMenu(m_historyMenu);
    // Filled when opened: the history changes while the page is not looking.
    connect(m_historyMenu, &QMenu::aboutToShow, this, &SecondColorContrast::fillHistoryMenu);

    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("lblcontrast"));
    m_result->setAccessibleName(tr("コントラスト比"));
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    grid->addWidget(caption, 0, 0);
    grid->addWidget(m_edit, 0, 1);
    grid->addWidget(history, 0, 2);
    grid->addWidget(m_result, 1, 0, 1, 3);

    connect(m_edit, &QLineEdit::editingFinished, this, &SecondColorContrast::readText);
    if (CurrentColorModel* model = host.currentColorModel())
        connect(model, &CurrentColorModel::changed, this, &SecondColorContrast::showContrast);
    readText();
}

void SecondColorContrast::readText() {
    const CssColorInput input = ReadCssColorText(m_edit->text());
    m_second = input ? std::optional(input.color) : std::nullopt;
    // The error shows on the box itself, and the result says why.
    m_edit->setProperty("invalid", !input);
    ColorEntry::showError(m_edit, input ? QString() : ColorEntry::errorText(input.error), m_hint);
    showContrast();
}

void SecondColorContrast::showContrast() {
    m_result->setText(
        m_second ? tr("コントラスト比 %1").arg(ContrastText(m_host.CurrentColor(), *m_second))
                 : tr("色として読めません"));
}

void SecondColorContrast::fillHistoryMenu() {
    m_historyMenu->clear();
    const std::vector<TColor> colors = m_host.recentColors();
    if (colors.empty())
        m_historyMenu->addAction(tr("（履歴はありません）"))->setEnabled(false);
    for (const TColor color : colors) {
        QPixmap sample(12, 12);
        sample.fill(ToQColor(color));
        const QString hex = ColorToHtml(color);
        connect(m_historyMenu->addAction(QIcon(sample), hex), &QAction::triggered, this,
                [this, hex] {
                    m_edit->setText(hex);
                    readText();
                });
    }
}
