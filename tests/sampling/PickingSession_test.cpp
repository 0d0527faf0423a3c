// The eyedropper's picking, one row per sequence of events: the state it
// ends in, everything the widget is told to do, and the level-0 colour shown.
#include "sampling/PickingSession.h"

#include <QMetaEnum>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Pixel (x, y) has red x, green y and the given blue.
QImage Coordinates(int blue) {
    QImage picture(200, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, blue));
    return picture;
}

// The live screen (blue 7); nothing can be read left of x = 0.
struct LiveScreen : ScreenSampler {
    FrozenImageSampler picture{Coordinates(7)};
    std::optional<SampleGrid> sample(QPointF at, QPoint nudge) override {
        return at.x() < 0 ? std::nullopt : picture.sample(at, nudge);
    }
};

struct Row {
    const char* name;
    PickerSource source;
    // P M R H: press, move, release and hide of the eyedropper; p m r c: press,
    // move, release and close of the screenshot (blue 9); S: the screenshot
    // comes, N: with no screens, F: the desktop refuses; < > ^ v E K: keys.
    const char* events;
    const char* state;
    const char* effects;
    const char* level0;
};

constexpr auto Live = PickerSource::LiveScreen;
constexpr auto Portal = PickerSource::Portal;

const Row kRows[] = {
    {"every move reads, the release keeps the last", Live, "P M10,20 M30,40 R", "Idle",
     "HideSpoit SpoitCursor GrabSpoit Show Show ReleaseSpoit RestoreCursor ShowSpoit Commit",
     "30,40,7"},
    {"no move keeps the levels; a second button starts nothing", Live, "P P R R", "Idle",
     "HideSpoit SpoitCursor GrabSpoit ReleaseSpoit RestoreCursor ShowSpoit Commit", "0,0,0"},
    {"arrows move the pointer where it can stand on each pixel, from where it is", Live,
     "P v M10,20 > ^", "Dragging",
     "HideSpoit SpoitCursor GrabSpoit MovePointer Show Show MovePointer Show MovePointer Show",
     "11,19,7"},
    {"arrows step device pixels elsewhere, a move starts over", Live, "P M150,20 > > M160,30 <",
     "Dragging", "HideSpoit SpoitCursor GrabSpoit Show Show Show Show Show", "159,30,7"},
    {"Escape keeps the sample, the release after it changes nothing", Live, "P M10,20 K E R",
     "Idle", "HideSpoit SpoitCursor GrabSpoit Show ReleaseSpoit RestoreCursor ShowSpoit Commit",
     "10,20,7"},
    {"an unreadable screen keeps the last sample and says so; hiding ends the drag", Live,
     "P M10,10 H P M-5,5 R H", "Idle",
     "HideSpoit SpoitCursor GrabSpoit Show ReleaseSpoit RestoreCursor ShowSpoit Commit "
     "HideSpoit SpoitCursor GrabSpoit ReleaseSpoit RestoreCursor ShowSpoit Commit Unreadable",
     "10,10,7"},
    {"the held button picks from the screenshot at its release", Portal,
     "P M1,1 P S M1,1 m40,50 > R", "Idle",
     "HideSpoit WaitCursor TakeScreenshot ShowFrozen CursorToSpoit Show Show CloseFrozen "
     "RestoreCursor ShowSpoit Commit",
     "41,50,9"},
    {"released before the screenshot: a click on it picks", Portal, "P R S r m1,1 p40,50 m5,5 r",
     "Idle",
     "HideSpoit WaitCursor TakeScreenshot ShowFrozen CursorToSpoit Show Show Show CloseFrozen "
     "RestoreCursor ShowSpoit Commit",
     "5,5,9"},
    {"Escape brings back what was shown before", Portal, "P S m40,50 r P S m60,70 E", "Idle",
     "HideSpoit WaitCursor TakeScreenshot ShowFrozen CursorToSpoit Show CloseFrozen RestoreCursor "
     "ShowSpoit Commit HideSpoit WaitCursor TakeScreenshot ShowFrozen CursorToSpoit Show "
     "CloseFrozen RestoreCursor ShowSpoit Restore",
     "40,50,9"},
    {"closed by the desktop, as Escape; nothing read, nothing comes back", Portal,
     "P S m60,70 c P S E", "Idle",
     "HideSpoit WaitCursor TakeScreenshot ShowFrozen CursorToSpoit Show CloseFrozen RestoreCursor "
     "ShowSpoit Restore HideSpoit WaitCursor TakeScreenshot ShowFrozen CursorToSpoit CloseFrozen "
     "RestoreCursor ShowSpoit",
     "0,0,0"},
    {"a refusal ends the wait, late answers change nothing", Portal, "P F S F m1,1", "Idle",
     "HideSpoit WaitCursor TakeScreenshot CancelScreenshot RestoreCursor ShowSpoit Failed",
     "0,0,0"},
    {"a screenshot with no screens fails; hiding drops the request", Portal, "P N P H S", "Idle",
     "HideSpoit WaitCursor TakeScreenshot CancelScreenshot RestoreCursor ShowSpoit Failed "
     "HideSpoit WaitCursor TakeScreenshot CancelScreenshot RestoreCursor ShowSpoit",
     "0,0,0"},
};

PickingSession::Effects Send(PickingSession& session, PickerSource source, const QString& event) {
    const QStringList xy = event.mid(1).split(u',');
    const QPointF at = xy.size() == 2 ? QPointF(xy[0].toDouble(), xy[1].toDouble()) : QPointF();
    switch (event[0].toLatin1()) {
    case 'P':
        return session.pressSpoit(source, 0x123456);
    case 'M':
        return session.moveSpoit(at);
    case 'R':
        return session.releaseSpoit();
    case 'H':
        return session.hideSpoit();
    case 'p':
        return session.pressFrozen(at);
    case 'm':
        return session.moveFrozen(at);
    case 'r':
        return session.releaseFrozen();
    case 'c':
        return session.closeFrozen();
    case 'S':
        return session.screenshotTaken(Coordinates(9), {QRect(0, 0, 200, 200)});
    case 'N':
        return session.screenshotTaken(Coordinates(9), {});
    case 'F':
        return session.screenshotFailed(PortalScreenshot::Failure::Refused);
    }
    const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Escape};
    const qsizetype index = QStringLiteral("<>^vE").indexOf(event[0]);
    return session.key(index < 0 ? Qt::Key_A : keys[index]);
}

} // namespace

TEST(PickingSession, EventSequences) {
    const QMetaEnum effectNames = QMetaEnum::fromType<PickingSession::Effect>();
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        // The pointer rests at (5, 5); left of x = 100 it steps by device pixels.
        PickingSession session(
            std::make_unique<LiveScreen>(),
            {[] { return QPointF(5, 5); }, [](QPointF at) { return at.x() < 100; }});
        QStringList effects;
        for (const QString& event : QString::fromLatin1(row.events).split(u' '))
            for (PickingSession::Effect effect : Send(session, row.source, event))
                effects << QString::fromLatin1(effectNames.valueToKey(int(effect)));
        EXPECT_EQ(QMetaEnum::fromType<PickingSession::State>().valueToKey(int(session.state())),
                  std::string(row.state));
        EXPECT_EQ(effects.join(u' ').toStdString(), row.effects);
        const TColor c = session.levels()[0];
        EXPECT_EQ(
            QString::asprintf("%d,%d,%d", ColorRed(c), ColorGreen(c), ColorBlue(c)).toStdString(),
            row.level0);
    }
}
