#include "html/PreviewFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

PreviewFile::PreviewFile(const QString& folder) : m_folder(folder) {}

PreviewFile::~PreviewFile() {
    remove();
}

void PreviewFile::remove() {
    if (!m_file)
        return;
    // Never remove what the name leads to now: it may not be ours.
    if (!stillOurs())
        m_file->setAutoRemove(false);
    m_file.reset();
}

QString PreviewFile::create() {
    remove();
    const QString folder = m_folder.isEmpty() ? QDir::tempPath() : m_folder;
    auto file =
        std::make_unique<QTemporaryFile>(QDir(folder).filePath(QStringLiteral("TMPXXXXXX.htm")));
    file->setAutoRemove(true);
    if (!file->open())
        return file->errorString();
    // Qt may open an unnamed file; asking for its name links it into the
    // folder, so the file exists under that name from the start.
    if (file->fileName().isEmpty())
        return file->errorString();
    m_file = std::move(file);
    return {};
}

QString PreviewFile::path() const {
    return m_file ? m_file->fileName() : QString();
}

bool PreviewFile::stillOurs() const {
#ifdef Q_OS_UNIX
    struct stat opened {};
    struct stat named {};
    if (fstat(m_file->handle(), &opened) != 0 ||
        lstat(QFile::encodeName(m_file->fileName()).constData(), &named) != 0)
        return false;
    return S_ISREG(named.st_mode) && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
#else
    return QFileInfo(m_file->fileName()).isFile();
#endif
}

QString PreviewFile::write(const QString& text) {
    if (!m_file || !stillOurs()) {
        const QString error = create();
        if (!error.isEmpty())
            return error;
    }
    const QByteArray bytes = text.toUtf8();
    if (!m_file->seek(0) || !m_file->resize(0) || m_file->write(bytes) != bytes.size() ||
        !m_file->flush())
        return m_file->errorString();
    return {};
}
