#include "ui/pages/PageProgress.h"

#include "ui/dialogs/Tfrmwaitdlg.h"
#include "ui/pages/PageHost.h"

#include <QGuiApplication>

PageProgress::PageProgress(PageHost& host, int maximum) : m_host(host) {
    // A host without a dialog writes quietly (the live preview).
    if (Tfrmwaitdlg* dialog = m_host.progressDialog()) {
        m_busy = true;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        dialog->begin(maximum);
    }
}

PageProgress::~PageProgress() {
    // begin() puts the bar back to 0 the next time.
    if (Tfrmwaitdlg* dialog = m_host.progressDialog())
        dialog->end();
    if (m_busy)
        QGuiApplication::restoreOverrideCursor();
}

void PageProgress::advance(int position) {
    if (Tfrmwaitdlg* dialog = m_host.progressDialog())
        dialog->advance(position);
}
