#include "sampling/PortalScreenshot.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPromise>
#include <QRandomGenerator>
#include <QThreadPool>
#include <memory>

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshotInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

PortalScreenshot::Failure FailureFor(QDBusError::ErrorType error) {
    using Failure = PortalScreenshot::Failure;
    switch (error) {
    case QDBusError::ServiceUnknown:
    case QDBusError::NoServer:
    case QDBusError::Disconnected:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
        return Failure::NoPortal;
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
        return Failure::TimedOut;
    case QDBusError::AccessDenied:
        return Failure::Refused;
    default:
        return Failure::Failed;
    }
}

} // namespace

PortalScreenshot::PortalScreenshot(std::chrono::milliseconds timeout, QObject* parent)
    : PortalScreenshot(QDBusConnection::sessionBus(), timeout, parent) {}

PortalScreenshot::PortalScreenshot(const QDBusConnection& bus, std::chrono::milliseconds timeout,
                                   QObject* parent)
    : QObject(parent), m_bus(bus), m_timeout(timeout) {
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        closeRequest();
        watchLate();
        fail(Failure::TimedOut);
    });
    connect(&m_loading, &QFutureWatcher<PortalScreenshotFile>::finished, this,
            &PortalScreenshot::onLoaded);
}

PortalScreenshot::~PortalScreenshot() {
    cancel();
}

void PortalScreenshot::take() {
    if (m_state != State::Idle)
        return;
    m_state = State::Waiting;
    ++m_serial;
    m_requested = QDateTime::currentDateTime();
    m_timer.start(m_timeout);
    if (!m_bus.isConnected()) {
        QTimer::singleShot(0, this, [this, serial = m_serial] {
            if (serial == m_serial && m_state == State::Waiting)
                fail(Failure::NoPortal);
        });
        return;
    }

    // The portal names the request object after our bus name and the token;
    // listening there before calling catches an answer that comes before
    // the call's own reply.
    const QString token =
        QStringLiteral("vellomar%1_%2").arg(m_serial).arg(QRandomGenerator::global()->generate());
    QString sender = m_bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    watch(kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token);

    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kScreenshotInterface, "Screenshot");
    call << QString() // no parent window: it may be on another display protocol
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false}};
    m_call = new QDBusPendingCallWatcher(m_bus.asyncCall(call, int(m_timeout.count())), this);
    connect(m_call, &QDBusPendingCallWatcher::finished, this, &PortalScreenshot::onCallFinished);
}

void PortalScreenshot::cancel() {
    if (m_state == State::Idle)
        return;
    if (m_state == State::Waiting) {
        closeRequest();
        watchLate();
    }
    stopWaiting();
    m_loading.setFuture(QFuture<PortalScreenshotFile>());
    m_state = State::Idle;
}

void PortalScreenshot::onCallFinished(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    if (call != m_call || m_state != State::Waiting)
        return;
    m_call = nullptr;
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        fail(FailureFor(reply.error().type()));
        return;
    }
    // Older portals do not follow the token; their answer comes on the path
    // they return.
    const QString handle = reply.value().path();
    if (handle != m_handle) {
        unwatch();
        watch(handle);
    }
}

void PortalScreenshot::onResponse(uint response, const QVariantMap& results) {
    if (m_state != State::Waiting)
        return;
    stopWaiting();
    if (response == 1) {
        fail(Failure::Refused);
        return;
    }
    if (response != 0) {
        fail(Failure::Failed);
        return;
    }
    const QString uri = results.value(QStringLiteral("uri")).toString();
    if (uri.isEmpty()) {
        fail(Failure::Unreadable);
        return;
    }

    // Decoding a desktop-sized picture takes a noticeable moment: keep it
    // off the interface's thread.
    m_state = State::Loading;
    auto promise = std::make_shared<QPromise<PortalScreenshotFile>>();
    m_loading.setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, uri, requested = m_requested] {
        promise->start();
        promise->addResult(ReadPortalScreenshot(uri, requested));
        promise->finish();
    });
}

