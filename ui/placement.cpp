#include "placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kova::ui {

namespace {

constexpr int kTaskbarAllowance = 25;

QRect screenOf(const QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

QRect keepOnScreen(const QRect& window, const QRect& screen) {
    QRect placed = window;
    if (window.width() > screen.width()) {
        placed.setLeft(screen.left());
        placed.setWidth(screen.width());
    } else {
        placed.moveLeft(screen.left() + (screen.width() - window.width()) / 2);
    }
    const int usableHeight = screen.height() - kTaskbarAllowance;
    if (window.height() > usableHeight) {
        placed.setTop(screen.top() + 1);
        placed.setHeight(usableHeight);
    } else {
        placed.moveTop(screen.top() + (usableHeight - window.height()) / 2);
    }
    return placed;
}

QRect placeResultsWindow(const QRect& window, const QRect& screen) {
    const int screenHeight = screen.height();
    QRect placed = window;
    auto place = [&](int left, int top, int height) {
        placed.moveLeft(left < 0 ? window.left() : screen.left() + left);
        placed.moveTop(screen.top() + top);
        placed.setHeight(height);
    };
    if (screenHeight > 765)
        place(-1, 4, 745);
    else if (screenHeight > 588)
        place(50, 2, 576);
    else if (screenHeight > 478)
        place(2, 2, 450);
    return placed;
}

void applyKeepOnScreen(QWidget* window) {
    window->setGeometry(keepOnScreen(window->geometry(), screenOf(window)));
}

void applyResultsPlacement(QWidget* window) {
    // The rule places the whole window, title bar and frame included, once the window
    // manager has framed it (before, the frame is not known and counts as none).
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const QMargins decoration(client.left() - frame.left(), client.top() - frame.top(),
                              frame.right() - client.right(), frame.bottom() - client.bottom());
    window->setGeometry(placeResultsWindow(frame, screenOf(window)).marginsRemoved(decoration));
}

} // namespace kova::ui
