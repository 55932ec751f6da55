#include "labels.h"

#include <QLabel>

namespace kova::ui {

QLabel* bold(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* coloured(QLabel* label, Qt::GlobalColor colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace kova::ui
