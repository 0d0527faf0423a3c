#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <stdexcept>

class LocalRequestServer;
class QLockFile;

enum class TDupInstAction { diActivateFirst, diException, diTerminate };

// A second TSingleInstance in one program.
class EMultiSingleInstance : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A duplicate start under TDupInstAction::diException; what() is the UTF-8
// ErrorMessage.
class EMultiAppInstance : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The lock that tells a second copy apart cannot be made in `folder`.
class ESingleInstanceLock : public std::runtime_error {
public:
    explicit ESingleInstanceLock(const QString& folder);
    // The message in the interface language installed now.
    QString message() const;

private:
    QString m_folder;
};

// One running copy per user. The first copy holds a lock file named after
// UniqueName in the user's private folder (PrivateFolder()) for its whole run and listens
// on a local socket beside it; a later copy finds the lock held (or the
// socket listening), asks the first copy to come to the front and ends. A
// lock or socket left by a copy that crashed is taken over.
class TSingleInstance : public QObject {
    Q_OBJECT
public:
    // Throws EMultiSingleInstance when another one exists in this program.
    explicit TSingleInstance(QObject* parent = nullptr);
    ~TSingleInstance() override;

    TDupInstAction DupInstAction = TDupInstAction::diActivateFirst;
    QString ErrorMessage = QStringLiteral("すでに起動されています");
    QString UniqueName = QStringLiteral("Ident6532");
    std::function<void(TSingleInstance*)> OnDuplicate;

    // Runs the check once the owning window's parts exist. Returns true when
    // another copy runs and this one must end (the first copy has then been
    // asked to come forward under diActivateFirst). Throws EMultiAppInstance
    // under diException. Throws ESingleInstanceLock, whatever the action,
    // when the lock can neither be taken nor found held by another copy.
    bool Loaded();

    bool IsDuplicate() const { return m_duplicate; }
    // True when the first copy answered the request to come forward.
    bool FirstCopyActivated() const { return m_activated; }

    // $XDG_RUNTIME_DIR when it is a folder of this user's with mode 0700,
    // else the folder "vellomar-runtime" (made 0700 when missing) in the
    // user's cache folder. Usable only when it passes the same check.
    QString PrivateFolder() const;
    // The socket path, in PrivateFolder(); empty when that is not usable.
    QString ServerName() const;
    // The lock file that the running copy holds for its whole run.
    QString LockFileName() const;

signals:
    // In the first copy: a later copy asks this one to come to the front.
    void activationRequested();

private:
    std::unique_ptr<LocalRequestServer> m_server;
    std::unique_ptr<QLockFile> m_lock;
    bool m_duplicate = false;
    bool m_activated = false;
};
