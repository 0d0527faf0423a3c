#pragma once

#include <QFileDialog>

class QLabel;

// The open-picture dialog: Qt's own file dialog (a native one has no room
// for the preview) with a pane beside the list that shows the selected file
// as the picture formats read it, and its size.
class OpenPictureDialog : public QFileDialog {
    Q_OBJECT
public:
    explicit OpenPictureDialog(QWidget* parent = nullptr);

    // Lists every format the picture framework reads now; plug-ins may have
    // added some since the last time.
    void refreshFilter();

private:
    void showPreview(const QString& path);

    QLabel* m_preview = nullptr;
    QLabel* m_previewSize = nullptr;
};
