#pragma once

#include "core/Color.h"
#include "html/BrowserLaunch.h"

#include <QString>

class PreviewFile;
struct PageTraits;
struct ProgramOptions;

// What the main window's Save As and preview commands need from the page
// they run on. The fragment is the page writer's text as it went to the
// clipboard; an empty one (an empty gradient-text editor) is written as
// such, never replaced by older clipboard contents.
struct PageOutput {
    const PageTraits& page;
    QString fragment;
    TColor ownBackground = 0xFFFFFF; // the page's own, where it has one
};

// How a command ended, and the text of the message the window shows.
struct OutputOutcome {
    enum Kind {
        Done,
        Skipped,         // a page without file output: nothing written, nothing started
        FileError,       // message: the system's message, for the error box
        BrowserNotFound, // message: kBrowserNotFound, for a plain box with OK
    };
    Kind kind = Done;
    QString message;
};

// Save As once the user chose `path`: the whole page while htmlsave is on,
// otherwise the fragment and a line break.
OutputOutcome SavePageAs(const QString& path, const PageOutput& output,
                         const ProgramOptions& options);

// Rewrites the preview file with the whole page, whatever htmlsave says.
OutputOutcome WritePreviewPage(PreviewFile& preview, const PageOutput& output,
                               const ProgramOptions& options);

// "Check in browser 1 / 2" (browser 1 or 2): writes the preview page, then
// shows it through the file association (wwwuse off; openUrl is
// QDesktopServices::openUrl in the program) or with wwwname / wwwname2.
OutputOutcome PreviewInBrowser(PreviewFile& preview, const PageOutput& output,
                               const ProgramOptions& options, int browser,
                               const OpenUrlFunction& openUrl);
