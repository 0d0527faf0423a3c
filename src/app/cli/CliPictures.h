#pragma once

#include <QString>
#include <QStringList>

// The plugins and picture commands need the toolkit's GUI library, which the
// other commands do without: their work lives in a module that only they load,
// so that the rest start without it.
struct CliPictureCall {
    QString command;       // "plugins" or "picture info"
    QString pluginFolder;  // searched after the standard folders; may be empty
    QString file;          // picture info: the picture to load
    QStringList lines;     // the lines to print
    QString error;         // the picture error's message when the work failed
    QString programFolder; // the folder of the vellomar-cli the user ran
};

// Runs `call` in the module; OperationError when the work or the loading failed.
void RunCliPictures(CliPictureCall& call);

// The module's entry point: false when `call->error` holds a picture error.
extern "C" bool VellomarCliPictures(CliPictureCall* call);
using CliPicturesEntry = bool (*)(CliPictureCall*);
