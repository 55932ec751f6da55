#pragma once
// What the crop editor's windows share beyond the shared desktop pieces: numeric boxes, the
// humidity/wind radio group on a table's category field and the "Show By" menu of the basal
// curve windows (one category, or every curve in name order).

#include <QStringList>

class QMenuBar;

namespace kova::ui {
class DataNumericEdit;
class DataRadioGroup;
class DataSource;
} // namespace kova::ui

namespace kova::cropedit {

// A numeric box on `field` with its picture and hint, its value to the right.
ui::DataNumericEdit* numberBox(ui::DataSource& source, const QString& field, const QString& picture,
                               const QString& hint, int maxWidth = 80);

// The radio group of a curve window's category field, items in the order HM, HS, AM, AS.
ui::DataRadioGroup* categoryGroup(ui::DataSource& source, const QString& field,
                                  const QString& title, const QStringList& items);

// "Show By": the four categories (the table's 'HWIndex' restricted to one code) and "Show
// All" (every curve of the table in the order of `nameIndex`).
void addShowByMenu(QMenuBar* menuBar, ui::DataSource& source, const QString& nameIndex);

} // namespace kova::cropedit
