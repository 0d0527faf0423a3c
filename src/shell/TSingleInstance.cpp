#include "shell/TSingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

int g_instances = 0;

const QByteArray kActivate = "activate\n";
const QByteArray kDone = "ok\n";
// Longer than any request; a client sending more without a line end is dropped.
constexpr qint64 kMaxRequest = 64;

QString UserSuffix() {
#ifdef Q_OS_UNIX
    return QString::number(::getuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

} // namespace

TSingleInstance::TSingleInstance(QObject* parent) : QObject(parent) {
    if (g_instances > 0)
        throw EMultiSingleInstance("Only single component allowed");
    ++g_instances;
    setObjectName(QStringLiteral("SingleInstance1"));
}

TSingleInstance::~TSingleInstance() {
    if (m_server)
        m_server->close();
    --g_instances;
}

QString TSingleInstance::ServerName() const {
#ifdef Q_OS_UNIX
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath(UniqueName);
    return QDir(QDir::tempPath()).filePath(UniqueName + QLatin1Char('-') + UserSuffix());
#else
    return UniqueName + QLatin1Char('-') + UserSuffix();
#endif
}

bool TSingleInstance::Loaded() {
    const QString name = ServerName();
    // Two copies started at the same moment take turns; a lock left by a
    // dead process is recognised by its process id and removed by QLockFile.
#ifdef Q_OS_UNIX
    m_lock = std::make_unique<QLockFile>(name + QStringLiteral(".lock"));
#else
    m_lock = std::make_unique<QLockFile>(
        QDir(QDir::tempPath()).filePath(name + QStringLiteral(".lock")));
#endif
    const bool locked = m_lock->tryLock(3000);

    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(1000)) {
        if (locked)
            m_lock->unlock();
        m_duplicate = true;
        if (OnDuplicate)
            OnDuplicate(this);
        switch (DupInstAction) {
        case TDupInstAction::diActivateFirst:
            probe.write(kActivate);
            probe.waitForBytesWritten(1000);
            if (probe.waitForReadyRead(1000))
                m_activated = probe.readLine() == kDone;
            break;
        case TDupInstAction::diException:
            throw EMultiAppInstance(ErrorMessage.toStdString());
        case TDupInstAction::diTerminate:
            break;
        }
        probe.disconnectFromServer();
        return true;
    }

    // No one answers: any socket file left is from a copy that crashed.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (m_server->listen(name))
        connect(m_server, &QLocalServer::newConnection, this, &TSingleInstance::serveClient);
    if (locked)
        m_lock->unlock();
    return false;
}

void TSingleInstance::serveClient() {
    while (QLocalSocket* client = m_server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            while (client->canReadLine()) {
                if (client->readLine() == kActivate) {
                    emit activationRequested();
                    client->write(kDone);
                    client->flush();
                }
            }
            if (client->bytesAvailable() > kMaxRequest)
                client->abort();
        });
    }
}
