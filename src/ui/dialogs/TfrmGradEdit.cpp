#include "ui/dialogs/TfrmGradEdit.h"

#include "core/QtColor.h"
#include "gradient/CssLinearGradient.h"
#include "gradient/GgrFile.h"
#include "gradient/GplPalette.h"
#include "gradient/GradientImport.h"
#include "gradient/GradientListOps.h"
#include "gradient/GradientStore.h"
#include "gradient/GradientTableList.h"
#include "html/HtmlFileSave.h"
#include "ui/dialogs/ConfirmBox.h"
#include "ui/dialogs/FileDialogFit.h"
#include "ui/dialogs/GradientExchangeTexts.h"
#include "ui/dialogs/SharedColorDialog.h"
#include "ui/widgets/FormFont.h"
#include "ui/widgets/GradientBar.h"
#include "ui/widgets/GradientMark.h"

#include <QClipboard>
#include <QColorDialog>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int kBarY = 27;
// A right click may add a stop this far right of the axis end.
constexpr int kStripWidth = 313;

} // namespace

TfrmGradEdit::TfrmGradEdit(GradientTableList& list, SharedColorDialog* colorDialog, QWidget* parent)
    : QDialog(parent), m_list(list), m_colorDialog(colorDialog) {
    setObjectName(QStringLiteral("frmGradEdit"));
    setWindowTitle(tr("グラデーションエディタ"));
    setFont(FormFont());
    if (!m_colorDialog) {
        m_ownColorDialog = std::make_unique<SharedColorDialog>(this);
        m_colorDialog = m_ownColorDialog.get();
    }

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(8, 8, 329, 206);

    m_lstgra = new QListWidget(panel);
    m_lstgra->setObjectName(QStringLiteral("lstgra"));
    m_lstgra->setAccessibleName(tr("グラデーションテーブル"));
    m_lstgra->setGeometry(8, 8, 289, 105);
    connect(m_lstgra, &QListWidget::itemClicked, this, [this] { lstgraClick(); });
    connect(m_lstgra, &QListWidget::currentRowChanged, this, [this] { lstgraClick(); });

    m_panel2 = new QWidget(panel);
    m_panel2->setObjectName(QStringLiteral("Panel2"));
    m_panel2->setGeometry(8, 121, kStripWidth, 57);
    m_panel2->installEventFilter(this);
    m_panel2->setFocusPolicy(Qt::TabFocus);
    m_panel2->setToolTip(tr("右クリックでここに色を追加します"));
    m_panel2->setAccessibleName(tr("マーカーの帯"));
    m_imggra = new GradientBar(kGradientAxisEnd, 17, m_panel2);
    m_imggra->setObjectName(QStringLiteral("imggra"));
    m_imggra->setAccessibleName(tr("グラデーション"));
    m_imggra->move(0, kBarY);
    for (int tag = 0; tag < int(m_marks.size()); ++tag) {
        m_marks[size_t(tag)] = new GradientMark(tag, m_panel2);
        m_marks[size_t(tag)]->installEventFilter(this);
        m_marks[size_t(tag)]->setFocusPolicy(Qt::TabFocus);
        m_marks[size_t(tag)]->setToolTip(
            tr("ドラッグで移動、右クリックで色の変更、バーの外へドラッグで削除します"));
    }

    auto button = [this](const char* name, const QString& caption, int y) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(349, y, 86, 25);
        return b;
    };
    m_btnok = button("btnok", QStringLiteral("&OK"), 8);
    m_btnnew = button("btnnew", tr("追加(&A)"), 48);
    m_btnupdate = button("btnupdate", tr("更新(&U)"), 80);
    m_btndelete = button("btndelete", tr("削除(&V)"), 112);
    m_btnreset = button("btnreset", tr("初期値(&D)"), 152);
    m_btnok->setDefault(true);
    connect(m_btnok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnnew, &QPushButton::clicked, this, &TfrmGradEdit::btnnewClick);
    connect(m_btnupdate, &QPushButton::clicked, this, &TfrmGradEdit::btnupdateClick);
    connect(m_btndelete, &QPushButton::clicked, this, &TfrmGradEdit::btndeleteClick);
    connect(m_btnreset, &QPushButton::clicked, this, &TfrmGradEdit::btnresetClick);
    m_btnupdate->setEnabled(false);

    m_lblpending = new QLabel(tr("未更新の変更あり"), this);
    m_lblpending->setObjectName(QStringLiteral("lblpending"));
    m_lblpending->setToolTip(tr("「更新」を押すとテーブルに書き込みます"));
    m_lblpending->setWordWrap(true);
    m_lblpending->setGeometry(349, 182, 86, 32);
    m_lblpending->hide();

    m_lblhint = new QLabel(this);
    m_lblhint->setObjectName(QStringLiteral("lblhint"));
    m_lblhint->setWordWrap(true);
    m_lblhint->setText(tr("帯を右クリックで色を追加、マーカーを右クリックで色の変更、"
                          "バーの外へドラッグで削除します。"));
    // As many lines as the longer of the two hints takes in this language.
    const int hintWidth = 427;
    int hintHeight = m_lblhint->heightForWidth(hintWidth);
    const QString added = tr("追加した色は黒です。マーカーを右クリックして色を選んでください。");
    hintHeight = std::max(hintHeight,
                          QFontMetrics(m_lblhint->font())
                              .boundingRect(QRect(0, 0, hintWidth, 1000), Qt::TextWordWrap, added)
                              .height());
    m_lblhint->setGeometry(8, 218, hintWidth, hintHeight);

    const int exchangeY = 222 + hintHeight + 4;
    m_btnimport = button("btnimport", tr("読み込み…"), exchangeY);
    m_btnimport->move(257, exchangeY);
    m_btnimport->setToolTip(tr("GIMP グラデーション（.ggr）や CSS の linear-gradient を"
                               "テーブルとして追加します"));
    auto* importMenu = new QMenu(m_btnimport);
    QAction* importFile = importMenu->addAction(tr("ファイルから(&F)…"));
    importFile->setObjectName(QStringLiteral("actImportFile"));
    connect(importFile, &QAction::triggered, this, &TfrmGradEdit::importFile);
    QAction* importText = importMenu->addAction(tr("CSS テキストを貼り付けて(&P)…"));
    importText->setObjectName(QStringLiteral("actImportText"));
    connect(importText, &QAction::triggered, this, &TfrmGradEdit::importText);
    m_btnimport->setMenu(importMenu);
    m_btnexport = button("btnexport", tr("書き出し…"), exchangeY);
    m_btnexport->setToolTip(tr("選んだテーブルを .ggr か CSS に、全テーブルを GIMP パレット"
                               "（.gpl）に書き出します"));
    connect(m_btnexport, &QPushButton::clicked, this, &TfrmGradEdit::btnexportClick);
    setFixedSize(443, exchangeY + 25 + 8);

    fillList();
    selectRow(0);
    loadWorkingStops(0);
}

