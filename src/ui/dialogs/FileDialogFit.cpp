#include "ui/dialogs/FileDialogFit.h"

#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QLayout>
#include <QListView>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStyle>
#include <QTreeView>

#include <algorithm>
#include <iterator>

void FitFileDialogColumns(QFileDialog* dialog) {
    auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* stack = dialog->findChild<QWidget*>(QStringLiteral("stackedWidget"));
    if (!tree || !stack || !stack->parentWidget() || !dialog->layout())
        return;
    QHeaderView* header = tree->header();
    const QFontMetrics fm(tree->font());
    const QLocale locale;
    // The widest values a column shows, as this locale writes them.
    const QString samples[] = {
        QString(),
        locale.formattedDataSize(Q_INT64_C(1023) * 1024 * 1024 * 1024 + 1000),
        QStringLiteral("Markdown document"),
        locale.toString(QDateTime(QDate(2028, 12, 28), QTime(23, 59, 58)), QLocale::ShortFormat),
    };
    const int margin = 2 * tree->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, tree) +
                       fm.averageCharWidth();
    int columns = 0;
    for (int i = 0; i < header->count(); ++i) {
        int width = std::max(header->sectionSize(i), header->sectionSizeHint(i));
        if (i < int(std::size(samples)))
            width = std::max(width, fm.horizontalAdvance(samples[i]) + margin);
        header->resizeSection(i, width);
        if (!header->isSectionHidden(i))
            columns += width;
    }
    const int treeWidth = columns + 2 * tree->frameWidth() +
                          tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree);
    dialog->layout()->activate();
    QSize size = dialog->sizeHint();
    // The views' side of the splitter takes what the dialog gains in width.
    size.rwidth() += std::max(0, treeWidth - stack->parentWidget()->sizeHint().width());
    // The places list shows its names whole too.
    auto* places = dialog->findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog->findChild<QSplitter*>(QStringLiteral("splitter"));
    if (places && splitter && splitter->count() == 2) {
        const int placesWidth =
            places->sizeHintForColumn(0) + 2 * places->frameWidth() + fm.averageCharWidth();
        const int shown = splitter->sizes().constFirst();
        if (placesWidth > shown) {
            size.rwidth() += placesWidth - shown;
            splitter->setSizes({placesWidth, std::max(treeWidth, splitter->sizes().constLast())});
        }
    }
    // Room for a screenful of names, not only the hint's few.
    size.rheight() = std::max(size.height(), 24 * fm.height());
    if (const QScreen* screen = dialog->screen())
        size = size.boundedTo(screen->availableSize());
    dialog->resize(size.expandedTo(dialog->minimumSizeHint()));
}
