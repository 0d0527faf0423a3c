#pragma once

#include "PictureFormats.h"
#include "TInSPIAble.h"
#include "TVmDIB.h"

#include <functional>

// The DIB class the program registers for plug-in formats: BMP files through
// the DIB reader, anything else through the plug-ins.
class TSPIVmDIB : public TVmDIB {
public:
    static const TGraphicClass Class;

    TSPIVmDIB();

    // Copies the three settings as well when the source is a TSPIVmDIB.
    void Assign(const TVmGraphic* source) override;
    using TVmDIB::Assign;
    void LoadFromFile(const QString& fileName) override;
    void LoadFromStream(QIODevice& stream) override;
    void LoadFromStreamWithName(QIODevice& stream, const QString& fileName);

    // Try only this plug-in; nullptr: every importer may be tried.
    TInSPI* ForcedPlugin = nullptr;
    bool RetryPast128 = true;
    // 1: make a palette for true-colour pictures when the screen has one;
    // 2: always; anything else: never.
    int TrueColorPalette = 1;
    std::function<void(QIODevice& stream, const QString& fileName)> OnLoadFromStreamWithName;

    // "BMP" when the DIB reader read the last picture, else the plug-in's file.
    const QString& LastReader() const { return m_able.LastReader(); }

protected:
    void Changed() override;

private:
    bool Build(const TSPIPictureData& data, const TPictureInfoRec& info);
    void ReadBmp(QIODevice& stream);

    TInSPIAble m_able;
    bool m_inChanged = false;
};

// True when the screen shows at most 256 colours (8 bits per pixel or fewer).
bool ScreenHasPalette();
// For tests: what ScreenHasPalette reports from now on.
void SetScreenHasPalette(bool value);
