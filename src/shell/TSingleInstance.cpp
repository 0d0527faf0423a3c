#include "shell/TSingleInstance.h"

#include "shell/LocalRequest.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

int g_instances = 0;

const QByteArray kActivate = "activate\n";
const QByteArray kDone = "ok\n";

#ifdef Q_OS_UNIX
// A real folder (no link) of this user's that no one else may enter.
bool IsPrivateFolder(const QString& path) {
    struct stat st;
    return QDir::isAbsolutePath(path) && ::lstat(QFile::encodeName(path).constData(), &st) == 0 &&
           S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() && (st.st_mode & 0777) == 0700;
}

// In the user's cache folder, made for the user alone, for sessions without a
// runtime folder of their own.
QString FallbackFolder() {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return QString();
    const QString folder = QDir(cache).filePath(QStringLiteral("vellomar-runtime"));
    QDir().mkpath(cache);
    ::mkdir(QFile::encodeName(folder).constData(), 0700);
    return folder;
}
#else
QString UserSuffix() {
    return qEnvironmentVariable("USERNAME");
}
#endif

} // namespace

ESingleInstanceLock::ESingleInstanceLock(const QString& folder)
    : std::runtime_error("no lock against a second copy"), m_folder(folder) {}

QString ESingleInstanceLock::message() const {
    return QCoreApplication::translate("TSingleInstance",
                                       "二重起動を防ぐロックを %1 に作れないため、起動できません")
        .arg(QDir::toNativeSeparators(m_folder));
}

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

QString TSingleInstance::PrivateFolder() const {
#ifdef Q_OS_UNIX
    // Never a folder in /tmp, where another user could make it first.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return IsPrivateFolder(runtime) ? runtime : FallbackFolder();
#else
    return QDir::tempPath();
#endif
}

QString TSingleInstance::ServerName() const {
#ifdef Q_OS_UNIX
    const QString folder = PrivateFolder();
    if (!IsPrivateFolder(folder))
        return QString();
    return QDir(folder).filePath(UniqueName);
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
    // QLockFile; a live holder keeps its lock however old it is. Without a
    // lock two copies would run and each one's end would overwrite the
    // other's settings: any failure but a live holder stops this copy.
    const QString lockName = LockFileName();
    if (lockName.isEmpty())
        throw ESingleInstanceLock(PrivateFolder());
    bool heldElsewhere = false;
    m_lock = std::make_unique<QLockFile>(lockName);
    if (!m_lock->tryLock(0)) {
        heldElsewhere = m_lock->error() == QLockFile::LockFailedError;
        m_lock.reset();
        if (!heldElsewhere)
            throw ESingleInstanceLock(PrivateFolder());
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
