#pragma once

#include <QString>

#include <memory>

class QTemporaryFile;

// The page that previews show: one file with the extension .htm in the
// user's temporary folder, made once, rewritten by every preview and removed
// when this object goes. It is created exclusively (mode 0600) and written
// only through the descriptor that created it, so a link or file someone
// planted in the folder is never followed or overwritten.
class PreviewFile {
public:
    // An empty folder means the user's temporary folder.
    explicit PreviewFile(const QString& folder = QString());
    ~PreviewFile();
    PreviewFile(const PreviewFile&) = delete;
    PreviewFile& operator=(const PreviewFile&) = delete;

    // Makes the empty file. Returns an empty text, or the system's message.
    QString create();
    // Full path of the file; empty until created.
    QString path() const;
    // Replaces the contents with text (UTF-8); makes a new file first when
    // none was made or the name no longer leads to ours. Returns an empty
    // text, or the system's message.
    QString write(const QString& text);
    // Removes the file now; a name that no longer leads to ours is left
    // alone. A later write makes a new file.
    void remove();

private:
    bool stillOurs() const;

    QString m_folder;
    std::unique_ptr<QTemporaryFile> m_file;
};
