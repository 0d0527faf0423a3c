// The window program as a process on a real X server: one copy per user,
// orderly ends on termination signals, and a killed copy that does not block
// the next start. Every process gets its own home, config and runtime folder.
#include "settings/SettingsStore.h"
#include "ui/dialogs/TfrmAboutBox.h"
#include "ui/window/TfrmMain.h"
#include "ui/window/VellomarApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>

namespace {

struct Sandbox {
    QTemporaryDir dir;
    Sandbox() {
        QDir(dir.path()).mkpath(QStringLiteral("cfg"));
        QDir(dir.path()).mkpath(QStringLiteral("tmp"));
        QDir(dir.path()).mkpath(QStringLiteral("run"));
        QFile::setPermissions(runtime(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QString runtime() const { return dir.filePath(QStringLiteral("run")); }
    QString settingsFile() const {
        return dir.filePath(QStringLiteral("cfg/Movra/Vellomar!.conf"));
    }
    QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("cfg")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime());
        env.insert(QStringLiteral("TMPDIR"), dir.filePath(QStringLiteral("tmp")));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        return env;
    }
    std::unique_ptr<QProcess> start() const {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(environment());
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(VELLOMAR_APP), {});
        return process;
    }
    // True once a copy answers from its event loop, so its window is shown.
    bool waitUntilServing(int timeoutMs = 15000) const {
        return QTest::qWaitFor(
            [this] {
                QLocalSocket socket;
                socket.connectToServer(QDir(runtime()).filePath(QStringLiteral("Ident6532")));
                if (!socket.waitForConnected(200))
                    return false;
                socket.write("activate\n");
                return socket.waitForReadyRead(1000) && socket.readLine() == "ok\n";
            },
            timeoutMs);
    }
};

void Terminate(QProcess& process, int signalNumber) {
    ::kill(pid_t(process.processId()), signalNumber);
    QVERIFY(process.waitForFinished(10000));
}

// Everything shut-down writes: options, gradient tables, custom colours,
// the placements of the main window, the options dialog and the chart, and
// both tool bars.
void VerifySaved(const QString& file) {
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QSettings ini(file, QSettings::IniFormat);
    const QStringList groups = ini.childGroups();
    for (const char* section : {"Option", "colortable", "CustomColors", "frmMainRect", "frmOptRect",
                                "frmchartRect", "Toolbar971", "Toolbar972"})
        QVERIFY2(groups.contains(QLatin1String(section)), section);
    QCOMPARE(ini.value(QStringLiteral("Option/colorcnt")).toString(), QStringLiteral("141"));
    QCOMPARE(ini.value(QStringLiteral("colortable/count")).toString(), QStringLiteral("13"));
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void secondStartEndsAndFirstStays() {
        Sandbox box;
        auto first = box.start();
        QVERIFY(first->waitForStarted());
        QVERIFY(box.waitUntilServing());

        QElapsedTimer timer;
        timer.start();
        auto second = box.start();
        QVERIFY(second->waitForFinished(5000));
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed < 2000, qPrintable(QString::number(elapsed)));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        // The duplicate wrote nothing: only the first copy's end saves.
        QVERIFY(!QFile::exists(box.settingsFile()));

        Terminate(*first, SIGTERM);
        QCOMPARE(first->exitStatus(), QProcess::NormalExit);
        QCOMPARE(first->exitCode(), 0);
        VerifySaved(box.settingsFile());
    }

    void terminationSignalsSave_data() {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }

    void terminationSignalsSave() {
        QFETCH(int, signalNumber);
        Sandbox box;
        auto program = box.start();
        QVERIFY(box.waitUntilServing());
        Terminate(*program, signalNumber);
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        VerifySaved(box.settingsFile());
    }

    void killedCopyDoesNotBlockNextStart() {
        Sandbox box;
        auto killed = box.start();
        QVERIFY(box.waitUntilServing());
        Terminate(*killed, SIGKILL);
        QCOMPARE(killed->exitStatus(), QProcess::CrashExit);
        QVERIFY(!QFile::exists(box.settingsFile())); // a kill saves nothing
        QVERIFY(QFile::exists(QDir(box.runtime()).filePath(QStringLiteral("Ident6532"))));

        auto next = box.start();
        // The killed copy is gone, so the one answering is the new copy.
        QVERIFY(box.waitUntilServing());
        QCOMPARE(next->state(), QProcess::Running);
        Terminate(*next, SIGTERM);
        QCOMPARE(next->exitCode(), 0);
        VerifySaved(box.settingsFile());
    }

    // This process is the first copy; a second started as a process brings
    // its main window, or its open modal dialog, to the front.
    void secondStartBringsFirstForward() {
        Sandbox box;
        qputenv("XDG_RUNTIME_DIR", box.runtime().toLocal8Bit());
        SettingsStore store(box.dir.filePath(QStringLiteral("first.ini")));
        {
            VellomarApp first(store);
            QVERIFY(!first.isDuplicate());
            TfrmMain* main = first.mainWindow();
            main->show();
            main->activateWindow(); // no window manager gives it the focus
            QVERIFY(QTest::qWaitForWindowActive(main));

            QWidget other;
            other.setWindowTitle(QStringLiteral("other"));
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));

            auto second = box.start();
            QTRY_COMPARE_WITH_TIMEOUT(second->state(), QProcess::NotRunning, 5000);
            QCOMPARE(second->exitCode(), 0);
            QTRY_COMPARE(QApplication::activeWindow(), main);

            // With the about box open, the about box comes forward.
            auto* about = main->findChild<TfrmAboutBox*>();
            QVERIFY(about);
            bool checked = false;
            QTimer::singleShot(0, about, [&] {
                // A window the modal box does not block stands for another program.
                QWidget elsewhere(about, Qt::Window);
                elsewhere.setWindowTitle(QStringLiteral("elsewhere"));
                [&] {
                    about->activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(about));
                    elsewhere.show();
                    elsewhere.activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
                    auto third = box.start();
                    QTRY_COMPARE_WITH_TIMEOUT(third->state(), QProcess::NotRunning, 5000);
                    QTRY_COMPARE(QApplication::activeWindow(), about);
                    checked = true;
                }();
                about->accept();
            });
            about->exec();
            QVERIFY(checked);
            main->close();
        }
        qunsetenv("XDG_RUNTIME_DIR");
        VerifySaved(box.dir.filePath(QStringLiteral("first.ini")));
    }

    // The whole program in this process: Alt+F then X ends the event loop
    // and the windows' destruction saves.
    void altFThenXClosesAndSaves() {
        Sandbox box;
        qputenv("XDG_RUNTIME_DIR", box.runtime().toLocal8Bit());
        const QString ini = box.dir.filePath(QStringLiteral("program.ini"));
        SettingsStore store(ini);
        int code = -1;
        {
            VellomarApp program(store);
            QTimer::singleShot(0, [&program] {
                TfrmMain* main = program.mainWindow();
                main->activateWindow(); // no window manager gives it the focus
                QVERIFY(QTest::qWaitForWindowActive(main));
                QCOMPARE(main->windowTitle(), QStringLiteral("Vellomar Ver 3.12"));
                QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
                QTRY_VERIFY(QApplication::activePopupWidget());
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
            });
            QTimer::singleShot(10000, [] { QCoreApplication::exit(99); });
            code = program.exec();
        }
        qunsetenv("XDG_RUNTIME_DIR");
        QCOMPARE(code, 0);
        VerifySaved(ini);
    }
};

QTEST_MAIN(TestProgram)
#include "xtst_program.moc"
