#include "TSPIs.h"

#include "PluginTrust.h"
#include "SpiErrors.h"
#include "TSPIBitmap.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

TSPIs* g_host = nullptr;

QString WithSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// A file name against a mask of "*" and "?", ignoring case as QDir's name
// filters do; matched by hand because a name filter would load the regular
// expression library at every start.
bool MatchesMask(QStringView name, QStringView mask) {
    const auto same = [](QChar a, QChar b) { return a.toCaseFolded() == b.toCaseFolded(); };
    qsizetype n = 0, m = 0, starMask = -1, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == QLatin1Char('*')) {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == QLatin1Char('?') || same(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (starMask >= 0) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == QLatin1Char('*'))
        ++m;
    return m == mask.size();
}

QFileInfoList MatchingFiles(const QDir& dir, const QString& mask) {
    constexpr QDir::Filters kFilters = QDir::Files | QDir::System;
    // Sets in brackets are left to QDir.
    if (mask.contains(QLatin1Char('[')))
        return dir.entryInfoList({mask}, kFilters, QDir::Unsorted);
    QFileInfoList files;
    for (const QFileInfo& entry : dir.entryInfoList(kFilters, QDir::Unsorted))
        if (MatchesMask(entry.fileName(), mask))
            files.append(entry);
    return files;
}

} // namespace

QString SusiePluginFolder(const QString& settingsFile) {
    // Read only: QSettings creates nothing unless written to.
    std::unique_ptr<QSettings> store =
        settingsFile.isEmpty()
            ? std::make_unique<QSettings>(QStringLiteral("Susie"), QStringLiteral("Plug-in"))
            : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
    if (store->status() != QSettings::NoError)
        return QString();
    return store->value(QStringLiteral("Path")).toString();
}

TSPIs::TSPIs() {
    if (g_host)
        throw ESPIDupCreateSPIs(QStringLiteral("TSPIs は複数生成できません"));
    g_host = this;
}

TSPIs::~TSPIs() {
    Clear();
    if (g_host == this)
        g_host = nullptr;
}

TSPIs* TSPIs::Instance() {
    return g_host;
}

void TSPIs::Loaded() {
    if (AutoSearch)
        Search(QStringLiteral("*.spi"));
}

QStringList TSPIs::SearchFolders() const {
    QStringList folders;
    if (SearchOptions & spsSusieDir) {
        const QString susie = SusiePluginFolder(SusieSettingsFile);
        if (!susie.isEmpty())
            folders.append(susie);
    }
    const QString own = !ProgramFolder.isEmpty()       ? ProgramFolder
                        : QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                       : QString();
    if ((SearchOptions & spsAppDir) && !own.isEmpty())
        folders.append(own);
    if (SearchOptions & spsCurrentDir)
        folders.append(QDir::currentPath());
    // The program lives in <prefix>/bin; its folders are found from there, so
    // an installed tree works wherever it was put.
    const QString prefix = own.isEmpty() ? QString() : QDir::cleanPath(own + QStringLiteral("/.."));
    if ((SearchOptions & spsSystemDir) && !prefix.isEmpty())
        folders.append(prefix + QStringLiteral("/lib/vellomar/plugins"));
    if ((SearchOptions & spsWindowsDir) && !prefix.isEmpty())
        folders.append(prefix + QStringLiteral("/share/vellomar/plugins"));
    return folders;
}

void TSPIs::Search(const QString& mask) {
    const int slash = int(mask.lastIndexOf(QLatin1Char('/')));
    if (slash >= 0) {
        SearchFolder(WithSeparator(mask.left(slash + 1)), mask.mid(slash + 1));
        return;
    }
    for (const QString& folder : SearchFolders())
        SearchFolder(WithSeparator(folder), mask);
}

void TSPIs::SearchFolder(const QString& folder, const QString& mask) {
    const QDir dir(folder);
    if (!dir.exists() || !IsTrustedPluginFolder(folder))
        return;
    QStringList files;
    // Hidden files are skipped; the file system's order is kept.
    for (const QFileInfo& entry : MatchingFiles(dir, mask)) {
        // The canonical path, so that one library reached by two paths loads once.
        const QString path = entry.canonicalFilePath();
        if (!path.isEmpty() && IndexOfFile(path) < 0 && !files.contains(path, Qt::CaseInsensitive))
            files.append(path);
    }
    // Each file is checked again as it is opened for loading.
    for (const QString& path : files) {
        std::unique_ptr<TSPI> plugin = CreatePluginFromFile(path);
        if (!plugin)
            continue;
        TSPI* raw = plugin.get();
        try {
            bool accept = true;
            if (OnSearch)
                OnSearch(*plugin, accept);
            if (accept)
                Add(std::move(plugin));
        } catch (...) {
            // Taken out again if it was already put into the list.
            for (size_t i = 0; i < m_plugins.size(); ++i)
                if (m_plugins[i].get() == raw) {
                    m_plugins.erase(m_plugins.begin() + qsizetype(i));
                    break;
                }
        }
    }
}

void TSPIs::Add(std::unique_ptr<TSPI> plugin) {
    Insert(Count(), std::move(plugin));
}

void TSPIs::Insert(int index, std::unique_ptr<TSPI> plugin) {
    TSPI* raw = plugin.get();
    m_plugins.insert(m_plugins.begin() + qBound(0, index, Count()), std::move(plugin));
    if (raw->Class() == TSPIClass::InSPI)
        RegisterFormats(static_cast<TInSPI&>(*raw));
}

void TSPIs::RegisterFormats(TInSPI& plugin) {
    const QStringList& filters = plugin.Filters();
    const QStringList& descriptions = plugin.FormatDescriptions();
    for (qsizetype i = 0; i < filters.size() && i < descriptions.size(); ++i) {
        const TGraphicClass* graphicClass = &TSPIBitmap::Class;
        for (const QString& extension : FilterExtensions(filters[i])) {
            if (OnPictureRegister)
                OnPictureRegister(plugin, extension, descriptions[i], graphicClass);
            if (graphicClass)
                TPictureFormats::Instance().Register(extension, descriptions[i], graphicClass);
        }
    }
}

void TSPIs::Delete(int index) {
    m_plugins.erase(m_plugins.begin() + index);
}

void TSPIs::Clear() {
    while (!m_plugins.empty())
        Delete(0);
}

int TSPIs::IndexOfFile(const QString& fileName) const {
    for (size_t i = 0; i < m_plugins.size(); ++i)
        if (m_plugins[i]->ModuleFileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

std::vector<TSPI*> TSPIs::FindPluginsForExtension(const std::vector<TSPIClass>& classes,
                                                  const QString& fileNameOrExtension) const {
    const QString name =
        fileNameOrExtension.mid(fileNameOrExtension.lastIndexOf(QLatin1Char('/')) + 1);
    const QString extension = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
    std::vector<TSPI*> result;
    for (const auto& plugin : m_plugins) {
        bool wanted = false;
        for (TSPIClass c : classes)
            wanted = wanted || plugin->InheritsFrom(c);
        if (!wanted)
            continue;
        if (!extension.isEmpty() && plugin->NamesExtension(extension))
            result.insert(result.begin(), plugin.get());
        else
            result.push_back(plugin.get());
    }
    return result;
}
