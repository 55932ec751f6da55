#pragma once
// Shows the busy cursor for the lifetime of a scope and puts back the cursor in use before,
// whichever way the scope is left (return, exception). Guards nest.

namespace kova::ui {

class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace kova::ui
