#pragma once
// The looks windows give their labels: bold, and coloured text (a blue name, a red note).

#include <Qt>

class QLabel;

namespace kova::ui {

QLabel* bold(QLabel* label);
QLabel* coloured(QLabel* label, Qt::GlobalColor colour);

} // namespace kova::ui
