#include "ui/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

using kova::ui::keepOnScreen;
using kova::ui::placeResultsWindow;

TEST(KeepOnScreen, CentresAWindowThatFits) {
    const QRect screen(0, 0, 1024, 768);
    // Centred across; down within the screen height less 25: (768 - 400 - 25) / 2 = 171.
    EXPECT_EQ(keepOnScreen(QRect(900, 700, 600, 400), screen), QRect(212, 171, 600, 400));
}

TEST(KeepOnScreen, ShrinksWhatIsTooBig) {
    const QRect screen(0, 0, 800, 600);
    EXPECT_EQ(keepOnScreen(QRect(10, 10, 1000, 300), screen), QRect(0, 137, 800, 300));
    // Taller than 600 - 25: top 1, height 575.
    EXPECT_EQ(keepOnScreen(QRect(10, 10, 500, 576), screen), QRect(150, 1, 500, 575));
    // Exactly screen height - 25 still fits.
    EXPECT_EQ(keepOnScreen(QRect(10, 10, 500, 575), screen), QRect(150, 0, 500, 575));
}

TEST(KeepOnScreen, UsesTheScreensOwnOrigin) {
    const QRect secondScreen(1920, 0, 1280, 1024);
    EXPECT_EQ(keepOnScreen(QRect(0, 0, 280, 199), secondScreen), QRect(2420, 400, 280, 199));
}

TEST(ResultsPlacement, FollowsTheScreenHeight) {
    const QRect designed(120, 80, 640, 555);
    auto on = [&](int height) { return placeResultsWindow(designed, QRect(0, 0, 1024, height)); };
    EXPECT_EQ(on(768), QRect(120, 4, 640, 745)); // left as designed
    EXPECT_EQ(on(766), QRect(120, 4, 640, 745));
    EXPECT_EQ(on(765), QRect(50, 2, 640, 576)); // "above 765" is strict
    EXPECT_EQ(on(600), QRect(50, 2, 640, 576));
    EXPECT_EQ(on(589), QRect(50, 2, 640, 576));
    EXPECT_EQ(on(588), QRect(2, 2, 640, 450));
    EXPECT_EQ(on(479), QRect(2, 2, 640, 450));
    EXPECT_EQ(on(478), designed); // the designed placement stays
}

TEST(Placement, WrappersMoveTheWidget) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QWidget window;
    window.setGeometry(5, 5, 300, 200);
    kova::ui::applyKeepOnScreen(&window);
    EXPECT_EQ(window.geometry(), keepOnScreen(QRect(5, 5, 300, 200), screen));

    QWidget results;
    results.setGeometry(40, 30, 640, 555);
    kova::ui::applyResultsPlacement(&results);
    EXPECT_EQ(results.geometry(), placeResultsWindow(QRect(40, 30, 640, 555), screen));
}
