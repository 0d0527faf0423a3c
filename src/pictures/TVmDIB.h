#pragma once

#include "TVmGraphic.h"
#include "TVmInternalDIB.h"
#include "core/Color.h"
#include "dib/DibTypes.h"

#include <functional>

class QImage;

// A device-independent bitmap picture. Copies share one TVmInternalDIB and
// the pixels are copied only when a holder changes shared data.
class TVmDIB : public TVmGraphic {
public:
    TVmDIB();
    ~TVmDIB() override;
    TVmDIB(const TVmDIB&) = delete;
    TVmDIB& operator=(const TVmDIB&) = delete;

    // Shares another TVmDIB's data; nullptr gives a blank picture.
    void Assign(const TVmGraphic* source) override;
    // Takes a copy of a toolkit image: 1 or 8 bits for mono and indexed images, 24 otherwise.
    void Assign(const QImage& bitmap);
    // Gives a toolkit image the picture's size, pixels and palette.
    void AssignTo(QImage& bitmap);

    void Draw(QPainter& canvas, const QRect& rect) override;
    bool GetEmpty() const override;
    int GetHeight() const override;
    int GetWidth() const override;
    TVmPaletteRef GetPalette() override;
    void SetHeight(int value) override;
    void SetWidth(int value) override;
    void SetPalette(TVmPaletteRef palette) override;
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) override;
    void LoadFromClipboardFormat(quint16 format, const QByteArray& data,
                                 TVmPaletteRef palette) override;
    void SaveToClipboardFormat(quint16& format, QByteArray& data, TVmPaletteRef& palette) override;
    quint16 GetClipboardFormat() const override { return CF_DIB; }

    int GetBitCount() const;
    void SetBitCount(int value);
    DibPixelFormat GetPixelFormat() const;
    // Converts the pixels to `format`; nothing happens when it is the current one.
    void SetPixelFormat(int format);
    // Gives a 24-bit picture a palette of up to 256 colours without changing its pixels.
    void CreateTrueColorPalette();

    int ConvertQuality = ConvertQualityLow;
    TColor MonoKeyColor = 0xFFFFFF;
    int HalftoneMode = 0; // 0 none, 1 colour halftone, 2 black-and-white halftone

    // The shared data, for reading.
    const TVmInternalDIB& InternalDIB() const;
    // Makes the held data this picture's own before a change.
    void UniqueDIB();
    // The data a canvas draws into (made unique first).
    TVmInternalDIB& WritableDIB();
    // After a change through WritableDIB: report the palette change and the change.
    void ContentChanged();

private:
    friend class TVmDIBCanvas;
    void ReleaseInternalDIB();
    void UpdatePaletteModified();
    void Hold(std::unique_ptr<TVmInternalDIB> data);
    void Check(const char* operation) const;
    void DrawPlain(QPainter& canvas, const QRect& rect);
    // Replaces the picture by a blank one of the given shape.
    void Reshape(qint32 width, qint32 height, int bitCount, quint32 colors);

    void BeginProgress(const QString& message, int steps);
    void StepProgress();
    void EndProgress();
    // Runs a conversion of the pixels, then ends the progress and tells of the change.
    void Convert(const std::function<void()>& work);

    TVmInternalDIB* m_internal = nullptr;
    QString m_progressMessage;
    int m_progressTotal = 0;
    int m_progressDone = 0;
};
