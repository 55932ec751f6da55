#pragma once
// Keeping `County` in step with the stations: a county typed for a station is added at once,
// and a county whose last station was deleted is removed. Comparisons are exact, on the text
// as the tables keep it (cut to the field's width).

#include <QString>

namespace kova::store {
class Table;
}

namespace kova::climedit {

// Scans `counties` (open) from its first row; appends and posts `county` when no row equals
// it. False with the table's error when the row cannot be posted.
bool ensureCountyListed(store::Table& counties, const QString& county, QString* error);

// Stations of the whole `Climate` table (whatever a window's range or filter) whose 'County'
// equals `county`.
int stationsInCounty(const QString& county, QString* error);

// Deletes the row of `counties` (open) that equals `county`; true when there was none.
bool removeCountyRow(store::Table& counties, const QString& county, QString* error);

} // namespace kova::climedit
