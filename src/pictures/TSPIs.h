#pragma once

#include "PictureFormats.h"
#include "TSPI.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

enum TSPISearchOption {
    spsSusieDir = 1 << 0,
    spsAppDir = 1 << 1,
    spsCurrentDir = 1 << 2,
    spsSystemDir = 1 << 3,
    spsWindowsDir = 1 << 4,
};
using TSPISearchOptions = int;

// The plug-in host: finds and loads plug-ins, keeps them in the order found
// and registers the formats of every picture importer. One per program.
class TSPIs {
public:
    // ESPIDupCreateSPIs while another host exists.
    TSPIs();
    ~TSPIs();
    TSPIs(const TSPIs&) = delete;
    TSPIs& operator=(const TSPIs&) = delete;

    // The one host, or nullptr.
    static TSPIs* Instance();

    TSPISearchOptions SearchOptions = spsSusieDir | spsAppDir;
    bool AutoSearch = true;
    std::function<void(TSPI& plugin, bool& accept)> OnSearch;
    std::function<void(TInSPI& plugin, const QString& extension, const QString& description,
                       const TGraphicClass*& graphicClass)>
        OnPictureRegister;
    // Where the Susie folder is read from; empty: the settings store "Susie", "Plug-in".
    QString SusieSettingsFile;
    // The program's own folder, from which the system folders are found too;
    // empty: the folder of the running executable.
    QString ProgramFolder;

    // What the owner calls once it has been loaded: searches "*.spi" when AutoSearch is on.
    void Loaded();
    // Finds and loads plug-ins: in the mask's folder, or in the SearchOptions folders.
    void Search(const QString& mask);
    // The folders that SearchOptions name, in search order (existing or not).
    QStringList SearchFolders() const;

    void Add(std::unique_ptr<TSPI> plugin);
    void Insert(int index, std::unique_ptr<TSPI> plugin);
    void Delete(int index);
    void Clear();
    int Count() const { return int(m_plugins.size()); }
    TSPI& Items(int index) const { return *m_plugins.at(size_t(index)); }
    // The plug-in loaded under this full name (letter case ignored), or -1.
    int IndexOfFile(const QString& fileName) const;
    // Every plug-in of one of the classes; those naming the extension first,
    // the later-loaded of these before the earlier-loaded.
    std::vector<TSPI*> FindPluginsForExtension(const std::vector<TSPIClass>& classes,
                                               const QString& fileNameOrExtension) const;

private:
    void SearchFolder(const QString& folder, const QString& mask);
    void RegisterFormats(TInSPI& plugin);

    std::vector<std::unique_ptr<TSPI>> m_plugins;
};

// The folder the Susie viewer keeps its plug-ins in: value "Path" of the
// settings store "Susie", "Plug-in" (or of `settingsFile`); empty when unset.
QString SusiePluginFolder(const QString& settingsFile = QString());
