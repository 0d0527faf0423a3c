#include "ui/pages/text/TextRunProgress.h"

#include "ui/dialogs/Tfrmwaitdlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace {

// The bar holds an int; a longer run is shown in proportion.
int BarValue(qint64 value, qint64 total) {
    if (total <= std::numeric_limits<int>::max())
        return int(value);
    return int(value * 1000000 / total);
}

int BarMaximum(qint64 total) {
    return total <= std::numeric_limits<int>::max() ? int(total) : 1000000;
}

} // namespace

TextRunProgress::TextRunProgress(Tfrmwaitdlg* dialog, QWidget* page)
    : m_dialog(dialog), m_page(page), m_window(page ? page->window() : nullptr) {
    m_clock.start();
}

TextRunProgress::~TextRunProgress() {
    if (!m_long)
        return;
    if (m_window)
        m_window->removeEventFilter(this);
    if (m_dialog) {
        m_dialog->end();
        m_dialog->setWindowModality(m_dialogModality);
    }
    QApplication::restoreOverrideCursor();
    if (m_page) {
        m_page->setEnabled(m_pageWasEnabled);
        // Disabling took the focus away from the editor; give it back.
        if (m_focus && m_focus->isEnabled() && m_window && m_window->isVisible())
            m_focus->setFocus();
    }
}

TextProgress TextRunProgress::callback() {
    return [this](qint64 done, qint64 total) { return report(done, total); };
}

bool TextRunProgress::report(qint64 done, qint64 total) {
    if (!m_decided) {
        m_decided = true;
        if (total >= kLongRun)
            beginLongRun(total);
        return goOn();
    }
    if (!m_long || m_clock.elapsed() - m_lastTurn < kEventInterval)
        return goOn();
    m_lastTurn = m_clock.elapsed();
    if (m_dialog)
        m_dialog->advance(BarValue(std::min(done, m_total), m_total));
    else
        QCoreApplication::processEvents();
    return goOn();
}

void TextRunProgress::beginLongRun(qint64 total) {
    m_long = true;
    m_total = std::max<qint64>(total, 1);
    if (m_window)
        m_window->installEventFilter(this);
    if (m_page) {
        m_focus = QApplication::focusWidget();
        if (m_focus && !m_page->isAncestorOf(m_focus))
            m_focus = nullptr;
        m_pageWasEnabled = m_page->isEnabled();
        m_page->setEnabled(false);
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_lastTurn = m_clock.elapsed();
    if (m_dialog) {
        // Nothing else in the program may start meanwhile.
        m_dialogModality = m_dialog->windowModality();
        m_dialog->setWindowModality(Qt::ApplicationModal);
        // Escape on the dialog stops the run.
        connect(m_dialog, &QDialog::rejected, this, [this] { m_cancelled = true; });
        m_dialog->begin(BarMaximum(m_total));
    } else {
        QCoreApplication::processEvents();
    }
}

bool TextRunProgress::windowClosed() const {
    // A close the window refused leaves it shown, and the run goes on.
    return m_closeRequested && (!m_window || !m_window->isVisible());
}

bool TextRunProgress::goOn() const {
    return !m_cancelled && !windowClosed();
}

bool TextRunProgress::eventFilter(QObject* watched, QEvent* event) {
    // Once closed, the window has saved its state; the run has nothing left
    // to give it.
    if (watched == m_window && event->type() == QEvent::Close)
        m_closeRequested = true;
    return QObject::eventFilter(watched, event);
}
