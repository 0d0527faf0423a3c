#include "PictureStartup.h"

#include "TSPIVmDIB.h"

#include <QDir>
#include <QFileInfo>

void SPIs1Search(TSPI& plugin, bool& accept) {
    accept = plugin.Class() == TSPIClass::InSPI;
}

void SPIs1PictureRegister(TInSPI&, const QString& extension, const QString&,
                          const TGraphicClass*& graphicClass) {
    graphicClass = &TSPIVmDIB::Class;
    // Qt's own JPEG reader keeps these two.
    const QString upper = extension.toUpper();
    if (upper == QLatin1String("JPG") || upper == QLatin1String("JPEG"))
        graphicClass = nullptr;
}

std::unique_ptr<TSPIs> StartPicturePlugins(QString& pluginFolder, const QString& susieSettingsFile,
                                           const QString& programFolder) {
    auto host = std::make_unique<TSPIs>();
    host->SearchOptions = spsSusieDir | spsAppDir | spsSystemDir | spsWindowsDir;
    host->SusieSettingsFile = susieSettingsFile;
    host->ProgramFolder = programFolder;
    host->OnSearch = SPIs1Search;
    host->OnPictureRegister = SPIs1PictureRegister;
    host->Loaded();
    if (!pluginFolder.isEmpty() && QFileInfo(pluginFolder).isDir()) {
        if (!pluginFolder.endsWith(QLatin1Char('/')))
            pluginFolder += QLatin1Char('/');
        host->Search(pluginFolder + QStringLiteral("*.spi"));
    } else {
        pluginFolder.clear();
    }
    return host;
}
