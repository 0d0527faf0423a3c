#pragma once

#include "TVmPalette.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <functional>

class QIODevice;
class QMimeData;
class QPainter;

enum class TProgressStage { Starting, Running, Ending };

// The picture interface: a picture can be drawn, sized, given a palette,
// streamed and exchanged as clipboard data of its own format.
class TVmGraphic {
public:
    virtual ~TVmGraphic() = default;

    virtual void Assign(const TVmGraphic* source);
    virtual void Draw(QPainter& canvas, const QRect& rect) = 0;
    virtual bool GetEmpty() const = 0;
    virtual int GetHeight() const = 0;
    virtual int GetWidth() const = 0;
    virtual TVmPaletteRef GetPalette() = 0;
    virtual void SetHeight(int value) = 0;
    virtual void SetWidth(int value) = 0;
    virtual void SetPalette(TVmPaletteRef palette) = 0;
    virtual void LoadFromStream(QIODevice& stream) = 0;
    virtual void SaveToStream(QIODevice& stream) = 0;
    // Files go through the stream operations; failing to open raises EFOpenError.
    virtual void LoadFromFile(const QString& fileName);
    virtual void SaveToFile(const QString& fileName);
    virtual void LoadFromClipboardFormat(quint16 format, const QByteArray& data,
                                         TVmPaletteRef palette) = 0;
    virtual void SaveToClipboardFormat(quint16& format, QByteArray& data,
                                       TVmPaletteRef& palette) = 0;
    // The clipboard format the class reads and writes.
    virtual quint16 GetClipboardFormat() const = 0;
    // Loads what the clipboard holds in the class's format (a packed DIB for
    // CF_DIB); a BMP file is taken where the platform offers only that.
    void AssignClipboard(const QMimeData& data);

    // Raised after every change of content.
    std::function<void(TVmGraphic&)> OnChange;
    // Raised by long operations: stage, percentage, message and the picture's rectangle.
    std::function<void(TVmGraphic&, TProgressStage, int, const QRect&, const QString&)> OnProgress;
    // Set when the palette changed and has to be realised again.
    bool PaletteModified = false;

protected:
    // The change notification; classes that react to new content override it.
    virtual void Changed();
    void Progress(TProgressStage stage, int percent, const QString& message);
};
