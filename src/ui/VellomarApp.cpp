#include "ui/VellomarApp.h"

#include "shell/TSingleInstance.h"
#include "shell/TerminationSignals.h"
#include "ui/TfrmAboutBox.h"
#include "ui/TfrmMain.h"
#include "ui/TfrmOpt.h"
#include "ui/Tfrmchart.h"
#include "ui/Tfrmwaitdlg.h"

#include <QApplication>
#include <QCloseEvent>
#include <QSessionManager>

VellomarApp::VellomarApp(SettingsStore& store, QObject* parent) : QObject(parent) {
    // Closing the main window ends the program even while the chart is shown.
    QApplication::setQuitOnLastWindowClosed(false);
    // A termination request or the end of the session closes the main
    // window as the user would, so the run's changes are saved. Installed
    // first, so that a request during start-up waits for the event loop.
    m_signals = std::make_unique<TerminationSignals>();
    connect(m_signals.get(), &TerminationSignals::terminationRequested, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        QCoreApplication::quit();
    });
    m_singleInstance = std::make_unique<TSingleInstance>();
    m_main = std::make_unique<TfrmMain>(store, nullptr, m_singleInstance.get());
    if (m_main->IsDuplicate())
        return;
    connect(m_singleInstance.get(), &TSingleInstance::activationRequested, this,
            &VellomarApp::bringForward);

    // The gradient editor, the second window, is made and destroyed by the
    // main window itself, around its creation and destruction handlers.
    m_waitdlg = std::make_unique<Tfrmwaitdlg>(m_main.get());
    m_opt = std::make_unique<TfrmOpt>(m_main.get());
    m_about = std::make_unique<TfrmAboutBox>(m_main.get());
    m_chart = std::make_unique<Tfrmchart>(m_main.get());
    m_main->setForms(m_waitdlg.get(), m_opt.get(), m_about.get(), m_chart.get());
    m_main->installEventFilter(this);

    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [](QSessionManager&) { QCoreApplication::quit(); });
}

VellomarApp::~VellomarApp() {
    destroyForms();
}

void VellomarApp::destroyForms() {
    if (m_main)
        m_main->removeEventFilter(this);
    m_chart.reset();
    m_about.reset();
    m_opt.reset();
    m_waitdlg.reset();
    m_main.reset();
    m_signals.reset();
    m_singleInstance.reset();
}

bool VellomarApp::isDuplicate() const {
    return m_main && m_main->IsDuplicate();
}

int VellomarApp::exec() {
    if (isDuplicate())
        return 0;
    m_main->show();
    const int code = QApplication::exec();
    destroyForms();
    return code;
}

bool VellomarApp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_main.get() && event->type() == QEvent::Close)
        QCoreApplication::quit();
    return QObject::eventFilter(watched, event);
}

void VellomarApp::bringForward() {
    // The last active window of this copy: an open modal dialog, else the
    // main window. A minimised window stays minimised.
    QWidget* target = QApplication::activeModalWidget();
    if (!target)
        target = m_main.get();
    if (!target)
        return;
    target->raise();
    target->activateWindow();
}
