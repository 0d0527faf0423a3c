#include "ui/pages/PageProgress.h"

#include "ui/dialogs/Tfrmwaitdlg.h"
#include "ui/pages/PageHost.h"

#include <QApplication>
#include <QEvent>
#include <QThreadPool>
#include <QWidget>
#include <QtConcurrent/QtConcurrentRun>

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

PageProgress::PageProgress(PageHost& host, QWidget* page)
    : m_host(host), m_page(page), m_window(page ? page->window() : nullptr) {
    m_poll.setInterval(kPollMilliseconds);
    connect(&m_poll, &QTimer::timeout, this, &PageProgress::poll);
    connect(&m_watcher, &QFutureWatcher<void>::finished, this, &PageProgress::finish);
}

PageProgress::~PageProgress() {
    if (!m_running)
        return;
    m_watcher.disconnect(this);
    m_cancelled = true;
    m_watcher.waitForFinished();
    end();
}

void PageProgress::start(qint64 total, Work work, Done done) {
    if (m_running)
        return;
    if (total < kLongRun) {
        work({});
        done(true);
        return;
    }
    m_total = total;
    m_done = std::move(done);
    begin();
    m_watcher.setFuture(QtConcurrent::run(&workers(), [this, work = std::move(work)] {
        try {
            work([this](qint64 steps, qint64) {
                m_stepsDone.store(steps, std::memory_order_relaxed);
                return !m_cancelled.load(std::memory_order_relaxed);
            });
        } catch (...) {
            // Out of memory, say: the page keeps what it had.
            m_cancelled = true;
        }
    }));
}

void PageProgress::cancel() {
    m_cancelled = true;
}

QThreadPool& PageProgress::workers() {
    static QThreadPool* const pool = [] {
        auto* made = new QThreadPool(QCoreApplication::instance());
        made->setMaxThreadCount(1);
        return made;
    }();
    return *pool;
}

void PageProgress::begin() {
    m_running = true;
    m_cancelled = false;
    m_closeRequested = false;
    m_stepsDone = 0;
    // The page may have moved into another window since it was made.
    if (m_page)
        m_window = m_page->window();
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
    m_dialog = m_host.progressDialog();
    if (m_dialog) {
        // Nothing else in the program may start meanwhile.
        m_dialogModality = m_dialog->windowModality();
        m_dialog->setWindowModality(Qt::ApplicationModal);
        connect(m_dialog, &QDialog::rejected, this, &PageProgress::cancel);
        m_dialog->begin(BarMaximum(m_total));
    }
    m_poll.start();
}

void PageProgress::poll() {
    if (windowClosed())
        m_cancelled = true;
    if (m_dialog)
        m_dialog->advance(
            BarValue(std::min(m_stepsDone.load(std::memory_order_relaxed), m_total), m_total));
}

void PageProgress::finish() {
    const bool completed = !m_cancelled && !windowClosed();
    end();
    const Done done = std::move(m_done);
    m_done = nullptr;
    done(completed);
}

void PageProgress::end() {
    m_running = false;
    m_poll.stop();
    if (m_window)
        m_window->removeEventFilter(this);
    if (m_dialog) {
        disconnect(m_dialog, nullptr, this, nullptr);
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

bool PageProgress::windowClosed() const {
    // A close the window refused leaves it shown, and the run goes on.
    return m_closeRequested && (!m_window || !m_window->isVisible());
}

bool PageProgress::eventFilter(QObject* watched, QEvent* event) {
    // Once closed, the window has saved its state; the run has nothing left
    // to give it.
    if (watched == m_window && event->type() == QEvent::Close)
        m_closeRequested = true;
    return QObject::eventFilter(watched, event);
}
