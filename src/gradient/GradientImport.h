#pragma once

#include "gradient/GradientTable.h"

#include <QByteArray>
#include <QString>
#include <span>
#include <vector>

class GradientTableList;

// Files larger than this are refused before they are read.
constexpr qint64 kMaxGradientFileBytes = 1024 * 1024;
// Longer imported names are cut.
constexpr int kMaxGradientNameLength = 100;

enum class GradientImportError {
    None,
    Unreadable,      // detail: the system's message
    TooLarge,        // more than kMaxGradientFileBytes
    UnknownFormat,   // neither a GIMP gradient nor a text with linear-gradient(...)
    BadSegmentCount, // line: the count line
    TooManySegments,
    BadSegment,      // line; detail: what is wrong
    MissingSegments, // fewer segment lines than the count
    BadCssGradient,  // gradient (1-based); detail: what is wrong
    BadCssColor,     // gradient, stop (1-based); detail: the colour text
    BadCssPosition,  // gradient, stop; detail: the position text
    TooManyGradients,
};

// What had to change on the way into a table, one bit each.
enum GradientImportNote : unsigned {
    GradientSampled = 1,          // fitted into at most ten stops (maxError says how well)
    GradientAlphaIgnored = 2,     // tables have no transparency
    GradientContextColors = 4,    // foreground/background ends read as black/white
    GradientDirectionIgnored = 8, // tables run left to right
    GradientSpaceIgnored = 16,    // tables blend in sRGB
    GradientHintsIgnored = 32,    // CSS transition hints
};

struct ImportedGradient {
    QString name;
    std::vector<GradientStop> stops; // ascending, at most ten
    unsigned notes = 0;
    double maxError = 0; // largest column distance of a sampled fit, 8-bit units
};

struct GradientImport {
    GradientImportError error = GradientImportError::None;
    int line = 0;     // GIMP gradient: the 1-based line at fault
    int gradient = 0; // CSS: the 1-based gradient and stop at fault
    int stop = 0;
    QString detail;
    std::vector<ImportedGradient> gradients;
    explicit operator bool() const { return error == GradientImportError::None; }
};

// Reads a GIMP gradient or a text holding CSS linear-gradient(...)s;
// `fallbackName` names what has no name of its own.
GradientImport ImportGradientText(const QByteArray& bytes, const QString& fallbackName);

// The same from a file, refused unread when larger than the limit; the
// fallback name is the file's base name.
GradientImport ImportGradientFile(const QString& path);

// The reason in English, for the command line.
QString GradientImportErrorText(const GradientImport& import);

// Adds the imported gradients as new tables, never replacing one: a name
// already in the list gets " (2)", " (3)", ... The names given, in order;
// fewer than imported when the list filled up.
QStringList AddImportedGradients(GradientTableList& list,
                                 std::span<const ImportedGradient> gradients);
