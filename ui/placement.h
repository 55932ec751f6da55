#pragma once
// Where windows go on the screen. Each rule is one pure function (window and screen in, new
// window rectangle out) so it can be checked without a display; the apply* wrappers read the
// widget's screen and move the widget.

#include <QRect>

class QWidget;

namespace kova::ui {

// Windows stay on screen: a window wider than the screen takes the screen's width (at its
// left edge), else it is centred across; one taller than the screen height - 25 is put at top
// 1 with height screen height - 25, else centred within screen height - 25.
QRect keepOnScreen(const QRect& window, const QRect& screen);

// The results window by screen height: above 765 top 4 and height 745; above 588 left 50,
// top 2, height 576; above 478 left 2, top 2, height 450; otherwise the window as designed.
QRect placeResultsWindow(const QRect& window, const QRect& screen);

void applyKeepOnScreen(QWidget* window);
// The results rule for the window with its frame (as far as the window system knows it).
void applyResultsPlacement(QWidget* window);

} // namespace kova::ui
