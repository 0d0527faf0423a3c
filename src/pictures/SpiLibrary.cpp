#include "SpiLibrary.h"

#include <QFile>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

SpiLibrary::~SpiLibrary() {
    unload();
}

#if defined(Q_OS_WIN)

bool SpiLibrary::load(const QString& fileName) {
    unload();
    m_handle = LoadLibraryW(reinterpret_cast<LPCWSTR>(fileName.utf16()));
    return m_handle != nullptr;
}

void SpiLibrary::unload() {
    if (m_handle)
        FreeLibrary(HMODULE(m_handle));
    m_handle = nullptr;
}

void* SpiLibrary::resolve(const char* name) const {
    return m_handle ? reinterpret_cast<void*>(GetProcAddress(HMODULE(m_handle), name)) : nullptr;
}

QString SpiLibrary::moduleFileName() const {
    wchar_t buffer[256];
    const DWORD n = m_handle ? GetModuleFileNameW(HMODULE(m_handle), buffer, 255) : 0;
    return n > 0 && n < 255 ? QString::fromWCharArray(buffer, int(n)) : QString();
}

bool IsTrustedPluginPath(const QString&) {
    return true;
}

#else

bool SpiLibrary::load(const QString& fileName) {
    unload();
    // Only ELF shared objects; anything else never reaches the loader.
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.read(4) != QByteArray("\x7f"
                                                                      "ELF"))
        return false;
    file.close();
    m_handle = dlopen(QFile::encodeName(fileName).constData(), RTLD_NOW | RTLD_LOCAL);
    return m_handle != nullptr;
}

void SpiLibrary::unload() {
    if (m_handle)
        dlclose(m_handle);
    m_handle = nullptr;
}

void* SpiLibrary::resolve(const char* name) const {
    return m_handle ? dlsym(m_handle, name) : nullptr;
}

QString SpiLibrary::moduleFileName() const {
    link_map* map = nullptr;
    if (!m_handle || dlinfo(m_handle, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name)
        return QString();
    return QFile::decodeName(map->l_name);
}

bool IsTrustedPluginPath(const QString& path) {
    struct stat st;
    if (stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    if (st.st_mode & (S_IWGRP | S_IWOTH))
        return false;
    return st.st_uid == geteuid() || st.st_uid == 0;
}

#endif
