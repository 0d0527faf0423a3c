#include "PictureFormats.h"

#include "TQtImageDIB.h"
#include "TVmDIB.h"
#include "dib/DibErrors.h"
#include "dib/DibTypes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

namespace {

const TGraphicClass kVmDIBClass{"TVmDIB", [] { return std::unique_ptr<TVmGraphic>(new TVmDIB); }};

QString AllFilesText() {
    return QCoreApplication::translate("TPictureFormats", "すべてのファイル");
}

} // namespace

TPictureFormats& TPictureFormats::Instance() {
    static TPictureFormats formats;
    return formats;
}

TPictureFormats::TPictureFormats() {
    Register(QStringLiteral("bmp"), QStringLiteral("Bitmaps"), &kVmDIBClass);
    Register(QStringLiteral("dib"), QStringLiteral("Device Independent Bitmap"), &kVmDIBClass);
    RegisterClipboardFormat(CF_DIB, &kVmDIBClass);
    const QList<QByteArray> readable = QImageReader::supportedImageFormats();
    const struct {
        const char* format;
        const char* extension;
        const char* description;
    } builtIn[] = {
        {"png", "png", "Portable Network Graphics"},
        {"jpeg", "jpg", "JPEG Image File"},
        {"jpeg", "jpeg", "JPEG Image File"},
        {"gif", "gif", "GIF Image"},
        {"webp", "webp", "WebP Image"},
    };
    for (const auto& f : builtIn)
        if (readable.contains(QByteArray(f.format)))
            Register(QLatin1String(f.extension), QLatin1String(f.description), &TQtImageDIB::Class);
}

void TPictureFormats::Register(const QString& extension, const QString& description,
                               const TGraphicClass* graphicClass) {
    const QString bare = extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
    if (bare.isEmpty() || !graphicClass)
        return;
    std::erase_if(m_formats, [&](const Format& f) {
        return f.extension.compare(bare, Qt::CaseInsensitive) == 0;
    });
    m_formats.push_back({bare, description, graphicClass});
}

void TPictureFormats::Unregister(const TGraphicClass* graphicClass) {
    std::erase_if(m_formats, [&](const Format& f) { return f.graphicClass == graphicClass; });
    std::erase_if(m_clipboardFormats, [&](const auto& f) { return f.second == graphicClass; });
}

void TPictureFormats::RegisterClipboardFormat(quint16 format, const TGraphicClass* graphicClass) {
    std::erase_if(m_clipboardFormats, [&](const auto& f) { return f.first == format; });
    m_clipboardFormats.emplace_back(format, graphicClass);
}

const TGraphicClass* TPictureFormats::FindExtension(const QString& extension) const {
    const QString bare = extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
    for (auto it = m_formats.rbegin(); it != m_formats.rend(); ++it)
        if (it->extension.compare(bare, Qt::CaseInsensitive) == 0)
            return it->graphicClass;
    return nullptr;
}

const TGraphicClass* TPictureFormats::FindClipboardFormat(quint16 format) const {
    for (const auto& f : m_clipboardFormats)
        if (f.first == format)
            return f.second;
    return nullptr;
}

QString TPictureFormats::GraphicFilter() const {
    QStringList masks, entries;
    for (auto it = m_formats.rbegin(); it != m_formats.rend(); ++it) {
        masks.append(QStringLiteral("*.") + it->extension);
        entries.append(QStringLiteral("%1 (*.%2)|*.%2").arg(it->description, it->extension));
    }
    const QString all = masks.join(QLatin1Char(';'));
    return QStringLiteral("%1 (%2)|%2|%3").arg(AllFilesText(), all, entries.join(QLatin1Char('|')));
}

QString TPictureFormats::FileDialogFilter() const {
    QStringList masks, entries;
    for (auto it = m_formats.rbegin(); it != m_formats.rend(); ++it) {
        masks.append(QStringLiteral("*.") + it->extension);
        entries.append(QStringLiteral("%1 (*.%2)").arg(it->description, it->extension));
    }
    entries.prepend(QStringLiteral("%1 (%2)").arg(AllFilesText(), masks.join(QLatin1Char(' '))));
    return entries.join(QStringLiteral(";;"));
}

std::unique_ptr<TVmGraphic> TPictureFormats::LoadFromFile(const QString& fileName) const {
    const QString extension = QFileInfo(fileName).suffix();
    const TGraphicClass* graphicClass = FindExtension(extension);
    if (!graphicClass)
        throw EInvalidGraphic(
            QCoreApplication::translate("TPictureFormats", "拡張子 .%1 の画像形式は処理できません")
                .arg(extension.toLower()));
    std::unique_ptr<TVmGraphic> graphic = graphicClass->create();
    graphic->LoadFromFile(fileName);
    return graphic;
}
