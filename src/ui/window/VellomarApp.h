#pragma once

#include "ui/window/InterfaceLanguage.h"

#include <QObject>
#include <QString>
#include <memory>

class ProgramState;
class SettingsStore;
class TSingleInstance;
class TerminationSignals;
class TfrmMain;

// The window program. The single-instance check runs first: a second copy
// for the same user brings the first forward and ends without building a
// window or touching the settings; a copy that cannot tell whether it is the
// second says why and ends. The first copy builds its main window,
// which makes the other windows in `language`, runs the event loop until the
// main window closes, and saves its state at that orderly end.
class VellomarApp : public QObject {
    Q_OBJECT
public:
    explicit VellomarApp(SettingsStore& store,
                         InterfaceLanguage language = InterfaceLanguage::Japanese,
                         QObject* parent = nullptr);
    ~VellomarApp() override;

    // Shows the main window and runs the event loop; 0 at once for a
    // duplicate; 1 once the reason is shown when the check could not be made.
    int exec();

    bool isDuplicate() const { return m_duplicate; }
    // Null for a duplicate and when the check could not be made.
    TfrmMain* mainWindow() const { return m_main.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bringForward();
    // A termination request, the end of the session or the application's
    // quit: the end the user would reach by closing the main window.
    void endOrderly();

    bool m_duplicate = false;
    QString m_failure;
    std::unique_ptr<TerminationSignals> m_signals;
    std::unique_ptr<TSingleInstance> m_singleInstance;
    std::unique_ptr<ProgramState> m_state;
    // The one top-level window; every other window is its child.
    std::unique_ptr<TfrmMain> m_main;
};
