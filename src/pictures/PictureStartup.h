#pragma once

#include "TSPIs.h"

#include <QString>
#include <memory>

// The main window's handlers of its plug-in host.
// Keeps picture importers only; archive, export and unknown plug-ins are freed again.
void SPIs1Search(TSPI& plugin, bool& accept);
// Registers every format with TSPIVmDIB, except JPG and JPEG, which are never registered.
void SPIs1PictureRegister(TInSPI& plugin, const QString& extension, const QString& description,
                          const TGraphicClass*& graphicClass);

// Start-up in one call: makes the program's one host with the window's
// handlers, searches the standard folders (Susie's, the program's own, the
// system and the shared plug-in folder), then `pluginFolder` (the `plugin`
// option). A `pluginFolder` that names no existing folder is emptied.
// `programFolder` stands for the running executable's folder when given.
// Raises ESPIDupCreateSPIs while another host exists.
std::unique_ptr<TSPIs> StartPicturePlugins(QString& pluginFolder,
                                           const QString& susieSettingsFile = QString(),
                                           const QString& programFolder = QString());
