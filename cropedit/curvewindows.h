#pragma once
// What the three basal curve windows share beyond the managed editor: the humidity/wind radio
// group on the table's category field and the "Show By" menu (one category, or every curve in
// name order).

#include <QStringList>

class QMenuBar;

namespace kova::ui {
class DataRadioGroup;
class DataSource;
} // namespace kova::ui

namespace kova::cropedit {

// The radio group of a curve window's category field, items in the order HM, HS, AM, AS.
ui::DataRadioGroup* categoryGroup(ui::DataSource& source, const QString& field,
                                  const QString& title, const QStringList& items);

// "Show By": the four categories (the table's 'HWIndex' restricted to one code) and "Show
// All" (every curve of the table in the order of `nameIndex`).
void addShowByMenu(QMenuBar* menuBar, ui::DataSource& source, const QString& nameIndex);

} // namespace kova::cropedit