TfrmGradEdit::~TfrmGradEdit() = default;

std::vector<GradientStop> TfrmGradEdit::workingStops() const {
    std::vector<GradientStop> stops;
    for (const GradientMark* mark : m_marks) {
        if (mark->isShown())
            stops.push_back({mark->position(), mark->color()});
    }
    return stops;
}

void TfrmGradEdit::fillList() {
    const QSignalBlocker blocker(m_lstgra);
    m_lstgra->clear();
    m_lstgra->addItems(FillGradientNames(m_list));
}

void TfrmGradEdit::selectRow(int row) {
    const QSignalBlocker blocker(m_lstgra);
    m_lstgra->setCurrentRow(row);
}

void TfrmGradEdit::loadWorkingStops(int tableIndex) {
    for (GradientMark* mark : m_marks)
        mark->removeStop();
    if (!m_list.isValidIndex(tableIndex)) {
        showPending();
        return;
    }
    const std::vector<GradientStop> stops = m_list.slot(tableIndex).stops();
    for (size_t i = 0; i < stops.size(); ++i)
        m_marks[i]->place(stops[i].position, stops[i].color);
    redrawBar();
}

void TfrmGradEdit::setInterpolation(GradientInterpolation interpolation) {
    m_interpolation = interpolation;
    m_imggra->setInterpolation(interpolation);
    redrawBar();
}

void TfrmGradEdit::redrawBar() {
    m_imggra->draw(workingStops());
    showPending();
}

