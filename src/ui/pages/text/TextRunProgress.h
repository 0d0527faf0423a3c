#pragma once

#include "html/TextGradient.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

class Tfrmwaitdlg;

// The progress of one run of the gradient effect or the text writer on the
// user-interface thread. A long run shows the progress dialog, disables the
// page that could start it again, shows the busy cursor and lets pending
// events through a few times a second. When the main window is closed
// meanwhile, or the dialog dismissed, the run is told to stop, so that the
// close goes ahead at once.
class TextRunProgress : public QObject {
    Q_OBJECT
public:
    // Runs whose total reaches this many steps are long.
    static constexpr qint64 kLongRun = 100000;
    // Time between two turns of the event loop.
    static constexpr qint64 kEventInterval = 200;

    // `dialog` may be null: the events are let through all the same.
    TextRunProgress(Tfrmwaitdlg* dialog, QWidget* page);
    ~TextRunProgress() override;

    // The callback to hand to the run; false asks it to stop.
    TextProgress callback();
    // Whether the window was closed during the run.
    bool windowClosed() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool report(qint64 done, qint64 total);
    void beginLongRun(qint64 total);
    bool goOn() const;

    QPointer<Tfrmwaitdlg> m_dialog;
    QPointer<QWidget> m_page;
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
    QElapsedTimer m_clock;
    qint64 m_lastTurn = 0;
    qint64 m_total = 0;
    bool m_decided = false;
    bool m_long = false;
    bool m_pageWasEnabled = true;
    bool m_closeRequested = false;
    bool m_cancelled = false;
    Qt::WindowModality m_dialogModality = Qt::NonModal;
};
