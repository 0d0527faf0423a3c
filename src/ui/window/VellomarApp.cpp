#include "ui/window/VellomarApp.h"

#include "shell/TSingleInstance.h"
#include "shell/TerminationSignals.h"
#include "ui/widgets/FormFont.h"
#include "ui/window/InterfaceLanguage.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QSessionManager>

#include <cstdio>

VellomarApp::VellomarApp(SettingsStore& store, InterfaceLanguage language, QObject* parent)
    : QObject(parent) {
    // Closing the main window ends the program even while the chart is shown.
    QApplication::setQuitOnLastWindowClosed(false);
    // Installed first, so that a request during start-up waits for the event loop.
    m_signals = std::make_unique<TerminationSignals>();
    connect(m_signals.get(), &TerminationSignals::terminationRequested, this,
            &VellomarApp::endOrderly);
    m_singleInstance = std::make_unique<TSingleInstance>();
    try {
        m_duplicate = m_singleInstance->Loaded();
    } catch (const ESingleInstanceLock& e) {
        InstallInterfaceLanguage(language);
        m_failure = e.message();
        return;
    }
    if (m_duplicate)
        return;
    connect(m_singleInstance.get(), &TSingleInstance::activationRequested, this,
            &VellomarApp::bringForward);

    // Before any window, which takes its texts when it is made.
    InstallInterfaceLanguage(language);
    // Parts that stand alone for a moment (a tool bar's widget, a message box)
    // draw with the windows' face too, not with a second one.
    QApplication::setFont(FormFont());
    m_state = std::make_unique<ProgramState>(store);
    m_main = std::make_unique<TfrmMain>(*m_state);
    m_main->installEventFilter(this);
    // The application's quit closes every window, floating tool bars first;
    // their places are saved before that.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { endOrderly(); });
    // Whatever ends the event loop, the state is saved before the windows go.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (m_main)
            m_main->saveState();
    });
}

VellomarApp::~VellomarApp() {
    qApp->removeEventFilter(this);
    if (m_main)
        m_main->removeEventFilter(this);
    m_main.reset();
}

int VellomarApp::exec() {
    if (m_duplicate)
        return 0;
    if (!m_failure.isEmpty()) {
        std::fprintf(stderr, "vellomar: %s\n", qPrintable(m_failure));
        QMessageBox::critical(nullptr, QStringLiteral("Vellomar"), m_failure);
        return 1;
    }
    m_main->show();
    return QApplication::exec();
}

void VellomarApp::endOrderly() {
    if (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    if (m_main)
        m_main->close();
    QCoreApplication::quit();
}

bool VellomarApp::eventFilter(QObject* watched, QEvent* event) {
    const bool closing = watched == m_main.get() && event->type() == QEvent::Close;
    if (m_main && (closing || (watched == qApp && event->type() == QEvent::Quit)))
        m_main->saveState();
    if (closing)
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