void TfrmGradEdit::showPending() {
    const int row = m_lstgra->currentRow();
    // The same stops in another slot order make the same table.
    const auto sorted = [](std::vector<GradientStop> stops) {
        std::sort(stops.begin(), stops.end(), [](const GradientStop& a, const GradientStop& b) {
            return std::pair(a.position, a.color) < std::pair(b.position, b.color);
        });
        return stops;
    };
    m_lblpending->setVisible(m_list.isValidIndex(row) &&
                             sorted(workingStops()) != sorted(m_list.slot(row).stops()));
}

void TfrmGradEdit::lstgraClick() {
    loadWorkingStops(m_lstgra->currentRow());
    m_btnupdate->setEnabled(false);
    m_lblhint->setText(tr("帯を右クリックで色を追加、マーカーを右クリックで色の変更、"
                          "バーの外へドラッグで削除します。"));
}

void TfrmGradEdit::btnnewClick() {
    const std::optional<QString> entry = askTableName();
    if (!entry)
        return;
    switch (AddGradientTable(m_list, *entry, workingStops())) {
    case AddGradientResult::Added:
        fillList();
        selectRow(m_list.count() - 1);
        showPending();
        break;
    case AddGradientResult::Duplicate:
        refuse(tr("登録名が重複しています"));
        break;
    case AddGradientResult::Full:
        refuse(tr("これ以上登録できません"));
        break;
    case AddGradientResult::Empty:
        break;
    }
}

void TfrmGradEdit::btnupdateClick() {
    const int row = m_lstgra->currentRow();
    if (row < 0)
        return;
    UpdateGradientTable(m_list, row, workingStops());
    m_btnupdate->setEnabled(false);
    showPending();
}

void TfrmGradEdit::btndeleteClick() {
    const int row = m_lstgra->currentRow();
    if (!m_list.isValidIndex(row))
        return;
    if (!ask(tr("%1 を削除してよろしいですか").arg(m_list.slot(row).name)))
        return;
    DeleteGradientTable(m_list, row);
    fillList();
    if (m_list.count() > 0) {
        selectRow(0);
        loadWorkingStops(0);
    }
}

void TfrmGradEdit::btnresetClick() {
    if (!ask(tr("グラデーションテーブルを初期化してよろしいですか")))
        return;
    LoadDefaultGradientTables(m_list);
    fillList();
    selectRow(0);
    loadWorkingStops(0);
    m_btnupdate->setEnabled(false);
}

void TfrmGradEdit::importFile() {
    const QString path = askImportFile();
    if (!path.isEmpty())
        addImported(ImportGradientFile(path));
}

void TfrmGradEdit::importText() {
    // A gradient on the clipboard is offered as the text to read.
    QString initial = QGuiApplication::clipboard()->text();
    if (initial.size() > kMaxGradientFileBytes || !ContainsCssLinearGradient(initial))
        initial.clear();
    const std::optional<QString> text = askImportText(initial);
    if (text)
        addImported(ImportGradientText(text->toUtf8(), tr("CSS グラデーション")));
}

void TfrmGradEdit::addImported(const GradientImport& import) {
    if (!import) {
        refuse(GradientImportErrorMessage(import));
        return;
    }
    const int first = m_list.count();
    const int row = m_lstgra->currentRow();
    const QStringList added = AddImportedGradients(m_list, import.gradients);
    fillList();
    QStringList report;
    for (qsizetype i = 0; i < added.size(); ++i) {
        report << tr("「%1」を追加しました").arg(added.at(i));
        const QString notes = GradientImportNotesMessage(import.gradients[size_t(i)]);
        if (!notes.isEmpty())
            report << notes;
    }
    if (added.size() < qsizetype(import.gradients.size()))
        report << tr("これ以上登録できないため、%1 個のグラデーションを追加しませんでした")
                      .arg(qsizetype(import.gradients.size()) - added.size());
    // Marks not yet written to their table stay as they are; otherwise the
    // first new table is shown.
    if (!added.isEmpty() && !m_lblpending->isVisible()) {
        selectRow(first);
        loadWorkingStops(first);
        m_btnupdate->setEnabled(false);
    } else {
        selectRow(row);
    }
    inform(report.join(u'\n'));
}

