#pragma once
// Shows the busy cursor for the lifetime of a scope and puts back the cursor in use before,
// whichever way the scope is left (return, exception). Guards nest.

class QWidget;

namespace kova::ui {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// A window for reading (a report preview, a chart) shows the arrow while it is shown, though
// its opener may still hold the busy cursor; the opener's cursor comes back when it hides.
void showArrowWhileShown(QWidget& window);

} // namespace kova::ui
