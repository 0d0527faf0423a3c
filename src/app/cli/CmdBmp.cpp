// bmp info | convert | palette: the DIB class from a shell.
#include "CliCommand.h"
#include "CliContext.h"
#include "ColorArgument.h"
#include "NearestName.h"

#include "dib/DibErrors.h"
#include "dib/DibFormat.h"
#include "pictures/PictureFile.h"
#include "pictures/TVmInternalDIB.h"

namespace {

QString CompressionName(quint32 compression) {
    switch (compression) {
    case BI_RGB:
        return QStringLiteral("RGB");
    case BI_RLE8:
        return QStringLiteral("RLE8");
    case BI_RLE4:
        return QStringLiteral("RLE4");
    case BI_BITFIELDS:
        return QStringLiteral("BITFIELDS");
    default:
        return QString::number(compression);
    }
}

// The picture data as TVmDIB holds them: the window's picture class itself
// draws through the GUI library, which these commands do not need.
void Load(TVmInternalDIB& dib, const QString& fileName) {
    QFile file(fileName);
    OpenPictureForReading(file);
    dib.LoadFromStream(file);
}

void Save(const TVmInternalDIB& dib, const QString& fileName) {
    SavePictureFile(fileName, [&](QIODevice& file) { dib.SaveToStream(file); });
}

int Info(CliContext& context) {
    const QString file = context.takePositional(QStringLiteral("FILE"));
    context.expectNoMore();
    TVmInternalDIB dib;
    Load(dib, file);
    const BitmapInfoHeader& h = dib.header();
    const DibPixelFormat format = dib.GetPixelFormat();
    WriteLine(QStringLiteral("width=%1").arg(dib.width()));
    WriteLine(QStringLiteral("height=%1").arg(dib.height()));
    WriteLine(QStringLiteral("bitcount=%1").arg(h.biBitCount));
    WriteLine(QStringLiteral("compression=%1").arg(CompressionName(h.biCompression)));
    WriteLine(QStringLiteral("colors=%1").arg(h.biClrUsed));
    WriteLine(QStringLiteral("format=%1").arg(QLatin1String(DibPixelFormatNames[format])));
    return 0;
}

int Convert(CliContext& context) {
    const std::optional<QString> quality = context.takeOption(QStringLiteral("--quality"));
    const std::optional<QString> key = context.takeOption(QStringLiteral("--key"));
    const QString in = context.takePositional(QStringLiteral("IN"));
    const QString out = context.takePositional(QStringLiteral("OUT"));
    const QString formatName = context.takePositional(QStringLiteral("FORMAT"));
    context.expectNoMore();
    const std::optional<DibPixelFormat> format =
        DibPixelFormatFromName(formatName.toUtf8().toStdString());
    if (!format) {
        QStringList names;
        for (const char* name : DibPixelFormatNames)
            names << QLatin1String(name);
        throw UsageError(UnknownNameMessage(QStringLiteral("unknown format"), formatName, names));
    }
    int convertQuality = ConvertQualityLow;
    TColor keyColor = 0xFFFFFF;
    if (quality) {
        if (*quality == QLatin1String("low"))
            convertQuality = ConvertQualityLow;
        else if (*quality == QLatin1String("high"))
            convertQuality = ConvertQualityHigh;
        else
            throw UsageError(QStringLiteral("--quality takes low or high, not '%1'").arg(*quality));
    }
    if (key)
        keyColor = ParseColorArgument(context, *key);
    TVmInternalDIB dib;
    Load(dib, in);
    dib.SetPixelsFormat(*format, convertQuality, {}, keyColor);
    Save(dib, out);
    return 0;
}

int Palette(CliContext& context) {
    const QString in = context.takePositional(QStringLiteral("IN"));
    const QString out = context.takePositional(QStringLiteral("OUT"));
    context.expectNoMore();
    TVmInternalDIB dib;
    Load(dib, in);
    dib.CreateTrueColorPalette(ConvertQualityLow, {});
    Save(dib, out);
    return 0;
}

int RunBmp(CliContext& context) {
    const QString verb = context.takePositional(QStringLiteral("info, convert or palette"));
    try {
        if (verb == QLatin1String("info"))
            return Info(context);
        if (verb == QLatin1String("convert"))
            return Convert(context);
        if (verb == QLatin1String("palette"))
            return Palette(context);
    } catch (const EPictureError& e) {
        throw OperationError(e.message());
    }
    throw UsageError(UnknownNameMessage(
        QStringLiteral("unknown bmp command"), verb,
        {QStringLiteral("info"), QStringLiteral("convert"), QStringLiteral("palette")}));
}

const char* const kHelp =
    "Inspects and converts BMP pictures.\n"
    "\n"
    "  info FILE\n"
    "      prints width, height, bit count, compression, colours used and pixel\n"
    "      format name, one key=value per line\n"
    "  convert IN OUT FORMAT\n"
    "      loads IN, converts it to FORMAT and saves it as OUT; FORMAT is one of\n"
    "      1bit 4bit 4bitrle 8bit 8bitrle 24bit halftone halftonebw\n"
    "  --quality low|high\n"
    "      (convert) how a palette is built when colours are reduced; default low\n"
    "  --key C\n"
    "      (convert to 1bit) the key colour that decides between the two\n"
    "      colours; default white\n"
    "  palette IN OUT\n"
    "      gives the true-colour picture IN its computed palette and saves it as OUT\n"
    "\n"
    "A file that holds less pixel data than its header describes is refused, and\n"
    "no picture may take more than 256 MiB. OUT is replaced only once the new\n"
    "picture is written whole, so a failed save keeps the old file; OUT must be a\n"
    "regular file (not a device, a FIFO or a folder).\n";

const CliCommand command("bmp",
                         "info FILE | convert IN OUT FORMAT [--quality low|high] [--key C] | "
                         "palette IN OUT",
                         kHelp, RunBmp);

} // namespace
