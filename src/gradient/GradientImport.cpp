#include "gradient/GradientImport.h"

#include "gradient/CssLinearGradient.h"
#include "gradient/GgrFile.h"
#include "gradient/GradientListOps.h"
#include "gradient/GradientTableList.h"

#include <QFile>
#include <QFileInfo>

GradientImport ImportGradientText(const QByteArray& bytes, const QString& fallbackName) {
    GradientImport result;
    if (bytes.size() > kMaxGradientFileBytes) {
        result.error = GradientImportError::TooLarge;
        return result;
    }
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const QString name =
        fallbackName.trimmed().isEmpty() ? QStringLiteral("gradient") : fallbackName.trimmed();
    if (LooksLikeGgr(text))
        return ReadGgr(text, name);
    const QString css = QString::fromUtf8(text);
    if (ContainsCssLinearGradient(css))
        return ReadCssLinearGradients(css, name);
    result.error = GradientImportError::UnknownFormat;
    return result;
}

GradientImport ImportGradientFile(const QString& path) {
    GradientImport result;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile()) {
        result.error = GradientImportError::Unreadable;
        result.detail =
            info.exists() ? QStringLiteral("not a regular file") : QStringLiteral("no such file");
        return result;
    }
    if (info.size() > kMaxGradientFileBytes) {
        result.error = GradientImportError::TooLarge;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = GradientImportError::Unreadable;
        result.detail = file.errorString();
        return result;
    }
    // One byte over the limit tells a file that grew since.
    const QByteArray bytes = file.read(kMaxGradientFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.error = GradientImportError::Unreadable;
        result.detail = file.errorString();
        return result;
    }
    return ImportGradientText(bytes, info.completeBaseName());
}

QString GradientImportErrorText(const GradientImport& import) {
    switch (import.error) {
    case GradientImportError::None:
        break;
    case GradientImportError::Unreadable:
        return QStringLiteral("cannot read the file: %1").arg(import.detail);
    case GradientImportError::TooLarge:
        return QStringLiteral("larger than %1 KiB, too large for a gradient file")
            .arg(kMaxGradientFileBytes / 1024);
    case GradientImportError::UnknownFormat:
        return QStringLiteral("neither a GIMP gradient (.ggr) nor a text with a CSS "
                              "linear-gradient(...)");
    case GradientImportError::BadSegmentCount:
        return QStringLiteral("line %1: no segment count (a whole number from 1)").arg(import.line);
    case GradientImportError::TooManySegments:
        return QStringLiteral("line %1: too many segments").arg(import.line);
    case GradientImportError::BadSegment:
        return QStringLiteral("line %1: bad segment: %2").arg(import.line).arg(import.detail);
    case GradientImportError::MissingSegments:
        return QStringLiteral("fewer segments than line %1 counts").arg(import.line);
    case GradientImportError::BadCssGradient:
        if (import.stop > 0)
            return QStringLiteral("gradient %1, stop %2: %3")
                .arg(import.gradient)
                .arg(import.stop)
                .arg(import.detail);
        return QStringLiteral("gradient %1: %2").arg(import.gradient).arg(import.detail);
    case GradientImportError::BadCssColor:
        return QStringLiteral("gradient %1, stop %2: cannot read the colour '%3'")
            .arg(import.gradient)
            .arg(import.stop)
            .arg(import.detail);
    case GradientImportError::BadCssPosition:
        return QStringLiteral("gradient %1, stop %2: the position '%3' is not a percentage")
            .arg(import.gradient)
            .arg(import.stop)
            .arg(import.detail);
    case GradientImportError::TooManyGradients:
        return QStringLiteral("more than %1 gradients").arg(GradientTableList::kCapacity);
    }
    return {};
}

QStringList AddImportedGradients(GradientTableList& list,
                                 std::span<const ImportedGradient> gradients) {
    QStringList names;
    for (const ImportedGradient& gradient : gradients) {
        const QString name = UniqueGradientName(list, gradient.name);
        if (AddGradientTable(list, name, gradient.stops) != AddGradientResult::Added)
            break;
        names << name;
    }
    return names;
}
