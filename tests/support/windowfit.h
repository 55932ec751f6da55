#pragma once
// Every window of the suite must be usable on the smallest screen the programs are made for.
// A window test lists its program's windows and checks each with windowFitsSmallestScreen.

#include <QSize>
#include <QString>

class QWidget;

namespace kova::test {

inline constexpr QSize kSmallestScreen{1024, 768};

// Empty when the window's minimum size, with the frame and title bar a window manager adds,
// fits the smallest screen less its task bar; otherwise what does not fit.
QString windowFitsSmallestScreen(QWidget& window);

} // namespace kova::test
