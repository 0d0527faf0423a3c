#pragma once

class PageHost;

// A page's long operation: the window's progress dialog and the busy
// cursor for as long as the object lives. Without a dialog it does
// nothing but let the work run.
class PageProgress {
public:
    // Shows the dialog with its bar at 0 of `maximum`.
    PageProgress(PageHost& host, int maximum);
    ~PageProgress();
    PageProgress(const PageProgress&) = delete;
    PageProgress& operator=(const PageProgress&) = delete;

    // Moves the bar and lets pending events through.
    void advance(int position);

private:
    PageHost& m_host;
    bool m_busy = false;
};
