#pragma once

#include "PictureFormats.h"
#include "TInSPIAble.h"
#include "TVmDIB.h"

// The host's default class for plug-in formats: plug-in output is written as
// an in-memory BMP file and read back with Qt's own BMP reader.
class TSPIBitmap : public TVmDIB {
public:
    static const TGraphicClass Class;

    TSPIBitmap();

    void LoadFromFile(const QString& fileName) override;
    void LoadFromStream(QIODevice& stream) override;

    TInSPI* ForcedPlugin = nullptr;
    bool RetryPast128 = true;

private:
    bool Build(const TSPIPictureData& data, const TPictureInfoRec& info);
    void ReadBmp(QIODevice& stream);

    TInSPIAble m_able;
};
