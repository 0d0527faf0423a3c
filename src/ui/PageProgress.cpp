#include "ui/PageProgress.h"

#include "ui/PageHost.h"
#include "ui/Tfrmwaitdlg.h"

#include <QGuiApplication>

PageProgress::PageProgress(PageHost& host, int maximum) : m_host(host) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    if (Tfrmwaitdlg* dialog = m_host.progressDialog())
        dialog->begin(maximum);
}

PageProgress::~PageProgress() {
    // begin() puts the bar back to 0 the next time.
    if (Tfrmwaitdlg* dialog = m_host.progressDialog())
        dialog->end();
    QGuiApplication::restoreOverrideCursor();
}

void PageProgress::advance(int position) {
    if (Tfrmwaitdlg* dialog = m_host.progressDialog())
        dialog->advance(position);
}
