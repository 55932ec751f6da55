#pragma once
// A control's hint: shown as its tooltip and in the window's status bar.

#include <QString>

class QWidget;

namespace kova::ui {

void setHint(QWidget* widget, const QString& hint);

} // namespace kova::ui
