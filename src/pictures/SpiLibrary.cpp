#include "SpiLibrary.h"

#include "PluginTrust.h"

#include <QFile>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <string>
#include <sys/stat.h>
#include <sys/sysmacros.h>
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
    m_fileName.clear();
}

void* SpiLibrary::resolve(const char* name) const {
    return m_handle ? reinterpret_cast<void*>(GetProcAddress(HMODULE(m_handle), name)) : nullptr;
}

QString SpiLibrary::moduleFileName() const {
    wchar_t buffer[256];
    const DWORD n = m_handle ? GetModuleFileNameW(HMODULE(m_handle), buffer, 255) : 0;
    return n > 0 && n < 255 ? QString::fromWCharArray(buffer, int(n)) : QString();
}

#else

namespace {

// The device and inode of the file mapped at `address`, from /proc/self/maps.
bool MappedFile(uintptr_t address, dev_t& device, ino_t& inode) {
    FILE* maps = std::fopen("/proc/self/maps", "re");
    if (!maps)
        return false;
    bool found = false;
    char line[512];
    while (!found && std::fgets(line, sizeof line, maps)) {
        unsigned long start = 0, end = 0, node = 0;
        unsigned major = 0, minor = 0;
        if (std::sscanf(line, "%lx-%lx %*s %*s %x:%x %lu", &start, &end, &major, &minor, &node) ==
                5 &&
            address >= start && address < end) {
            device = makedev(major, minor);
            inode = ino_t(node);
            found = true;
        }
    }
    std::fclose(maps);
    return found;
}

// The loader answers a name it already knows with the library it loaded
// under that name, before it looks at the file; descriptor numbers come
// round again. So the library is checked to be the descriptor's file, and
// another spelling of the same descriptor's path is tried when it is not.
void* LoadDescriptor(int fd) {
    struct stat file;
    if (fstat(fd, &file) != 0)
        return nullptr;
    std::string path = "/proc/self/fd/";
    for (int attempt = 0; attempt < 64; ++attempt, path += "./") {
        void* handle = dlopen((path + std::to_string(fd)).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return nullptr;
        link_map* map = nullptr;
        dev_t device = 0;
        ino_t inode = 0;
        if (dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map &&
            MappedFile(uintptr_t(map->l_ld), device, inode) && device == file.st_dev &&
            inode == file.st_ino)
            return handle;
        dlclose(handle);
    }
    return nullptr;
}

} // namespace

bool SpiLibrary::load(const QString& fileName) {
    unload();
    QString realPath;
    const int fd = OpenTrustedPlugin(fileName, &realPath);
    if (fd < 0)
        return false;
    // Only ELF shared objects; anything else never reaches the loader.
    char magic[4];
    if (pread(fd, magic, sizeof magic, 0) == 4 && std::memcmp(magic,
                                                              "\x7f"
                                                              "ELF",
                                                              4) == 0)
        m_handle = LoadDescriptor(fd);
    close(fd);
    if (m_handle)
        m_fileName = realPath;
    return m_handle != nullptr;
}

void SpiLibrary::unload() {
    if (m_handle)
        dlclose(m_handle);
    m_handle = nullptr;
    m_fileName.clear();
}

void* SpiLibrary::resolve(const char* name) const {
    return m_handle ? dlsym(m_handle, name) : nullptr;
}

QString SpiLibrary::moduleFileName() const {
    return m_handle ? m_fileName : QString();
}

#endif
