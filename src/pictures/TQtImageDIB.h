#pragma once

#include "PictureFormats.h"
#include "TVmDIB.h"

// A DIB read by one of Qt's image readers (PNG, JPEG, GIF, WebP, ...).
class TQtImageDIB : public TVmDIB {
public:
    static const TGraphicClass Class;

    void LoadFromStream(QIODevice& stream) override;
    // The reader's format name of the last load ("png", "jpeg", ...).
    const QByteArray& ReaderFormat() const { return m_format; }

private:
    QByteArray m_format;
};
