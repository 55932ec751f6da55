#include "reference.h"

#include <algorithm>

namespace kova::calc {

namespace {

// The one in-memory nearest-key seek of the calculation.
template <class Row, class KeyOf>
int nearestIndex(const std::vector<Row>& rows, double key, KeyOf keyOf) {
    if (rows.empty())
        return -1;
    const auto it = std::lower_bound(rows.begin(), rows.end(), key,
                                     [&](const Row& row, double k) { return keyOf(row) < k; });
    if (it == rows.end())
        return static_cast<int>(rows.size()) - 1;
    return static_cast<int>(it - rows.begin());
}

} // namespace

const std::array<QString, kSoilColumns>& soilNames() {
    static const std::array<QString, kSoilColumns> names = {
        QStringLiteral("Clay"),       QStringLiteral("Clay Loam"),  QStringLiteral("Silt Loam"),
        QStringLiteral("Sandy Loam"), QStringLiteral("Loamy Sand"), QStringLiteral("Sand")};
    return names;
}

int ReferenceTables::nearestDaylight(double latitude) const {
    return nearestIndex(daylight, latitude, [](const DaylightRow& r) { return r.LatitudeN; });
}

int ReferenceTables::nearestChance(double annualPrecip) const {
    return nearestIndex(chance, annualPrecip, [](const ChanceRow& r) { return r.AnPcp; });
}

int ReferenceTables::nearestWetSoil(double intervalDays) const {
    return nearestIndex(wetSoil, intervalDays, [](const WetSoilRow& r) { return r.IntervalDays; });
}

void ReferenceTables::sortByKeys() {
    std::stable_sort(daylight.begin(), daylight.end(),
                     [](const auto& a, const auto& b) { return a.LatitudeN < b.LatitudeN; });
    std::stable_sort(chance.begin(), chance.end(),
                     [](const auto& a, const auto& b) { return a.AnPcp < b.AnPcp; });
    std::stable_sort(wetSoil.begin(), wetSoil.end(),
                     [](const auto& a, const auto& b) { return a.IntervalDays < b.IntervalDays; });
}

} // namespace kova::calc
