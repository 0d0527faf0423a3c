#include "ui/dialogs/OpenPictureDialog.h"

#include "dib/DibErrors.h"
#include "pictures/PictureFormats.h"
#include "ui/dialogs/FileDialogFit.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int kPreviewSide = 160;
// Bigger files are not read just to preview them: the dialog must stay quick.
constexpr qint64 kPreviewFileLimit = 32 * 1024 * 1024;

} // namespace

OpenPictureDialog::OpenPictureDialog(QWidget* parent) : QFileDialog(parent) {
    setObjectName(QStringLiteral("OpenPictureDialog1"));
    setWindowTitle(tr("背景グラフィック"));
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);

    auto* pane = new QWidget(this);
    pane->setObjectName(QStringLiteral("previewPane"));
    auto* column = new QVBoxLayout(pane);
    column->setContentsMargins(0, 0, 0, 0);
    m_preview = new QLabel(pane);
    m_preview->setObjectName(QStringLiteral("picturePreview"));
    m_preview->setAccessibleName(tr("プレビュー"));
    m_preview->setFixedSize(kPreviewSide, kPreviewSide);
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_previewSize = new QLabel(pane);
    m_previewSize->setObjectName(QStringLiteral("picturePreviewSize"));
    m_previewSize->setAlignment(Qt::AlignCenter);
    column->addWidget(m_preview);
    column->addWidget(m_previewSize);
    column->addStretch();
    // Qt's widget dialog lays itself out on a grid; the pane takes a column of its own.
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(pane, 0, grid->columnCount(), grid->rowCount(), 1);
    FitFileDialogColumns(this);

    connect(this, &QFileDialog::currentChanged, this, &OpenPictureDialog::showPreview);
}

void OpenPictureDialog::refreshFilter() {
    setNameFilter(TPictureFormats::Instance().FileDialogFilter());
}

void OpenPictureDialog::showPreview(const QString& path) {
    m_preview->clear();
    m_previewSize->clear();
    const QFileInfo file(path);
    if (!file.isFile() || file.size() > kPreviewFileLimit)
        return;
    try {
        std::unique_ptr<TVmGraphic> graphic = TPictureFormats::Instance().LoadFromFile(path);
        const int w = graphic->GetWidth(), h = graphic->GetHeight();
        m_previewSize->setText(QStringLiteral("%1 × %2").arg(w).arg(h));
        if (w <= 0 || h <= 0)
            return;
        // Smaller pictures at their own size, larger ones shrunk to fit.
        const QSize shown =
            QSize(w, h).boundedTo(QSize(kPreviewSide, kPreviewSide)) == QSize(w, h)
                ? QSize(w, h)
                : QSize(w, h).scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio);
        QImage image(shown.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
        if (image.isNull())
            return;
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            graphic->Draw(painter, image.rect());
        }
        m_preview->setPixmap(QPixmap::fromImage(image));
    } catch (const EPictureError&) {
        // Not a picture we read: nothing to preview; choosing it says why.
    }
}
