#pragma once

#include <QObject>
#include <memory>

class SettingsStore;
class TSingleInstance;
class TerminationSignals;
class Tfrmchart;
class TfrmAboutBox;
class TfrmMain;
class TfrmOpt;
class Tfrmwaitdlg;

// The window program: creates its windows in a fixed order, runs the event
// loop until the main window closes and destroys the windows in reverse
// order, so each saves its state. A second copy for the same user brings the
// first forward and ends without touching the settings.
class VellomarApp : public QObject {
    Q_OBJECT
public:
    explicit VellomarApp(SettingsStore& store, QObject* parent = nullptr);
    ~VellomarApp() override;

    // Shows the main window and runs the event loop; 0 at once for a duplicate.
    int exec();

    bool isDuplicate() const;
    TfrmMain* mainWindow() const { return m_main.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bringForward();
    void destroyForms();

    std::unique_ptr<TSingleInstance> m_singleInstance;
    std::unique_ptr<TerminationSignals> m_signals;
    std::unique_ptr<TfrmMain> m_main;
    std::unique_ptr<Tfrmwaitdlg> m_waitdlg;
    std::unique_ptr<TfrmOpt> m_opt;
    std::unique_ptr<TfrmAboutBox> m_about;
    std::unique_ptr<Tfrmchart> m_chart;
};
