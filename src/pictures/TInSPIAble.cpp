#include "TInSPIAble.h"

#include "PictureFile.h"
#include "SpiErrors.h"
#include "TSPIs.h"
#include "dib/DibErrors.h"
#include "dib/DibTypes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <exception>

namespace {

// Plug-ins may read this many bytes at the start of any file.
constexpr qint64 kProbeSize = 2048;
constexpr qint64 kMacBinaryHeader = 128;
// Files are read whole into memory; no picture file we read is larger.
constexpr qint64 kMaxFileImage = qint64(1) << 30;

// The load whose plug-in is running, so that the progress routine only trusts
// the caller data it handed out.
thread_local TInSPIAble* t_decoding = nullptr;
thread_local std::exception_ptr t_progressError;

// Locks a plug-in's handle for one scope and frees it afterwards.
class LocalBlock {
public:
    explicit LocalBlock(HLOCAL handle) : m_handle(handle) {
        if (m_handle) {
            m_data = static_cast<const uchar*>(LocalLock(m_handle));
            m_size = m_data ? qint64(LocalSize(m_handle)) : 0;
        }
    }
    ~LocalBlock() {
        if (m_data)
            LocalUnlock(m_handle);
        if (m_handle)
            LocalFree(m_handle);
    }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;
    const uchar* data() const { return m_data; }
    qint64 size() const { return m_size; }

private:
    HLOCAL m_handle;
    const uchar* m_data = nullptr;
    qint64 m_size = 0;
};

template <typename T> T ReadLE(const uchar* p) {
    T value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

} // namespace

QByteArray PackPluginDib(const TSPIPictureData& data, qint64* headerLengthOut) {
    if (!data.bitmapInfo || !data.bits || data.bitmapInfoSize < 40)
        return QByteArray();
    const qint64 width = ReadLE<qint32>(data.bitmapInfo + 4);
    const qint64 height = ReadLE<qint32>(data.bitmapInfo + 8);
    const qint64 bitCount = ReadLE<quint16>(data.bitmapInfo + 14);
    const quint32 compression = ReadLE<quint32>(data.bitmapInfo + 16);
    qint64 colors = ReadLE<quint32>(data.bitmapInfo + 32);
    if (colors == 0)
        colors = bitCount == 1 ? 2 : bitCount == 4 ? 16 : bitCount == 8 ? 256 : 0;
    const qint64 rows = height < 0 ? -height : height;
    // The header's claims are checked against our limits and the blocks'
    // real sizes before a byte is copied.
    if (width <= 0 || rows == 0 || width > DibMaxSide || rows > DibMaxSide ||
        width * rows > DibMaxPixels || bitCount == 0 || bitCount > 32 || colors > 0x10000)
        return QByteArray();
    const qint64 headerLength = 40 + 4 * colors + (compression == BI_BITFIELDS ? 12 : 0);
    const qint64 pixelSize = DibRowSize(width, bitCount) * rows;
    if (headerLength > data.bitmapInfoSize || pixelSize > data.bitsSize ||
        pixelSize > DibAllocationLimit())
        return QByteArray();
    QByteArray block(qsizetype(headerLength + pixelSize), Qt::Uninitialized);
    std::memcpy(block.data(), data.bitmapInfo, size_t(headerLength));
    std::memcpy(block.data() + headerLength, data.bits, size_t(pixelSize));
    if (headerLengthOut)
        *headerLengthOut = headerLength;
    return block;
}

TInSPIAble::TInSPIAble(QString nativeExtension, NativeLoader nativeLoader, BuildRoutine build,
                       ProgressRoutine progress)
    : m_nativeExtension(std::move(nativeExtension)), m_nativeLoader(std::move(nativeLoader)),
      m_build(std::move(build)), m_progress(std::move(progress)) {}

TInSPIAble::NameScope::NameScope(TInSPIAble& able, const QString& fileName) : m_able(able) {
    const QString suffix = QFileInfo(fileName).suffix();
    m_able.Extension = suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix;
    m_able.FileName = fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath();
}

TInSPIAble::NameScope::~NameScope() {
    m_able.Extension.clear();
    m_able.FileName.clear();
}

void TInSPIAble::LoadFromStream(QIODevice& stream) {
    m_lastReader.clear();
    QByteArray image;
    if (auto* buffer = qobject_cast<QBuffer*>(&stream)) {
        image = buffer->data();
    } else {
        if (stream.isSequential()) {
            // A pipe or a device may never end: no more than the largest picture.
            image = ReadAtMost(stream, qMin(kMaxFileImage, DibAllocationLimit()));
        } else {
            if (stream.size() > kMaxFileImage || !stream.seek(0))
                throw EReadError(QStringLiteral("Stream read error"));
            // As much as the file holds, not as much as it might.
            image = stream.read(stream.size());
        }
    }
    const bool pluginsFirst =
        !Extension.isEmpty() && Extension.mid(1).compare(m_nativeExtension, Qt::CaseInsensitive);
    const bool read = pluginsFirst ? TryPlugins(image) || TryNative(image)
                                   : TryNative(image) || TryPlugins(image);
    if (!read)
        throw EInvalidGraphic(
            QCoreApplication::translate("TInSPIAble", "認識できない画像形式です"));
}

bool TInSPIAble::TryNative(const QByteArray& image) {
    QByteArray copy = image;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    try {
        m_nativeLoader(buffer);
    } catch (const std::exception&) {
        return false;
    }
    m_lastReader = m_nativeExtension;
    return true;
}

bool TInSPIAble::TryPlugins(const QByteArray& image) {
    if (ForcedPlugin)
        return TryPlugin(*ForcedPlugin, image);
    TSPIs* host = TSPIs::Instance();
    if (!host)
        return false;
    for (TSPI* plugin : host->FindPluginsForExtension({TSPIClass::InSPI}, Extension))
        if (TryPlugin(static_cast<TInSPI&>(*plugin), image))
            return true;
    return false;
}

bool TInSPIAble::TryPlugin(TInSPI& plugin, const QByteArray& image) {
    m_progress(TProgressStage::Starting, 0);
    bool read = false;
    try {
        read = DecodeWithPlugin(plugin, image.constData(), image.size());
        if (!read && RetryPast128 && image.size() > kMacBinaryHeader)
            read = DecodeWithPlugin(plugin, image.constData() + kMacBinaryHeader,
                                    image.size() - kMacBinaryHeader);
    } catch (...) {
        m_progress(TProgressStage::Ending, 100);
        throw;
    }
    m_progress(TProgressStage::Ending, 100);
    if (read)
        m_lastReader = plugin.ModuleFileName();
    return read;
}

bool TInSPIAble::DecodeWithPlugin(TInSPI& plugin, const char* data, qint64 length) {
    // Every plug-in may read 2048 bytes; shorter files are copied into zeros.
    QByteArray padded;
    if (length < kProbeSize) {
        padded = QByteArray(kProbeSize, '\0');
        std::memcpy(padded.data(), data, size_t(length));
        data = padded.constData();
    }
    const QByteArray name = QFile::encodeName(FileName);
    if (plugin.IsSupported(name.constData(), data) == 0)
        return false;

    TPictureInfoRec record;
    SpiPictureInfo info;
    std::memset(&info, 0, sizeof info);
    if (plugin.GetPictureInfo(data, long(length), SPI_INPUT_MEMORY, &info) == 0) {
        record.left = info.left;
        record.top = info.top;
        record.width = info.width;
        record.height = info.height;
        record.xDensity = info.x_density;
        record.yDensity = info.y_density;
        record.colorDepth = info.colorDepth;
        if (info.hInfo) {
            LocalBlock text(info.hInfo);
            if (text.data()) {
                const char* begin = reinterpret_cast<const char*>(text.data());
                const size_t n = qstrnlen(begin, uint(qMin<qint64>(text.size(), 0x7FFFFFFF)));
                record.info = DecodePluginText(QByteArray(begin, qsizetype(n)));
            }
        }
        record.filled = true;
    }

    HLOCAL infoHandle = 0, bitsHandle = 0;
    TInSPIAble* outer = t_decoding;
    t_decoding = this;
    t_progressError = nullptr;
    const int result =
        plugin.GetPicture(data, long(length), SPI_INPUT_MEMORY, &infoHandle, &bitsHandle,
                          &TInSPIAble::ProgressCallback, reinterpret_cast<intptr_t>(this));
    t_decoding = outer;
    // Both blocks are freed on every path, also when the plug-in failed after
    // allocating them.
    LocalBlock bitmapInfo(infoHandle);
    LocalBlock bits(bitsHandle == infoHandle ? 0 : bitsHandle);
    if (t_progressError) {
        std::exception_ptr error = t_progressError;
        t_progressError = nullptr;
        std::rethrow_exception(error);
    }
    if (result != 0 || !bitmapInfo.data() || !bits.data())
        return false;
    return m_build({bitmapInfo.data(), bitmapInfo.size(), bits.data(), bits.size()}, record);
}

int TInSPIAble::ProgressCallback(int done, int total, intptr_t data) {
    TInSPIAble* able = reinterpret_cast<TInSPIAble*>(data);
    if (!able || able != t_decoding)
        return 0;
    // MulDiv rounding; a total of 0 or less counts as nothing done.
    const int percent =
        total > 0 ? qBound(0, int((qint64(done) * 98 + (total / 2)) / total) + 1, 100) : 1;
    // Nothing may be thrown through the plug-in's frames: an abort cancels,
    // any other error cancels and is raised again once the plug-in returned.
    try {
        able->m_progress(TProgressStage::Running, percent);
    } catch (const EAbort&) {
        return 1;
    } catch (...) {
        t_progressError = std::current_exception();
        return 1;
    }
    return 0;
}
