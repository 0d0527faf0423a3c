#pragma once

#include <QString>

// One dynamic library held open: dlopen on POSIX, LoadLibrary on Windows.
class SpiLibrary {
public:
    SpiLibrary() = default;
    ~SpiLibrary();
    SpiLibrary(const SpiLibrary&) = delete;
    SpiLibrary& operator=(const SpiLibrary&) = delete;

    // False when the file is no loadable library of this platform, or (on
    // POSIX) one that fails the checks of OpenTrustedPlugin.
    bool load(const QString& fileName);
    void unload();
    bool isLoaded() const { return m_handle != nullptr; }
    // The entry point's address, or nullptr.
    void* resolve(const char* name) const;
    // The full path: the file's own path (links resolved) on POSIX, as the
    // loader reports it on Windows; empty when none is known.
    QString moduleFileName() const;

private:
    void* m_handle = nullptr;
    QString m_fileName;
};
