#include "TSPIVmDIB.h"

#include "dib/DibTypes.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

namespace {

std::optional<bool> g_screenHasPalette;

} // namespace

bool ScreenHasPalette() {
    if (!g_screenHasPalette) {
        const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                    ? QGuiApplication::primaryScreen()
                                    : nullptr;
        g_screenHasPalette = screen && screen->depth() < 9;
    }
    return *g_screenHasPalette;
}

void SetScreenHasPalette(bool value) {
    g_screenHasPalette = value;
}

const TGraphicClass TSPIVmDIB::Class{"TSPIVmDIB",
                                     [] { return std::unique_ptr<TVmGraphic>(new TSPIVmDIB); }};

TSPIVmDIB::TSPIVmDIB()
    : m_able(
          QStringLiteral("BMP"), [this](QIODevice& stream) { ReadBmp(stream); },
          [this](const TSPIPictureData& data, const TPictureInfoRec& info) {
              return Build(data, info);
          },
          [this](TProgressStage stage, int percent) { Progress(stage, percent, QString()); }) {}

void TSPIVmDIB::Assign(const TVmGraphic* source) {
    TVmDIB::Assign(source);
    if (const auto* other = dynamic_cast<const TSPIVmDIB*>(source)) {
        ForcedPlugin = other->ForcedPlugin;
        RetryPast128 = other->RetryPast128;
        TrueColorPalette = other->TrueColorPalette;
    }
}

void TSPIVmDIB::ReadBmp(QIODevice& stream) {
    TVmDIB::LoadFromStream(stream);
}

void TSPIVmDIB::LoadFromFile(const QString& fileName) {
    TInSPIAble::NameScope scope(m_able, fileName);
    TVmDIB::LoadFromFile(fileName);
}

void TSPIVmDIB::LoadFromStreamWithName(QIODevice& stream, const QString& fileName) {
    TInSPIAble::NameScope scope(m_able, fileName);
    if (OnLoadFromStreamWithName)
        OnLoadFromStreamWithName(stream, fileName);
    LoadFromStream(stream);
}

void TSPIVmDIB::LoadFromStream(QIODevice& stream) {
    m_able.RetryPast128 = RetryPast128;
    m_able.ForcedPlugin = ForcedPlugin;
    m_able.LoadFromStream(stream);
}

bool TSPIVmDIB::Build(const TSPIPictureData& data, const TPictureInfoRec&) {
    const QByteArray block = PackPluginDib(data);
    if (block.isEmpty())
        return false;
    // The DIB loader checks the block and expands 16 and 32 bits to 24.
    LoadFromClipboardFormat(CF_DIB, block, nullptr);
    return true;
}

void TSPIVmDIB::Changed() {
    // Making the palette is itself a change; it must not start another.
    if (!m_inChanged) {
        const int bits = GetBitCount();
        const bool wanted = TrueColorPalette == 2 || (TrueColorPalette == 1 && ScreenHasPalette());
        if (wanted && (bits == 16 || bits == 24 || bits == 32) && !GetPalette()) {
            m_inChanged = true;
            try {
                CreateTrueColorPalette();
            } catch (...) {
                m_inChanged = false;
                throw;
            }
            m_inChanged = false;
        }
    }
    TVmDIB::Changed();
}
