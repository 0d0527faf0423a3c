#pragma once

#include "FuzzCommon.h"

#include "pictures/TSPIVmDIB.h"
#include "pictures/TSPIs.h"

#include <cstdio>
#include <cstdlib>

// Loads one in-tree importer into the host once, then reads each input as a
// file of the given name through TSPIVmDIB, as the program would.
inline int FuzzThroughPlugin(const char* library, const char* fileName, const uint8_t* data,
                             size_t size) {
    static TSPIs* host = [&] {
        auto* h = new TSPIs;
        auto plugin =
            CreatePluginFromFile(QStringLiteral(VELLOMAR_PLUGIN_DIR "/") + QLatin1String(library));
        if (!plugin) {
            std::fprintf(stderr, "cannot load %s\n", library);
            std::abort();
        }
        h->Add(std::move(plugin));
        return h;
    }();
    (void)host;
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TSPIVmDIB dib;
    dib.TrueColorPalette = 0;
    try {
        dib.LoadFromStreamWithName(buffer, QLatin1String(fileName));
    } catch (const EPictureError&) {
        return 0;
    }
    Exercise(dib);
    return 0;
}
