#pragma once

#include <QImage>
#include <QWidget>

// An image control: shows its picture at its top-left corner, or nothing
// (its parent's background) while the picture is empty.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    const QImage& picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    void setPicture(QImage picture);
    void clearPicture();
    // For drawing into the picture in place; the caller repaints what it changed.
    QImage& editPicture() { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
