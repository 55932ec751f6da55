#pragma once
// The delivered reference tables (MoPctDay, PcpChance, WetSoil) held in memory in key order.
// They are read once per database: no program writes them. Lookups take the nearest key as
// the tables expect: the first row whose key is not less than the value, else the last row.

#include <QString>
#include <array>
#include <vector>

namespace kova::calc {

struct DaylightRow {
    int LatitudeN = 0;
    std::array<double, 12> Percent{}; // 'Jan' .. 'Dec'
};

struct ChanceRow {
    double AnPcp = 0, Pct50 = 0, Pct80 = 0;
};

inline constexpr int kSoilColumns = 6; // 'Clay' .. 'Sand'

// Soil texture names: the values of 'Soil' and the column names of WetSoil, in column order.
const std::array<QString, kSoilColumns>& soilNames();

struct WetSoilRow {
    int IntervalDays = 0;
    std::array<double, kSoilColumns> BySoil{};
};

struct ReferenceTables {
    std::vector<DaylightRow> daylight;
    std::vector<ChanceRow> chance;
    std::vector<WetSoilRow> wetSoil;

    // Index of the nearest row, or -1 when the table is empty.
    int nearestDaylight(double latitude) const;
    int nearestChance(double annualPrecip) const;
    int nearestWetSoil(double intervalDays) const;

    // Sorts each table by its key (rows may be given in any order).
    void sortByKeys();
};

} // namespace kova::calc