void PortalScreenshot::onLoaded() {
    if (m_state != State::Loading)
        return;
    const QFuture<PortalScreenshotFile> future = m_loading.future();
    const QImage image = future.resultCount() > 0 ? future.result().image : QImage();
    m_loading.setFuture(QFuture<PortalScreenshotFile>());
    if (image.isNull()) {
        fail(Failure::Unreadable);
        return;
    }
    m_state = State::Idle;
    emit finished(image);
}

void PortalScreenshot::watch(const QString& handle) {
    m_handle = handle;
    m_bus.connect(kService, m_handle, kRequestInterface, QStringLiteral("Response"), this,
                  SLOT(onResponse(uint, QVariantMap)));
}

void PortalScreenshot::unwatch() {
    if (m_handle.isEmpty())
        return;
    m_bus.disconnect(kService, m_handle, kRequestInterface, QStringLiteral("Response"), this,
                     SLOT(onResponse(uint, QVariantMap)));
    m_handle.clear();
}

void PortalScreenshot::watchLate() {
    // A portal may still answer a request it was told to drop, with a
    // screenshot of the whole desktop that nobody else removes.
    if (m_handle.isEmpty() || m_late.size() >= kMaxLate)
        return;
    const QString handle = m_handle;
    unwatch();
    m_late.insert(handle, m_requested);
    m_bus.connect(kService, handle, kRequestInterface, QStringLiteral("Response"), this,
                  SLOT(onLateResponse(uint, QVariantMap, QDBusMessage)));
}

void PortalScreenshot::onLateResponse(uint response, const QVariantMap& results,
                                      const QDBusMessage& message) {
    const auto found = m_late.find(message.path());
    if (found == m_late.end())
        return;
    const QDateTime requested = found.value();
    m_bus.disconnect(kService, found.key(), kRequestInterface, QStringLiteral("Response"), this,
                     SLOT(onLateResponse(uint, QVariantMap, QDBusMessage)));
    m_late.erase(found);
    const QString uri = results.value(QStringLiteral("uri")).toString();
    if (response == 0 && !uri.isEmpty())
        QThreadPool::globalInstance()->start(
            [uri, requested] { RemovePortalScreenshot(uri, requested); });
}

void PortalScreenshot::closeRequest() {
    // Tells the portal to drop the request; no answer is awaited.
    if (!m_handle.isEmpty() && m_bus.isConnected())
        m_bus.send(QDBusMessage::createMethodCall(kService, m_handle, kRequestInterface,
                                                  QStringLiteral("Close")));
}

void PortalScreenshot::stopWaiting() {
    m_timer.stop();
    unwatch();
    if (m_call) {
        m_call->deleteLater();
        m_call = nullptr;
    }
}

void PortalScreenshot::fail(Failure reason) {
    stopWaiting();
    m_state = State::Idle;
    emit failed(reason);
}

QString PortalFailureText(PortalScreenshot::Failure reason) {
    using Failure = PortalScreenshot::Failure;
    switch (reason) {
    case Failure::NoPortal:
        return QCoreApplication::translate("PortalScreenshot",
                                           "スクリーンショットのポータルがありません");
    case Failure::Refused:
        return QCoreApplication::translate("PortalScreenshot",
                                           "スクリーンショットが拒否されました");
    case Failure::Failed:
        return QCoreApplication::translate("PortalScreenshot",
                                           "スクリーンショットを撮れませんでした");
    case Failure::TimedOut:
        return QCoreApplication::translate("PortalScreenshot",
                                           "スクリーンショットの応答がありません");
    case Failure::Unreadable:
        return QCoreApplication::translate("PortalScreenshot",
                                           "スクリーンショットを読み込めませんでした");
    }
    return {};
}

QString PortalFailureEnglishText(PortalScreenshot::Failure reason) {
    using Failure = PortalScreenshot::Failure;
    switch (reason) {
    case Failure::NoPortal:
        return QStringLiteral("No desktop screenshot portal is available");
    case Failure::Refused:
        return QStringLiteral("The screenshot was refused");
    case Failure::Failed:
        return QStringLiteral("The screenshot could not be taken");
    case Failure::TimedOut:
        return QStringLiteral("The screenshot portal did not answer in time");
    case Failure::Unreadable:
        return QStringLiteral("The screenshot could not be read");
    }
    return {};
}
