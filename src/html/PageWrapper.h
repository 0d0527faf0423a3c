#pragma once

#include "core/Color.h"

#include <QString>
#include <QStringList>

struct ProgramOptions;

// Main-window pages by index, as the output commands tell them apart.
namespace OutputPage {
constexpr int GradientText = 0;
constexpr int Table = 1;
constexpr int Body = 2;
constexpr int Rule = 3;
constexpr int Color = 4;
} // namespace OutputPage

// Save As and both previews work on every page but the colour page.
bool PageHasOutputFile(int page);
// Pages 0, 1 and 3 get a background line; the body page's fragment is a
// BODY tag of its own.
bool PageHasBackgroundLine(int page);
// The page background: the gradient-text editor's background on page 0,
// viewback otherwise.
TColor PageBackground(int page, TColor editorBackground, const ProgramOptions& options);

// The complete page around a fragment, every line ended by CR LF, in fixed
// lower case; only a colour name in the background line follows htmlcase.
QString WrapPage(const QString& fragment, int page, TColor background,
                 const ProgramOptions& options);

// What Save As writes: the page wrapped in the markup style of the options
// while htmlsave is on, otherwise the
// fragment and one line break.
QString SavedFileText(const QString& fragment, int page, TColor background,
                      const ProgramOptions& options);

// The Save As dialog: its default extension and its filters in order.
struct SaveDialogFilters {
    QString defaultSuffix;
    QStringList nameFilters;
};
SaveDialogFilters HtmlSaveDialogFilters();
