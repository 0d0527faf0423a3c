#include "sampling/FrozenDesktop.h"
#include "sampling/PickerSource.h"
#include "sampling/ScreenSampler.h"

#include <gtest/gtest.h>

TEST(PickerSource, PortalOnWaylandOrWhenAsked) {
    EXPECT_EQ(ChoosePickerSource(u"wayland", "", ""), PickerSource::Portal);
    EXPECT_EQ(ChoosePickerSource(u"wayland-egl", "", "wayland"), PickerSource::Portal);
    EXPECT_EQ(ChoosePickerSource(u"xcb", "portal", "x11"), PickerSource::Portal);
    // An X11 program under XWayland reads black over Wayland windows.
    EXPECT_EQ(ChoosePickerSource(u"xcb", "", "wayland"), PickerSource::Portal);
    EXPECT_EQ(ChoosePickerSource(u"xcb", "", "x11"), PickerSource::LiveScreen);
    EXPECT_EQ(ChoosePickerSource(u"xcb", "Portal ", ""), PickerSource::LiveScreen);
    EXPECT_EQ(ChoosePickerSource(u"windows", "", ""), PickerSource::LiveScreen);
}

// Two screens, the second left of and above the first, shot at ratio 2.
TEST(FrozenDesktop, PlacesTheShotOverAllScreens) {
    const QRect right(0, 0, 400, 300), left(-320, -50, 320, 240);
    QImage shot(1440, 700, QImage::Format_RGB32);
    shot.fill(Qt::black);
    shot.setPixel(2 * 320 + 2 * 10 + 1, 2 * 50 + 2 * 20, qRgb(1, 2, 3));
    const FrozenDesktop desktop = FrozenDesktopFor(shot, {right, left});
    EXPECT_EQ(desktop.origin, QPoint(-320, -50));
    EXPECT_EQ(desktop.picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(FrozenDesktopPart(desktop, right), QRect(640, 100, 800, 600));
    EXPECT_EQ(FrozenDesktopPart(desktop, left), QRect(0, 0, 640, 480));

    FrozenImageSampler sampler(desktop.picture, desktop.origin);
    const auto grid = sampler.sample(QPointF(10.5, 20.25));
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->at(kSampleCentre, kSampleCentre), (Sample{1, 2, 3}));

    // No screens: the picture stays at ratio 1 from the origin.
    EXPECT_EQ(FrozenDesktopFor(shot, {}).picture.devicePixelRatio(), 1.0);
}
