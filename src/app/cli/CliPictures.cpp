#include "CliPictures.h"

#include "CliContext.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

// Beside the program in the build tree; in <prefix>/lib/vellomar once installed.
CliPicturesEntry LoadEntry() {
    static CliPicturesEntry entry = [] {
        const QString dir = QCoreApplication::applicationDirPath();
        const QString name = QStringLiteral("vellomar-cli-pictures");
        QStringList errors;
        for (const QString& path :
             {dir + QLatin1Char('/') + name, dir + QStringLiteral("/../lib/vellomar/") + name}) {
            QLibrary module(path);
            if (auto found =
                    reinterpret_cast<CliPicturesEntry>(module.resolve("VellomarCliPictures")))
                return found;
            errors << module.errorString();
        }
        throw OperationError(QStringLiteral("cannot load the picture module: %1")
                                 .arg(errors.join(QStringLiteral("; "))));
    }();
    return entry;
}

} // namespace

void RunCliPictures(CliPictureCall& call) {
    // The plug-in folders are found from the program the user ran, not from
    // this one in lib/vellomar.
    call.programFolder = qEnvironmentVariable("VELLOMAR_CLI_FOLDER");
    if (!LoadEntry()(&call))
        throw OperationError(call.error);
}
