#pragma once

#include "sampling/PortalScreenshotFile.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDateTime>
#include <QFutureWatcher>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <chrono>

class QDBusPendingCallWatcher;

// One screenshot of the whole desktop through the desktop portal
// (org.freedesktop.portal.Screenshot, not interactive), for desktops where a
// program cannot read the screen itself. take() returns at once; exactly one
// of finished() or failed() follows later, never from within take(). The
// picture arrives in device pixels, devicePixelRatio() 1; the file the
// portal wrote is deleted once read, and so is one it answers with after
// the request timed out or was cancelled.
class PortalScreenshot : public QObject {
    Q_OBJECT
public:
    enum class Failure {
        NoPortal,   // no session bus, no portal service, or no screenshot interface
        Refused,    // the user or the desktop's policy said no (response 1)
        Failed,     // the request ended otherwise (response 2, a D-Bus error)
        TimedOut,   // no answer within the timeout
        Unreadable, // the answer named no file or one that holds no picture
    };
    Q_ENUM(Failure)

    static constexpr std::chrono::milliseconds kDefaultTimeout{10000};

    explicit PortalScreenshot(std::chrono::milliseconds timeout = kDefaultTimeout,
                              QObject* parent = nullptr);
    // Talks to the portal on `bus` instead of the session bus.
    PortalScreenshot(const QDBusConnection& bus, std::chrono::milliseconds timeout,
                     QObject* parent = nullptr);
    ~PortalScreenshot() override;

    // Asks for a screenshot. Does nothing while one is under way.
    void take();
    // Drops the request under way, if any, with no signal.
    void cancel();
    bool isBusy() const { return m_state != State::Idle; }

signals:
    void finished(const QImage& screenshot);
    void failed(PortalScreenshot::Failure reason);

private slots:
    void onResponse(uint response, const QVariantMap& results);
    void onLateResponse(uint response, const QVariantMap& results, const QDBusMessage& message);

private:
    enum class State { Idle, Waiting, Loading };
    // Requests given up whose answers are still awaited, to remove their files.
    static constexpr qsizetype kMaxLate = 16;

    void onCallFinished(QDBusPendingCallWatcher* call);
    void onLoaded();
    void watch(const QString& handle);
    void unwatch();
    void watchLate();
    void closeRequest();
    void stopWaiting();
    void fail(Failure reason);

    QDBusConnection m_bus;
    std::chrono::milliseconds m_timeout;
    QTimer m_timer;
    State m_state = State::Idle;
    quint64 m_serial = 0; // tells a queued failure of an earlier request apart
    QString m_handle;     // the request object whose Response is watched
    QDateTime m_requested;
    QPointer<QDBusPendingCallWatcher> m_call;
    QFutureWatcher<PortalScreenshotFile> m_loading;
    QHash<QString, QDateTime> m_late; // request object -> when it was made
};

// The status-bar message for a failure, in the interface's Japanese, and
// the same in English.
QString PortalFailureText(PortalScreenshot::Failure reason);
QString PortalFailureEnglishText(PortalScreenshot::Failure reason);
