#pragma once

#include "html/TextGradient.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <functional>

class PageHost;
class QThreadPool;
class QWidget;
class Tfrmwaitdlg;

// A page's run of an effect or a writer. A short run works at once. A long
// one works on a worker thread while the window stays responsive: the
// progress dialog follows it, the busy cursor shows and the page is closed
// to input. Escape or the dialog's cancel button cancel it, and so does
// closing the window, so that the close goes ahead at once. The worker gets
// a snapshot of the page's plain model; the page takes the result back on
// the user-interface thread, so its document changes only when a run
// completes.
class PageProgress : public QObject {
    Q_OBJECT
public:
    // Runs whose total reaches this many steps are long.
    static constexpr qint64 kLongRun = 100000;
    // How often the dialog's bar follows the worker.
    static constexpr int kPollMilliseconds = 100;

    // Touches nothing that the user-interface thread owns.
    using Work = std::function<void(const TextProgress& progress)>;
    // On the user-interface thread once the run is over; `completed` is
    // false when it was cancelled.
    using Done = std::function<void(bool completed)>;

    // `page` is closed to input during a long run, and its window watched.
    PageProgress(PageHost& host, QWidget* page);
    // A run still going is cancelled and waited for; `done` is not called.
    ~PageProgress() override;
    PageProgress(const PageProgress&) = delete;
    PageProgress& operator=(const PageProgress&) = delete;

    // Runs `work` of `total` steps. Nothing starts while a run is going.
    void start(qint64 total, Work work, Done done);
    bool running() const { return m_running; }
    void cancel();

    // The one worker thread of the runs. Qt draws with threads of the global
    // pool, which a run must not hold.
    static QThreadPool& workers();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin();
    void finish();
    void end();
    void poll();
    bool windowClosed() const;

    PageHost& m_host;
    QPointer<QWidget> m_page;
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
    QPointer<Tfrmwaitdlg> m_dialog;
    QFutureWatcher<void> m_watcher;
    QTimer m_poll;
    Done m_done;
    // Written by the worker, read by the poll.
    std::atomic<qint64> m_stepsDone = 0;
    // Read by the worker at every report.
    std::atomic<bool> m_cancelled = false;
    qint64 m_total = 0;
    bool m_running = false;
    bool m_pageWasEnabled = true;
    bool m_closeRequested = false;
    Qt::WindowModality m_dialogModality = Qt::NonModal;
};
