#pragma once
// The looks windows give their labels: bold, coloured text (a blue name, a red note), and a
// value with its unit.

#include <Qt>

class QLabel;
class QString;
class QWidget;

namespace kova::ui {

QLabel* bold(QLabel* label);
QLabel* coloured(QLabel* label, Qt::GlobalColor colour);
// A value or entry followed by its unit ("inches", "days", "%"), kept together on a line.
QWidget* withUnit(QWidget* value, const QString& unit);

} // namespace kova::ui
