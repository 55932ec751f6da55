#include "busycursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace kova::ui {

// The override-cursor stack of the application keeps the previous cursor for us.
BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace kova::ui
