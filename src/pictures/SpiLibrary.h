#pragma once

#include <QString>

// One dynamic library held open: dlopen on POSIX, LoadLibrary on Windows.
class SpiLibrary {
public:
    SpiLibrary() = default;
    ~SpiLibrary();
    SpiLibrary(const SpiLibrary&) = delete;
    SpiLibrary& operator=(const SpiLibrary&) = delete;

    // False when the file is no loadable library of this platform.
    bool load(const QString& fileName);
    void unload();
    bool isLoaded() const { return m_handle != nullptr; }
    // The entry point's address, or nullptr.
    void* resolve(const char* name) const;
    // The full path as the loader reports it; empty when it reports none.
    QString moduleFileName() const;

private:
    void* m_handle = nullptr;
};

// A file or folder whose contents only we (or root) can change: not writable
// by group or others, owned by us or by root. Loading anything else would run
// another user's code as ours.
bool IsTrustedPluginPath(const QString& path);
