#pragma once

#include "TSPI.h"
#include "TVmGraphic.h"

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// What GetPictureInfo reported, with the plug-in's text read out of its handle.
struct TPictureInfoRec {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;
    quint16 xDensity = 0;
    quint16 yDensity = 0;
    qint16 colorDepth = 0;
    QString info;
    bool filled = false;
};

// Plug-in output as the host hands it to a build routine: the BITMAPINFO and
// the pixel rows, each with the size of the block that holds it.
struct TSPIPictureData {
    const uchar* bitmapInfo;
    qint64 bitmapInfoSize;
    const uchar* bits;
    qint64 bitsSize;
};

// A packed DIB (header, colour table, masks, pixel rows) made from plug-in
// output; empty when the header and the block sizes disagree, or the picture
// is larger than any picture we hold.
QByteArray PackPluginDib(const TSPIPictureData& data, qint64* headerLength = nullptr);

// Lets a picture class load through the plug-ins: the read order between the
// class's own reader and the plug-ins, the 2048-byte buffer, the retry 128
// bytes into the file, and the progress routine.
class TInSPIAble {
public:
    using NativeLoader = std::function<void(QIODevice&)>;
    using BuildRoutine = std::function<bool(const TSPIPictureData&, const TPictureInfoRec&)>;
    using ProgressRoutine = std::function<void(TProgressStage, int)>;

    TInSPIAble(QString nativeExtension, NativeLoader nativeLoader, BuildRoutine build,
               ProgressRoutine progress);

    // Set while a load with a name runs: the extension with its dot, and the full name.
    QString Extension;
    QString FileName;
    TInSPI* ForcedPlugin = nullptr;
    bool RetryPast128 = true;

    // Reads the whole stream and hands it to the native reader and the plug-ins
    // in the order the extension asks for; EInvalidGraphic when none reads it.
    void LoadFromStream(QIODevice& stream);

    // Who read the last picture: "BMP" (or the native extension) for the
    // class's own reader, else the plug-in's module file name.
    const QString& LastReader() const { return m_lastReader; }

    // Sets the name for one load and clears it afterwards, also on failure.
    class NameScope {
    public:
        NameScope(TInSPIAble& able, const QString& fileName);
        ~NameScope();

    private:
        TInSPIAble& m_able;
    };

private:
    bool TryNative(const QByteArray& image);
    bool TryPlugins(const QByteArray& image);
    bool TryPlugin(TInSPI& plugin, const QByteArray& image);
    bool DecodeWithPlugin(TInSPI& plugin, const char* data, qint64 length);
    static int ProgressCallback(int done, int total, intptr_t data);

    QString m_nativeExtension;
    NativeLoader m_nativeLoader;
    BuildRoutine m_build;
    ProgressRoutine m_progress;
    QString m_lastReader;
};
