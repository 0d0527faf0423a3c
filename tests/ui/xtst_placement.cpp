// Window placement under a real window manager: a window that is closed
// and started again comes back exactly where it was, frame and all, instead
// of moving by its frame at every run.
#include "OutsidePrograms.h"
#include "settings/SettingsStore.h"
#include "ui/dialogs/Tfrmchart.h"
#include "ui/window/MainActions.h"
#include "ui/window/ProgramState.h"
#include "ui/window/TfrmMain.h"

#include <QAction>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The window manager has put a frame around `w` and Qt knows its size.
bool Framed(const QWidget& w) {
    return w.isVisible() && w.frameGeometry() != w.geometry();
}

QRect Stored(const QSettings& ini, const char* section) {
    const auto value = [&](const char* name) {
        return ini.value(QLatin1String(section) + QLatin1Char('/') + QLatin1String(name))
            .toString()
            .toInt();
    };
    return QRect(value("left"), value("top"), value("width"), value("height"));
}

} // namespace

class TestPlacement : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_windowManager;
    QString iniPath() const { return m_dir.filePath(QStringLiteral("settings.ini")); }

    // One run: the main window and the chart shown and framed; returns both
    // frames as the window manager placed them, then closes, which saves.
    std::pair<QRect, QRect> run() {
        SettingsStore store(iniPath());
        ProgramState state(store);
        TfrmMain w(state);
        w.show();
        w.actions().ac_chart->trigger();
        auto* chart = w.findChild<Tfrmchart*>();
        if (!QTest::qWaitFor([&] { return Framed(w) && Framed(*chart); }, 10000))
            return {};
        // The chart's inside shrinks to the frame it got; wait for that.
        const QSize chartFrame =
            Stored(QSettings(iniPath(), QSettings::IniFormat), "frmchartRect").size();
        (void)QTest::qWaitFor([&] { return chart->frameGeometry().size() == chartFrame; }, 2000);
        const std::pair<QRect, QRect> seen{w.frameGeometry(), chart->frameGeometry()};
        w.close();
        return seen;
    }

private slots:
    void initTestCase() {
        const QString openbox = FindProgram({"openbox"});
        VELLOMAR_QREQUIRE(!openbox.isEmpty(), "the window manager openbox");
        m_windowManager = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("cfg")));
        m_windowManager->setProcessEnvironment(env);
        m_windowManager->setProcessChannelMode(QProcess::MergedChannels);
        m_windowManager->start(openbox, {QStringLiteral("--sm-disable")});
        QVERIFY(m_windowManager->waitForStarted());
        // Managing once a window shown now gets a frame; one shown before
        // the manager was ready is shown again.
        QWidget probe;
        probe.resize(100, 100);
        const bool managing = QTest::qWaitFor(
            [&] {
                probe.show();
                if (QTest::qWaitFor([&] { return Framed(probe); }, 500))
                    return true;
                probe.hide();
                return false;
            },
            15000);
        QVERIFY(managing);
    }

    void cleanupTestCase() {
        if (!m_windowManager)
            return;
        // The other tests on this display run without a window manager.
        m_windowManager->terminate();
        if (!m_windowManager->waitForFinished(5000))
            m_windowManager->kill();
    }

    void framesComeBackWhereTheyWere() {
        const QRect chartPlace(300, 200, 400, 330);
        {
            QSettings ini(iniPath(), QSettings::IniFormat);
            ini.setValue(QStringLiteral("frmMainRect/left"), "150");
            ini.setValue(QStringLiteral("frmMainRect/top"), "120");
            ini.setValue(QStringLiteral("frmchartRect/left"), QString::number(chartPlace.x()));
            ini.setValue(QStringLiteral("frmchartRect/top"), QString::number(chartPlace.y()));
            ini.setValue(QStringLiteral("frmchartRect/width"), QString::number(chartPlace.width()));
            ini.setValue(QStringLiteral("frmchartRect/height"),
                         QString::number(chartPlace.height()));
        }
        for (int i = 0; i < 3; ++i) {
            const auto [main, chart] = run();
            QVERIFY2(!main.isNull(), "the window manager framed no window");
            // The frame goes where the store says, and the store gets the frame.
            QCOMPARE(main.topLeft(), QPoint(150, 120));
            QCOMPARE(chart, chartPlace);
            const QSettings ini(iniPath(), QSettings::IniFormat);
            QCOMPARE(Stored(ini, "frmMainRect"), main);
            QCOMPARE(Stored(ini, "frmchartRect"), chartPlace);
        }
    }
};

QTEST_MAIN(TestPlacement)
#include "xtst_placement.moc"
