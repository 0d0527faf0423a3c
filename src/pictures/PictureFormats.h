#pragma once

#include "TVmGraphic.h"

#include <QString>
#include <memory>
#include <vector>

// A picture class as the framework knows it: a name and how to make one.
struct TGraphicClass {
    const char* name;
    std::unique_ptr<TVmGraphic> (*create)();
};

// The picture framework: which class reads files of which extension, and
// which reads which clipboard format. Starts with BMP and DIB through the DIB
// class, packed DIBs on the clipboard, and the formats of Qt's image readers.
class TPictureFormats {
public:
    struct Format {
        QString extension; // without the dot
        QString description;
        const TGraphicClass* graphicClass;
    };

    static TPictureFormats& Instance();

    // The class registered last for an extension is the one used; an earlier
    // registration of the same extension (letter case ignored) is replaced.
    void Register(const QString& extension, const QString& description,
                  const TGraphicClass* graphicClass);
    void Unregister(const TGraphicClass* graphicClass);
    void RegisterClipboardFormat(quint16 format, const TGraphicClass* graphicClass);

    // The class for an extension (with or without its dot), or nullptr.
    const TGraphicClass* FindExtension(const QString& extension) const;
    const TGraphicClass* FindClipboardFormat(quint16 format) const;
    const std::vector<Format>& Formats() const { return m_formats; }

    // "All files (*.a;*.b)|*.a;*.b|A (*.a)|*.a|B (*.b)|*.b", newest format first.
    QString GraphicFilter() const;
    // The same list in the form QFileDialog takes ("All (*.a *.b);;A (*.a);;...").
    QString FileDialogFilter() const;

    // Loads a file with the class its extension names; EInvalidGraphic when none does.
    std::unique_ptr<TVmGraphic> LoadFromFile(const QString& fileName) const;

private:
    TPictureFormats();

    std::vector<Format> m_formats;
    std::vector<std::pair<quint16, const TGraphicClass*>> m_clipboardFormats;
};
