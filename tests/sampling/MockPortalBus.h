#pragma once

// A private session bus with the mock screenshot portal (mock_portal.py) on
// it, for tests of the portal path. Nothing on the bus starts on demand, so
// a portal installed on the machine never answers in place of the mock.

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class MockPortalBus {
public:
    ~MockPortalBus() {
        for (QProcess* process : {&m_mock, &m_daemon}) {
            process->kill();
            process->waitForFinished(5000);
        }
    }

    // Starts the bus; an empty string on success, else what went wrong.
    QString startBus() {
        if (!m_dir.isValid() || !QDir(m_dir.path()).mkpath(QStringLiteral("shots")))
            return QStringLiteral("no temporary folder");
        QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
        if (!config.open(QIODevice::WriteOnly))
            return QStringLiteral("cannot write the bus configuration");
        config.write(QString::fromLatin1(kConfig).arg(m_dir.path()).toUtf8());
        config.close();
        m_daemon.start(QStringLiteral(VELLOMAR_DBUS_DAEMON),
                       {QStringLiteral("--config-file=") + config.fileName(),
                        QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        if (!m_daemon.waitForStarted(5000))
            return QStringLiteral("dbus-daemon did not start (package dbus-daemon)");
        if (!ReadLine(m_daemon, m_address))
            return QStringLiteral("dbus-daemon printed no address");
        return {};
    }

    // (Re)starts the mock answering every Screenshot request as `mode` says,
    // with a `width` x `height` picture of four colour blocks.
    QString startMock(const QString& mode, int width, int height) {
        m_mock.kill();
        m_mock.waitForFinished(5000);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_address);
        m_mock.setProcessEnvironment(environment);
        m_mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_mock.start(QStringLiteral(VELLOMAR_PORTAL_PYTHON),
                     {QStringLiteral(VELLOMAR_SOURCE_DIR "/tests/sampling/mock_portal.py"), mode,
                      shotFolder(), QString::number(width), QString::number(height)});
        QString line;
        if (!ReadLine(m_mock, line) || line != QStringLiteral("ready"))
            return QStringLiteral("mock portal did not start (needs python3-dbus and python3-gi)");
        return {};
    }

    const QString& address() const { return m_address; }
    QString shotFolder() const { return m_dir.filePath(QStringLiteral("shots")); }
    QStringList shotsLeft() const { return QDir(shotFolder()).entryList(QDir::Files); }
    QProcess& mock() { return m_mock; }

    static bool ReadLine(QProcess& process, QString& line) {
        QDeadlineTimer deadline(10000);
        while (!process.canReadLine() && !deadline.hasExpired())
            process.waitForReadyRead(100);
        line = QString::fromUtf8(process.readLine()).trimmed();
        return !line.isEmpty();
    }

private:
    static constexpr char kConfig[] = R"(<!DOCTYPE busconfig PUBLIC
 "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

    QTemporaryDir m_dir;
    QProcess m_daemon;
    QProcess m_mock;
    QString m_address;
};
