// One copy per user: the check at start, the request to come forward and
// the take-over of a name left by a copy that crashed.
#include "settings/SettingsStore.h"
#include "shell/TSingleInstance.h"
#include "ui/window/VellomarApp.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestSingleInstance : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_runtime;
    std::unique_ptr<QTemporaryDir> m_cache;

    // A first copy that is not this object: a bare listener on the name.
    struct FakeFirstCopy {
        QLocalServer server;
        QByteArray received;
        explicit FakeFirstCopy(const QString& name) {
            QVERIFY(server.listen(name));
            QObject::connect(&server, &QLocalServer::newConnection, [this] {
                QLocalSocket* client = server.nextPendingConnection();
                QObject::connect(client, &QLocalSocket::readyRead, [this, client] {
                    received += client->readAll();
                    client->write("ok\n");
                });
            });
        }
    };

private slots:
    void init() {
        m_runtime = std::make_unique<QTemporaryDir>();
        m_cache = std::make_unique<QTemporaryDir>();
        qputenv("XDG_RUNTIME_DIR", m_runtime->path().toLocal8Bit());
        qputenv("XDG_CACHE_HOME", m_cache->path().toLocal8Bit());
    }

    void defaultsAndOneComponentPerProgram() {
        TSingleInstance first;
        QCOMPARE(first.UniqueName, QStringLiteral("Ident6532"));
        QCOMPARE(first.ErrorMessage, QStringLiteral("すでに起動されています"));
        QVERIFY(first.DupInstAction == TDupInstAction::diActivateFirst);
        QCOMPARE(first.ServerName(), m_runtime->filePath(QStringLiteral("Ident6532")));
        try {
            TSingleInstance second;
            QFAIL("a second component was allowed");
        } catch (const EMultiSingleInstance& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Only single component allowed"));
        }
        // The first one's end frees the place.
    }

    void firstCopyListensAndAnswersActivation() {
        TSingleInstance first;
        QVERIFY(!first.Loaded());
        QVERIFY(!first.IsDuplicate());
        // Only this user may reach the socket.
        QCOMPARE(QFileInfo(first.ServerName()).permissions() &
                     (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                      QFile::WriteOther | QFile::ExeOther),
                 QFile::Permissions());
        QSignalSpy activation(&first, &TSingleInstance::activationRequested);
        QLocalSocket later;
        later.connectToServer(first.ServerName());
        QVERIFY(later.waitForConnected(1000));
        later.write("activate\n");
        QTRY_COMPARE(activation.count(), 1);
        QTRY_VERIFY(later.canReadLine());
        QCOMPARE(later.readLine(), QByteArray("ok\n"));
        // Anything else is ignored: the request behind it is the only one answered.
        later.write("garbage\nactivate\n");
        QTRY_COMPARE(activation.count(), 2);
        QTRY_VERIFY(later.canReadLine());
        QCOMPARE(later.readLine(), QByteArray("ok\n"));
        QVERIFY(!later.canReadLine());
        // A client that never ends its line is dropped, not buffered without end.
        const QByteArray endless(1 << 20, 'x');
        later.write(endless);
        QTRY_COMPARE(later.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(activation.count(), 2);
    }

    void laterCopyAsksTheFirstAndEnds() {
        int duplicates = 0;
        TSingleInstance probe;
        FakeFirstCopy running(probe.ServerName());
        probe.OnDuplicate = [&](TSingleInstance*) { ++duplicates; };
        // The fake copy answers from this thread's loop, so run the check
        // once the loop turns.
        bool duplicate = false;
        QTimer::singleShot(0, [&] { duplicate = probe.Loaded(); });
        QTRY_VERIFY(probe.IsDuplicate());
        QVERIFY(duplicate);
        QCOMPARE(duplicates, 1);
        QTRY_COMPARE(running.received, QByteArray("activate\n"));
    }

    void exceptionAndTerminateActions() {
        TSingleInstance probe;
        FakeFirstCopy running(probe.ServerName());
        probe.DupInstAction = TDupInstAction::diException;
        try {
            probe.Loaded();
            QFAIL("no exception");
        } catch (const EMultiAppInstance& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("すでに起動されています"));
        }
        probe.DupInstAction = TDupInstAction::diTerminate;
        QVERIFY(probe.Loaded());
        // Whatever the probe sent was on its way before this marker.
        QLocalSocket marker;
        marker.connectToServer(probe.ServerName());
        QVERIFY(marker.waitForConnected(1000));
        marker.write("marker\n");
        QTRY_VERIFY(running.received.contains("marker\n"));
        // Terminate asks nothing of the first copy.
        QCOMPARE(running.received, QByteArray("marker\n"));
    }

    void nameLeftByACrashIsTakenOver() {
        TSingleInstance first;
        const QByteArray path = first.ServerName().toLocal8Bit();
        // A bound socket whose process is gone: the file stays, no one listens.
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        ::close(fd);
        QVERIFY(QFile::exists(first.ServerName()));

        QVERIFY(!first.Loaded());
        QLocalSocket later;
        later.connectToServer(first.ServerName());
        QVERIFY(later.waitForConnected(1000));
    }

    void otherUsersFolderIsNotShared() {
        TSingleInstance first;
        const QString mine = first.ServerName();
        QTemporaryDir other;
        qputenv("XDG_RUNTIME_DIR", other.path().toLocal8Bit());
        QVERIFY(first.ServerName() != mine);

        // Without a runtime folder: a folder of this user's own, never /tmp itself.
        QTemporaryDir temp;
        const QByteArray oldTemp = qgetenv("TMPDIR");
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");
        const QFileInfo folder(QFileInfo(first.ServerName()).absolutePath());
        const QString lockFolder = QFileInfo(first.LockFileName()).absolutePath();
        qputenv("TMPDIR", oldTemp);
        QVERIFY(folder.absoluteFilePath() != QFileInfo(temp.path()).absoluteFilePath());
        QVERIFY(folder.isDir());
        QCOMPARE(folder.ownerId(), ::getuid());
        QCOMPARE(folder.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(lockFolder, folder.absoluteFilePath());
    }

    // Another user's runtime folder in /tmp (setpriv: run as root) neither
    // takes the lock nor switches it off; with no private folder at all the
    // program says so and does not run.
    void lockStaysPrivateOrTheProgramEnds() {
        QTemporaryDir temp;
        QVERIFY(QFile::setPermissions(temp.path(), QFile::Permissions(0x7777)));
        const QString taken = temp.filePath("runtime-" + QString(getpwuid(geteuid())->pw_name));
        QCOMPARE(QProcess::execute("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups",
                                               "mkdir", "-m", "700", taken}),
                 0);
        qputenv("TMPDIR", temp.path().toLocal8Bit());
        qunsetenv("XDG_RUNTIME_DIR");
        {
            TSingleInstance first;
            QVERIFY(!first.Loaded());
            QCOMPARE(QFileInfo(first.LockFileName()).path(), m_cache->filePath("vellomar-runtime"));
        }
        const QString blocked = m_runtime->filePath("file");
        QFile(blocked).open(QIODevice::WriteOnly);
        qputenv("XDG_CACHE_HOME", blocked.toLocal8Bit());
        SettingsStore store(m_runtime->filePath("s.ini"));
        QString shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            shown = box->text();
            box->close();
        });
        VellomarApp program(store);
        QCOMPARE(program.exec(), 1);
        QCOMPARE(shown, "二重起動を防ぐロックを " + blocked +
                            "/vellomar-runtime に作れないため、起動できません");
        qunsetenv("TMPDIR");
    }

    void lockIsHeldForTheWholeRunEvenWithoutASocket() {
        // A runtime folder whose socket path is longer than a socket address holds.
        QString deep = m_runtime->path();
        while (deep.size() < 120)
            deep += QStringLiteral("/runtime-folder-with-a-long-name");
        QVERIFY(QDir().mkpath(deep));
        QVERIFY(
            QFile::setPermissions(deep, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("XDG_RUNTIME_DIR", deep.toLocal8Bit());
        {
            TSingleInstance first;
            QVERIFY(!first.Loaded());
            QVERIFY(!first.IsDuplicate());
            QLocalSocket later;
            later.connectToServer(first.ServerName());
            QVERIFY(!later.waitForConnected(100));
            // Another copy cannot take the lock while this one runs.
            QLockFile other(first.LockFileName());
            QVERIFY(!other.tryLock(0));
            QCOMPARE(other.error(), QLockFile::LockFailedError);
        }
        QLockFile after(QDir(deep).filePath(QStringLiteral("Ident6532.lock")));
        QVERIFY(after.tryLock(0));
    }

    void lockHeldByALiveProcessMakesADuplicate() {
        TSingleInstance probe;
        // Held by a live process (this one) for an hour, with no socket to answer.
        QLockFile running(probe.LockFileName());
        QVERIFY(running.tryLock(0));
        {
            QFile file(probe.LockFileName());
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                                     QFileDevice::FileModificationTime));
        }
        int duplicates = 0;
        probe.OnDuplicate = [&](TSingleInstance*) { ++duplicates; };
        QVERIFY(probe.Loaded());
        QVERIFY(probe.IsDuplicate());
        QVERIFY(!probe.FirstCopyActivated());
        QCOMPARE(duplicates, 1);
        // The duplicate neither took the lock nor opened a socket.
        QVERIFY(QFile::exists(probe.LockFileName()));
        QVERIFY(!QFile::exists(probe.ServerName()));
        running.unlock();
    }

    void lockLeftByADeadProcessIsTakenOver() {
        TSingleInstance first;
        {
            QFile file(first.LockFileName());
            QVERIFY(file.open(QIODevice::WriteOnly));
            // A process id that no process has.
            file.write("2147483646\nvellomar\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        }
        QVERIFY(!first.Loaded());
        QLockFile other(first.LockFileName());
        QVERIFY(!other.tryLock(0));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
