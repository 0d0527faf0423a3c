#include "ui/pages/color/PageColor.h"

#include "core/CssColorText.h"
#include "html/ColorNotation.h"
#include "html/PageMarkup.h"
#include "settings/ProgramOptions.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/PageHost.h"
#include "ui/pages/color/SecondColorContrast.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStatusBar>

namespace {

// Where a list entry keeps what it writes: a notation's index in
// CssFormatNames, or a user template's name.
constexpr int kFormatRole = Qt::UserRole;
constexpr int kTemplateRole = Qt::UserRole + 1;

// What a list entry writes, with the group's notation `notation` beside it.
ColorPageModel EntryModel(const QListWidgetItem* item, int notation) {
    ColorPageModel page;
    page.notation = notation;
    if (const QVariant name = item->data(kTemplateRole); name.isValid())
        page.templateName = name.toString();
    else
        page.css = CssFormatNames()[size_t(item->data(kFormatRole).toInt())].second;
    return page;
}

} // namespace

PageColor::PageColor(PageHost& host, QWidget* parent) : HtmlPage(host, parent) {
    m_btncolorset = PageButton(this, "btncolorset", tr("設定"), QRect(4, 4, 75, 25));

    m_rdocolor = new QGroupBox(this);
    m_rdocolor->setObjectName(QStringLiteral("rdocolor"));
    m_rdocolor->setAccessibleName(tr("カラー表記"));
    m_rdocolor->setGeometry(2, 34, 382, 128);
    auto* grid = new QGridLayout(m_rdocolor);
    // The longest notation only just fits its half of the page.
    grid->setContentsMargins(4, 4, 2, 4);
    grid->setHorizontalSpacing(2);
    QStringList captions = ColorNotationStartCaptions();
    captions.resize(kColorNotationCount);
    m_rdocolorItems = PageRadioGroup(m_rdocolor, captions);
    // Two columns, filled top to bottom: items 0..4 left, 5..9 right.
    for (int i = 0; i < kColorNotationCount; ++i) {
        m_rdocolorButtons[i] = static_cast<QRadioButton*>(m_rdocolorItems->button(i));
        grid->addWidget(m_rdocolorButtons[i], i % 5, i / 5);
    }
    m_rdocolorButtons[m_page.notation]->setChecked(true);
    fitNotations();
    (new SecondColorContrast(host, this))->setGeometry(2, 216, 382, 62);

    // Below the group, the page's width: the entries flow in rows.
    m_lstcssformat = new QListWidget(this);
    m_lstcssformat->setObjectName(QStringLiteral("lstcssformat"));
    m_lstcssformat->setAccessibleName(tr("CSS・その他の表記"));
    m_lstcssformat->setGeometry(2, 166, 382, 46);
    m_lstcssformat->setFlow(QListView::LeftToRight);
    m_lstcssformat->setWrapping(true);
    m_lstcssformat->setResizeMode(QListView::Adjust);
    m_lstcssformat->setSpacing(1);
    m_lstcssformat->setSelectionMode(QAbstractItemView::SingleSelection);
    fillFormats();

    connect(m_btncolorset, &QPushButton::clicked, this, &PageColor::btncolorsetClick);
    connect(m_rdocolorItems, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            notationChosen(id);
    });
    connect(m_lstcssformat, &QListWidget::itemSelectionChanged, this, &PageColor::formatChosen);
}

void PageColor::fillFormats() {
    const QSignalBlocker blocker(m_lstcssformat);
    m_lstcssformat->clear();
    QListWidgetItem* chosen = nullptr;
    int index = 0;
    for (const auto& [name, format] : CssFormatNames()) {
        auto* item = new QListWidgetItem(QString::fromLatin1(name), m_lstcssformat);
        item->setData(kFormatRole, index++);
        if (m_page.css == format)
            chosen = item;
    }
    for (const ColorTemplate& entry : host().options().colortemplates) {
        auto* item = new QListWidgetItem(entry.name, m_lstcssformat);
        item->setData(kTemplateRole, entry.name);
        item->setToolTip(tr("ユーザーテンプレート: %1").arg(entry.format));
        QFont font = item->font();
        font.setItalic(true);
        item->setFont(font);
        if (m_page.templateName == entry.name)
            chosen = item;
    }
    if (chosen) {
        chosen->setSelected(true);
        m_lstcssformat->setCurrentItem(chosen);
    } else if (m_page.templateName) {
        // The chosen template is gone: the radio group's notation writes again.
        m_page.templateName.reset();
        m_rdocolorButtons[m_page.notation]->setChecked(true);
    }
}

void PageColor::formatChosen() {
    const QList<QListWidgetItem*> selected = m_lstcssformat->selectedItems();
    if (selected.isEmpty())
        return;
    m_page = EntryModel(selected.first(), m_page.notation);
    // No notation of the group is chosen while the list's entry is.
    m_rdocolorItems->setExclusive(false);
    for (QRadioButton* button : m_rdocolorButtons) {
        const QSignalBlocker blocker(button);
        button->setChecked(false);
    }
    m_rdocolorItems->setExclusive(true);
    emit changed();
}

void PageColor::notationChosen(int id) {
    m_page = ColorPageModel();
    m_page.notation = id;
    const QSignalBlocker blocker(m_lstcssformat);
    m_lstcssformat->clearSelection();
    m_lstcssformat->setCurrentItem(nullptr);
}

void PageColor::optionsApplied() {
    fillFormats();
}

void PageColor::btncolorsetClick() {
    // The buttons stay, so the checked one stays checked.
    const QStringList texts = ColorNotationTexts(host().CurrentColor(), host().options());
    for (int i = 0; i < kColorNotationCount; ++i) {
        // A name from the colour table could hold an ampersand; show it, do not
        // make it a mnemonic.
        QString caption = texts.value(i);
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        m_rdocolorButtons[i]->setText(caption);
    }
    fitNotations();
    const QSignalBlocker blocker(m_lstcssformat);
    // The list has no room for the texts: each entry's tip shows its text.
    for (int i = 0; i < m_lstcssformat->count(); ++i) {
        QListWidgetItem* item = m_lstcssformat->item(i);
        const ColorPageText text =
            WriteColorMarkup(host().CurrentColor(), EntryModel(item, 0), host().options());
        item->setToolTip(text.error.isEmpty() ? text.text : text.error);
    }
}

void PageColor::fitNotations() {
    // Longer captions (another language, a long colour name) widen the group
    // rather than overlap.
    m_rdocolor->resize(m_rdocolor->size().expandedTo(m_rdocolor->minimumSizeHint()));
}

PageMarkup PageColor::write(const TextProgress&) const {
    const ColorPageText text = selectedNotationText(host().CurrentColor());
    return {text.text, text.error};
}

ColorPageText PageColor::selectedNotationText(TColor color) const {
    return WriteColorMarkup(color, m_page, host().options());
}

bool PageColor::supports(PageAction action) const {
    return action == PageAction::Copy || action == PageAction::HtmlCopy;
}

std::optional<TColor> PageColor::wrapperBackground() const {
    return std::nullopt; // neither saved nor previewed
}

void PageColor::copy() {
    // A template at fault copies nothing; say why.
    if (const QString message = write().message; !message.isEmpty() && host().statusLine())
        host().statusLine()->showMessage(message, 5000);
    copyHtml();
}

void PageColor::namedColorChosen() {
    m_btncolorset->click();
}