void TfrmGradEdit::btnexportClick() {
    const int row = m_lstgra->currentRow();
    const QString name = m_list.isValidIndex(row) ? m_list.slot(row).name : QString();
    const std::optional<ExportTarget> target = askExportFile(name);
    if (!target)
        return;
    QString text;
    if (target->format == ExportFormat::Gpl) {
        text = QString::fromUtf8(
            WriteGplPalette(std::span<const GradientTable>(&m_list.slot(0), size_t(m_list.count())),
                            QFileInfo(target->path).completeBaseName()));
    } else if (!m_list.isValidIndex(row) || m_list.slot(row).count <= 0) {
        refuse(tr("書き出せるテーブルが選ばれていません"));
        return;
    } else if (target->format == ExportFormat::Ggr) {
        text = QString::fromUtf8(WriteGgr(m_list.slot(row)));
    } else {
        text = WriteCssLinearGradient(m_list.slot(row), m_interpolation) + u'\n';
    }
    if (const QString problem = SaveHtmlFile(target->path, text); !problem.isEmpty())
        refuse(tr("書き出せませんでした: %1").arg(problem));
}

void TfrmGradEdit::imgmark0MouseDown(GradientMark* mark, Qt::MouseButton button, int x) {
    // A drag whose release never arrived (a dialog opened in the middle of
    // it and took the release) ends here, before it could move another mark.
    if (m_dragging)
        imgmark0MouseUp();
    if (!mark->isShown())
        return;
    if (button == Qt::RightButton) {
        recolour(mark);
        return;
    }
    if (button != Qt::LeftButton && button != Qt::MiddleButton)
        return;
    if (!movable(mark))
        return;
    m_dragging = true;
    m_grabOffset = x;
}

bool TfrmGradEdit::movable(const GradientMark* mark) const {
    int rightmost = 0;
    for (const GradientMark* other : m_marks) {
        if (other->isShown())
            rightmost = std::max(rightmost, other->position());
    }
    return mark->tag() != 0 && mark->position() < rightmost;
}

void TfrmGradEdit::recolour(GradientMark* mark) {
    const std::optional<TColor> color = askColor(mark->color());
    if (!color)
        return;
    mark->place(mark->position(), *color);
    redrawBar();
    m_btnupdate->setEnabled(true);
}

void TfrmGradEdit::removeStop(GradientMark* mark) {
    if (!movable(mark))
        return;
    mark->removeStop();
    redrawBar();
    m_btnupdate->setEnabled(true);
}

void TfrmGradEdit::imgmark0MouseMove(GradientMark* mark, int stripX) {
    if (!m_dragging)
        return;
    m_btnupdate->setEnabled(true);
    if (!mark->isShown())
        return; // dragged off: gone for the rest of the drag
    const int position = stripX - m_grabOffset;
    if (position < 0 || position > kGradientAxisEnd)
        mark->removeStop(true);
    else
        mark->move(position, 0);
}

void TfrmGradEdit::imgmark0MouseUp() {
    for (GradientMark* mark : m_marks)
        mark->finishRemoval();
    if (m_dragging)
        redrawBar();
    m_dragging = false;
}

void TfrmGradEdit::Panel2MouseDown(Qt::MouseButton button, int x) {
    if (button == Qt::RightButton)
        addStop(x);
    else if (button == Qt::LeftButton)
        showMenu(nullptr, QPoint(x, GradientMark::kHeight));
}

void TfrmGradEdit::addStop(int x) {
    const auto free = std::find_if(m_marks.begin(), m_marks.end(),
                                   [](const GradientMark* mark) { return !mark->isShown(); });
    if (free == m_marks.end()) {
        refuse(tr("これ以上追加できません"));
    } else {
        (*free)->place(std::clamp(x, 0, kStripWidth - 1), 0);
        (*free)->raise();
        redrawBar();
        m_lblhint->setText(tr("追加した色は黒です。マーカーを右クリックして色を選んでください。"));
    }
    m_btnupdate->setEnabled(true);
}

