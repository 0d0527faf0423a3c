#include "shell/TSingleInstance.h"

#include "shell/LocalRequest.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace {

int g_instances = 0;

const QByteArray kActivate = "activate\n";
const QByteArray kDone = "ok\n";

#ifndef Q_OS_UNIX
QString UserSuffix() {
    return qEnvironmentVariable("USERNAME");
}
#endif

} // namespace

TSingleInstance::TSingleInstance(QObject* parent) : QObject(parent) {
    if (g_instances > 0)
        throw EMultiSingleInstance("Only single component allowed");
    ++g_instances;
    setObjectName(QStringLiteral("SingleInstance1"));
}

TSingleInstance::~TSingleInstance() {
    m_server.reset();
    --g_instances;
}

QString TSingleInstance::ServerName() const {
#ifdef Q_OS_UNIX
    // $XDG_RUNTIME_DIR when it is the user's own, else Qt's runtime folder
    // (mode 0700, made when missing): never a name in /tmp that another
    // user could take first.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return QString();
    return QDir(runtime).filePath(UniqueName);
#else
    return UniqueName + QLatin1Char('-') + UserSuffix();
#endif
}

QString TSingleInstance::LockFileName() const {
#ifdef Q_OS_UNIX
    const QString name = ServerName();
    return name.isEmpty() ? QString() : name + QStringLiteral(".lock");
#else
    return QDir(QDir::tempPath()).filePath(ServerName() + QStringLiteral(".lock"));
#endif
}

bool TSingleInstance::Loaded() {
    const QString name = ServerName();
    // The lock marks the running copy and is held until it ends, whether or
    // not its socket can listen. A lock whose process is gone is removed by
    // QLockFile; a live holder keeps its lock however old it is.
    const QString lockName = LockFileName();
    bool heldElsewhere = false;
    if (!lockName.isEmpty()) {
        m_lock = std::make_unique<QLockFile>(lockName);
        if (!m_lock->tryLock(0)) {
            heldElsewhere = m_lock->error() == QLockFile::LockFailedError;
            m_lock.reset();
        }
    }

    LocalRequestClient probe;
    if (!name.isEmpty()) {
        // A copy that holds the lock may still be about to listen.
        QDeadlineTimer deadline(heldElsewhere ? 1000 : 0);
        while (!probe.connectTo(name, 1000) && !deadline.hasExpired())
            QThread::msleep(50);
    }
    const bool answered = probe.isConnected();
    if (heldElsewhere || answered) {
        m_lock.reset();
        m_duplicate = true;
        if (OnDuplicate)
            OnDuplicate(this);
        switch (DupInstAction) {
        case TDupInstAction::diActivateFirst:
            if (answered)
                m_activated = probe.ask(kActivate, 1000) == kDone;
            break;
        case TDupInstAction::diException:
            throw EMultiAppInstance(ErrorMessage.toStdString());
        case TDupInstAction::diTerminate:
            break;
        }
        return true;
    }

    // No one answers: any socket file left is from a copy that crashed. A
    // socket that cannot listen (a path too long for one) only costs the
    // request to come forward; the lock still keeps later copies out.
    if (!name.isEmpty()) {
        m_server = std::make_unique<LocalRequestServer>();
        m_server->onLine = [this](const QByteArray& line) {
            if (line != kActivate)
                return QByteArray();
            emit activationRequested();
            return kDone;
        };
        if (!m_server->listen(name))
            m_server.reset();
    }
    return false;
}
