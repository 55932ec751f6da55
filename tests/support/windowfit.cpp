#include "windowfit.h"

#include <QLayout>
#include <QWidget>

namespace kova::test {

namespace {
// What a window manager adds around a window: borders and a title bar.
constexpr int kFrameWidth = 2 * 4;
constexpr int kFrameHeight = 30 + 4;
// The task bar the placement rule leaves free.
constexpr int kTaskbar = 25;
} // namespace

QString windowFitsSmallestScreen(QWidget& window) {
    window.ensurePolished();
    if (window.layout())
        window.layout()->activate();
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize());
    const QSize room(kSmallestScreen.width() - kFrameWidth,
                     kSmallestScreen.height() - kTaskbar - kFrameHeight);
    if (least.width() <= room.width() && least.height() <= room.height())
        return {};
    return QStringLiteral("'%1' needs at least %2 x %3 pixels; %4 x %5 are free")
        .arg(window.windowTitle())
        .arg(least.width())
        .arg(least.height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace kova::test
