#pragma once
// Rows the window and import tests add to the climate tables: a complete station (every
// required field with a plain value) and a county.

#include <QString>

namespace kova::test {

struct StationRow {
    QString name;
    QString county;
    bool marked = false;
    QString weatherSite; // 'WHR Location'; empty: none
};

// Appends the station to `Climate`, and its county to `County` unless it is listed there.
// False with `error` when a row cannot be stored.
bool addStation(const StationRow& station, QString* error = nullptr);
// Appends a county to `County`.
bool addCounty(const QString& county, QString* error = nullptr);

} // namespace kova::test
