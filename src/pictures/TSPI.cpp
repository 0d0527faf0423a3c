#include "TSPI.h"

#include "SpiErrors.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <cstring>

namespace {

// A plug-in that answers every information number must not keep us looping.
constexpr int kMaxFilters = 256;

} // namespace

QString DecodePluginText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder sjis("Shift_JIS");
    if (sjis.isValid()) {
        text = sjis.decode(bytes);
        if (!sjis.hasError())
            return text;
    }
    return QString::fromLatin1(bytes);
}

QStringList FilterExtensions(const QString& filter) {
    QStringList extensions;
    for (const QString& item : filter.split(QLatin1Char(';'))) {
        const QString extension = item.mid(item.lastIndexOf(QLatin1Char('.')) + 1);
        if (!extension.isEmpty())
            extensions.append(extension);
    }
    return extensions;
}

bool TSPI::NamesExtension(const QString& extension) const {
    const QString bare = extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
    for (const QString& filter : m_filters)
        for (const QString& e : FilterExtensions(filter))
            if (e.compare(bare, Qt::CaseInsensitive) == 0)
                return true;
    return false;
}

void TSPI::Require(const void* entry, const char* name) const {
    if (!entry)
        throw ESPIInvalidAPI(
            QCoreApplication::translate("TSPI", "%1は[%2]では使えないSusie Plugin APIです")
                .arg(QLatin1String(name), m_moduleFileName));
}

void TSPI::CheckAPI() const {
    Require(reinterpret_cast<const void*>(GetPluginInfo), "GetPluginInfo");
}

void TLoaderSPI::CheckAPI() const {
    TSPI::CheckAPI();
    Require(reinterpret_cast<const void*>(IsSupported), "IsSupported");
}

void TInSPI::CheckAPI() const {
    TLoaderSPI::CheckAPI();
    Require(reinterpret_cast<const void*>(GetPictureInfo), "GetPictureInfo");
    Require(reinterpret_cast<const void*>(GetPicture), "GetPicture");
}

void TAmSPI::CheckAPI() const {
    TLoaderSPI::CheckAPI();
    Require(GetArchiveInfo, "GetArchiveInfo");
    Require(GetFileInfo, "GetFileInfo");
    Require(GetFile, "GetFile");
}

QString TSPI::Info(int number) const {
    // One byte more than the plug-in is told, so the text always ends.
    char buffer[257];
    std::memset(buffer, 0, sizeof buffer);
    const int n = GetPluginInfo(number, buffer, 255);
    if (n <= 0)
        return QString();
    buffer[256] = 0;
    return DecodePluginText(QByteArray(buffer, qsizetype(std::strlen(buffer))));
}

void TSPI::Open(const QString& fileName) {
    if (!m_library.load(fileName))
        throw ESPIFOpenErrorSPI(
            QCoreApplication::translate("TSPI", "%1:Susie Pluginがロードできませんでした")
                .arg(fileName));
    m_moduleFileName = m_library.moduleFileName();
    if (m_moduleFileName.isEmpty() || m_moduleFileName.size() > 255)
        m_moduleFileName = fileName;
    GetPluginInfo = reinterpret_cast<SpiGetPluginInfo>(m_library.resolve("GetPluginInfo"));
    ConfigurationDlg = m_library.resolve("ConfigurationDlg");
    IsSupported = reinterpret_cast<SpiIsSupported>(m_library.resolve("IsSupported"));
    GetPictureInfo = reinterpret_cast<SpiGetPictureInfo>(m_library.resolve("GetPictureInfo"));
    GetPicture = reinterpret_cast<SpiGetPicture>(m_library.resolve("GetPicture"));
    GetPreview = m_library.resolve("GetPreview");
    GetArchiveInfo = m_library.resolve("GetArchiveInfo");
    GetFileInfo = m_library.resolve("GetFileInfo");
    GetFile = m_library.resolve("GetFile");
    CheckAPI();
    m_apiVersion = Info(0);
    m_description = Info(1);
    for (int n = 2; n < 2 + 2 * kMaxFilters; n += 2) {
        const QString filter = Info(n);
        const QString description = Info(n + 1);
        if (filter.isEmpty() || description.isEmpty())
            break;
        m_filters.append(filter);
        m_formatDescriptions.append(description);
    }
}

std::unique_ptr<TSPI> CreatePluginFromFile(const QString& fileName) {
    try {
        TSPI probe;
        probe.Open(fileName);
        const QString version = probe.APIVersion();
        std::unique_ptr<TSPI> plugin;
        if (version == QLatin1String("00IN"))
            plugin = std::make_unique<TInSPI>();
        else if (version == QLatin1String("00AM"))
            plugin = std::make_unique<TAmSPI>();
        else if (version == QLatin1String("00XN"))
            plugin = std::make_unique<TXnSPI>();
        else
            plugin = std::make_unique<TSPI>();
        plugin->Open(fileName);
        return plugin;
    } catch (const ESPIError&) {
        return nullptr;
    }
}
