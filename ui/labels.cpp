#include "labels.h"

#include <QHBoxLayout>
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

QWidget* withUnit(QWidget* value, const QString& unit) {
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(value);
    layout->addWidget(new QLabel(unit));
    layout->addStretch();
    return box;
}

} // namespace kova::ui
