#include "MockPortalBus.h"
#include "core/Color.h"
#include "sampling/FrozenDesktop.h"
#include "sampling/PortalScreenshot.h"
#include "sampling/ScreenSampler.h"

#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusError>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QThread>
#include <memory>

using namespace std::chrono_literals;
using Failure = PortalScreenshot::Failure;

namespace {

void NeedApp() {
    static std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "test";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
}

class MockPortal : public ::testing::Test {
protected:
    void SetUp() override {
        NeedApp();
        const QString error = m_portal.startBus();
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        m_bus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(m_portal.address(), "portal-test"));
        ASSERT_TRUE(m_bus->isConnected()) << m_bus->lastError().message().toStdString();
    }

    void TearDown() override {
        m_bus.reset();
        QDBusConnection::disconnectFromBus("portal-test");
    }

    // The mock answers every Screenshot request as `mode` says.
    void StartMock(const QString& mode) {
        const QString error = m_portal.startMock(mode, 200, 120);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    }

    QStringList ShotsLeft() const { return m_portal.shotsLeft(); }

    // Takes one screenshot and waits for its one outcome.
    struct Outcome {
        QImage image;
        std::optional<Failure> failure;
    };
    Outcome Take(PortalScreenshot& shot) {
        QSignalSpy finished(&shot, &PortalScreenshot::finished);
        QSignalSpy failed(&shot, &PortalScreenshot::failed);
        shot.take();
        EXPECT_TRUE(shot.isBusy());
        EXPECT_TRUE(finished.isEmpty() && failed.isEmpty()); // never from within take()
        QDeadlineTimer deadline(10000);
        while (finished.isEmpty() && failed.isEmpty() && !deadline.hasExpired())
            finished.wait(50);
        EXPECT_EQ(finished.size() + failed.size(), 1);
        EXPECT_FALSE(shot.isBusy());
        Outcome outcome;
        if (!finished.isEmpty())
            outcome.image = finished.first().first().value<QImage>();
        if (!failed.isEmpty())
            outcome.failure = failed.first().first().value<Failure>();
        return outcome;
    }

    MockPortalBus m_portal;
    std::unique_ptr<QDBusConnection> m_bus;
};

} // namespace

TEST_F(MockPortal, ScreenshotFeedsTheFrozenSamplerAndIsDeleted) {
    // "early" answers before the call returns: only a listener set up
    // beforehand on the request's predicted path hears it.
    for (const QString mode : {"answer", "early"}) {
        SCOPED_TRACE(mode.toStdString());
        StartMock(mode);
        PortalScreenshot shot(*m_bus, 5s);
        const Outcome outcome = Take(shot);
        ASSERT_FALSE(outcome.failure) << int(*outcome.failure);
        EXPECT_EQ(outcome.image.size(), QSize(200, 120));
        EXPECT_TRUE(ShotsLeft().isEmpty()) << ShotsLeft().join(' ').toStdString();

        // A desktop of 100 x 60 logical units at ratio 2.
        const FrozenDesktop desktop = FrozenDesktopFor(outcome.image, {QRect(0, 0, 100, 60)});
        FrozenImageSampler sampler(desktop.picture, desktop.origin);
        auto grid = sampler.sample(QPointF(20.25, 10.75));
        ASSERT_TRUE(grid);
        for (TColor level : ComputeLevelColors(*grid))
            EXPECT_EQ(ColorToHtml(level), "#FFA510");
        // Device pixel 97 of the row: the two widest squares reach the black block.
        grid = sampler.sample(QPointF(48.5, 10));
        ASSERT_TRUE(grid);
        const LevelColors levels = ComputeLevelColors(*grid);
        QStringList texts;
        for (TColor level : levels)
            texts << ColorToHtml(level);
        EXPECT_EQ(texts, QStringList({"#FFA510", "#FFA510", "#FFA510", "#DA8D0D", "#C6800C"}));
    }
}

TEST_F(MockPortal, RefusalAndOtherEndsAreReported) {
    StartMock("refuse");
    PortalScreenshot shot(*m_bus, 5s);
    Outcome outcome = Take(shot);
    EXPECT_EQ(outcome.failure, Failure::Refused);
    EXPECT_TRUE(outcome.image.isNull());
    EXPECT_EQ(PortalFailureText(Failure::Refused), "スクリーンショットが拒否されました");
    StartMock("end");
    outcome = Take(shot);
    EXPECT_EQ(outcome.failure, Failure::Failed);
}

TEST_F(MockPortal, SilentPortalTimesOutAndTheRequestIsClosed) {
    StartMock("silent");
    PortalScreenshot shot(*m_bus, 300ms);
    EXPECT_EQ(Take(shot).failure, Failure::TimedOut);
    QString line;
    ASSERT_TRUE(MockPortalBus::ReadLine(m_portal.mock(), line));
    EXPECT_TRUE(line.startsWith("closed /org/freedesktop/portal/desktop/request/"))
        << line.toStdString();
}

TEST_F(MockPortal, LateAnswerFileIsRemovedAfterTimeOutOrCancel) {
    for (const bool cancel : {false, true}) {
        StartMock("late");
        PortalScreenshot shot(*m_bus, 300ms);
        if (cancel) {
            shot.take();
            shot.cancel();
        } else {
            EXPECT_EQ(Take(shot).failure, Failure::TimedOut);
        }
        QString line;
        while (MockPortalBus::ReadLine(m_portal.mock(), line) && line != "answered")
            continue;
        ASSERT_EQ(line, "answered");
        QDeadlineTimer deadline(5000);
        while (!ShotsLeft().isEmpty() && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
        EXPECT_TRUE(ShotsLeft().isEmpty()) << cancel;
    }
}

TEST_F(MockPortal, NoPortalServiceOrNoBus) {
    PortalScreenshot shot(*m_bus, 5s);
    EXPECT_EQ(Take(shot).failure, Failure::NoPortal);
    PortalScreenshot nowhere(QDBusConnection("not connected"), 5s);
    EXPECT_EQ(Take(nowhere).failure, Failure::NoPortal);
    EXPECT_FALSE(PortalFailureText(Failure::NoPortal).isEmpty());
}
