#include "hint.h"

#include <QWidget>

namespace kova::ui {

void setHint(QWidget* widget, const QString& hint) {
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

} // namespace kova::ui
