#pragma once

#include "core/Color.h"

#include <QString>
#include <QStringList>

struct PageTraits;
struct ProgramOptions;

// A page with a file gets a background line unless its fragment is a BODY
// tag of its own.
bool PageHasBackgroundLine(const PageTraits& page);
// The page background: the page's own (the gradient-text editor's) where
// the page says so, viewback otherwise.
TColor PageBackground(const PageTraits& page, TColor ownBackground, const ProgramOptions& options);

// The complete page around a fragment, every line ended by CR LF, in fixed
// lower case; only a colour name in the background line follows htmlcase.
QString WrapPage(const QString& fragment, const PageTraits& page, TColor background,
                 const ProgramOptions& options);

// What Save As writes: the page wrapped in the markup style of the options
// while htmlsave is on, otherwise the
// fragment and one line break.
QString SavedFileText(const QString& fragment, const PageTraits& page, TColor background,
                      const ProgramOptions& options);

// The Save As dialog: its default extension and its filters in order.
struct SaveDialogFilters {
    QString defaultSuffix;
    QStringList nameFilters;
};
SaveDialogFilters HtmlSaveDialogFilters();
