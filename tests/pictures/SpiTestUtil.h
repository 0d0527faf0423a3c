#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <dlfcn.h>

// Plug-in folders for the host tests: private copies, so that the host's
// ownership and permission checks pass whatever the build tree's umask was.
namespace spitest {

inline QString TestSpi(const QString& kind) {
    return QStringLiteral(VELLOMAR_TEST_SPI_DIR "/") + kind + QStringLiteral(".spi");
}

inline QString InTreeSpi(const QString& name) {
    return QStringLiteral(VELLOMAR_PLUGIN_DIR "/") + name + QStringLiteral(".spi");
}

// Copies the libraries into `folder` as owner-only files.
inline bool Install(const QString& folder, const QStringList& libraries) {
    for (const QString& library : libraries) {
        const QString target = QDir(folder).filePath(QFileInfo(library).fileName());
        if (!QFile::copy(library, target))
            return false;
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    return true;
}

// The same into a temporary folder (0700).
inline bool Install(const QTemporaryDir& dir, const QStringList& libraries) {
    return Install(dir.path(), libraries);
}

// A test hook exported by the test plug-ins.
template <typename F> F Hook(const QString& library, const char* name) {
    void* handle = dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_NOLOAD);
    F f = handle ? reinterpret_cast<F>(dlsym(handle, name)) : nullptr;
    if (handle)
        dlclose(handle);
    return f;
}

// "TSPI", width, height, then RGB triples: what the test plug-ins read.
inline QByteArray TestPicture(int w, int h) {
    QByteArray bytes("TSPI");
    bytes.append(char(w)).append(char(h));
    for (int i = 0; i < w * h; ++i)
        bytes.append(char(i * 7)).append(char(i * 13)).append(char(255 - i));
    return bytes;
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace spitest
