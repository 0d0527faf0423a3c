#pragma once

#include <QPointer>
#include <QString>
#include <functional>

class HtmlPage;
class PageHost;
class PreviewFile;
class QFileDialog;
struct PageTraits;
struct PageMarkup;
struct OutputOutcome;
struct PageOutput;

// The output commands of the main window on the page shown: HTML copy,
// Save As and the two browser previews. They do nothing while the host is
// updating or where the page offers no such command; progress, the
// writer's message and failures are shown to the user here.
class OutputActions {
public:
    // `host` and `preview` must outlive this object.
    OutputActions(PageHost& host, PreviewFile& preview);
    ~OutputActions();
    OutputActions(const OutputActions&) = delete;
    OutputActions& operator=(const OutputActions&) = delete;

    // Puts the page's HTML on the clipboard and returns it; an empty fragment
    // leaves the clipboard as it was. A long text is copied when its run in
    // the background completes; the text returned is then empty.
    QString htmlCopy(HtmlPage& page);
    // Asks for a file, then writes the page into it.
    void saveAs(HtmlPage& page, const PageTraits& traits);
    // Writes the preview file and shows it in browser 1 or 2.
    void preview(HtmlPage& page, const PageTraits& traits, int browser);

    // The Save As dialog, made on first use and kept for the run so that it
    // remembers its folder.
    QFileDialog* saveDialog();

private:
    // Writes the page, shows its message in the status bar and copies its
    // HTML, then hands the HTML on, once written.
    void withHtml(HtmlPage& page, std::function<void(const QString&)> then);
    void withPageOutput(HtmlPage& page, const PageTraits& traits,
                        std::function<void(const PageOutput&)> then);
    void report(const OutputOutcome& outcome);

    PageHost& m_host;
    PreviewFile& m_preview;
    QPointer<QFileDialog> m_saveDialog;
};