void TfrmGradEdit::showMenu(GradientMark* mark, QPoint stripPos) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuStrip"));
    QAction* add = menu.addAction(tr("ここに色を追加(&A)"));
    QAction* colour = nullptr;
    QAction* remove = nullptr;
    if (mark && mark->isShown()) {
        colour = menu.addAction(tr("色の変更(&C)..."));
        remove = menu.addAction(tr("削除(&D)"));
        remove->setEnabled(movable(mark));
    }
    const QAction* chosen = menu.exec(m_panel2->mapToGlobal(stripPos));
    if (!chosen)
        return;
    if (chosen == add)
        addStop(stripPos.x());
    else if (chosen == colour)
        recolour(mark);
    else if (chosen == remove)
        removeStop(mark);
}

bool TfrmGradEdit::eventFilter(QObject* watched, QEvent* event) {
    QEvent::Type type = event->type();
    // The menu key (a right click has its own gestures) opens the menu of
    // the strip or of a mark.
    if (type == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Mouse) {
        auto* mark = qobject_cast<GradientMark*>(watched);
        if (watched == m_panel2 || (mark && std::count(m_marks.begin(), m_marks.end(), mark))) {
            const int x = mark ? mark->position() : m_panel2->width() / 2;
            showMenu(mark, QPoint(x, GradientMark::kHeight));
            return true;
        }
    }
    // The second press of a quick double click is a press like any other.
    if (type == QEvent::MouseButtonDblClick)
        type = QEvent::MouseButtonPress;
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (watched == m_panel2) {
        if (type == QEvent::MouseButtonPress)
            Panel2MouseDown(mouse->button(), mouse->position().toPoint().x());
        else if (type == QEvent::MouseButtonRelease)
            imgmark0MouseUp();
        return true;
    }
    for (GradientMark* mark : m_marks) {
        if (watched != mark)
            continue;
        const QPoint pos = mouse->position().toPoint();
        if (type == QEvent::MouseButtonPress)
            imgmark0MouseDown(mark, mouse->button(), pos.x());
        else if (type == QEvent::MouseMove)
            imgmark0MouseMove(mark, mark->mapTo(m_panel2, pos).x());
        else
            imgmark0MouseUp();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<QString> TfrmGradEdit::askTableName() {
    bool ok = false;
    const QString name = QInputDialog::getText(this, tr("カラーテーブルの登録"), tr("登録名:"),
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok || name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<TColor> TfrmGradEdit::askColor(TColor initial) {
    QColorDialog* dialog = m_colorDialog->dialog();
    dialog->setCurrentColor(ToQColor(initial));
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    const QColor chosen = dialog->selectedColor();
    return FromQColor(chosen);
}

void TfrmGradEdit::refuse(const QString& text) {
    ConfirmRefusal(this, text);
}

bool TfrmGradEdit::ask(const QString& text) {
    return ConfirmQuestion(this, text);
}

QString TfrmGradEdit::askImportFile() {
    return QFileDialog::getOpenFileName(this, tr("グラデーションの読み込み"), QString(),
                                        tr("グラデーション (*.ggr *.css *.txt)") +
                                            QStringLiteral(";;") + tr("すべてのファイル (*)"));
}

std::optional<QString> TfrmGradEdit::askImportText(const QString& initial) {
    bool ok = false;
    const QString text = QInputDialog::getMultiLineText(
        this, tr("グラデーションの読み込み"), tr("CSS の linear-gradient(...):"), initial, &ok);
    if (!ok || text.trimmed().isEmpty())
        return std::nullopt;
    return text;
}

std::optional<TfrmGradEdit::ExportTarget>
TfrmGradEdit::askExportFile(const QString& suggestedName) {
    const QStringList filters{tr("GIMP グラデーション (*.ggr)"), tr("CSS linear-gradient (*.css)"),
                              tr("GIMP パレット、全テーブル (*.gpl)")};
    const QStringList suffixes{QStringLiteral("ggr"), QStringLiteral("css"), QStringLiteral("gpl")};
    QFileDialog dialog(this, tr("グラデーションの書き出し"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.first());
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        dialog.setDefaultSuffix(suffixes.value(filters.indexOf(filter), suffixes.first()));
    });
    dialog.selectFile(CleanGradientName(suggestedName).remove(u'/'));
    FitFileDialogColumns(&dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = std::max(0, int(filters.indexOf(dialog.selectedNameFilter())));
    return ExportTarget{dialog.selectedFiles().constFirst(), ExportFormat(index)};
}

void TfrmGradEdit::inform(const QString& text) {
    QMessageBox::information(this, windowTitle(), text);
}
