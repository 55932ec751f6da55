#pragma once
// Small hand-made inputs for the numerical core: a few reference rows and a station whose
// numbers are easy to follow by hand.

#include "calc/inputs.h"
#include "calc/messages.h"
#include "calc/reference.h"
#include "calc/tkova.h"

namespace kova::test {

inline calc::ReferenceTables smallReference() {
    calc::ReferenceTables ref;
    // Daylight rows 40..42 and 64..65 degrees; values differ per month so interpolation shows.
    for (int lat : {40, 41, 42, 64, 65}) {
        calc::DaylightRow row;
        row.LatitudeN = lat;
        for (int m = 0; m < 12; ++m)
            row.Percent[static_cast<size_t>(m)] = 7.0 + m * 0.25 + (lat - 40) * 0.1;
        ref.daylight.push_back(row);
    }
    ref.chance = {{1, 0.79, 0.44}, {10, 0.90, 0.60}, {11, 0.91, 0.62}, {20, 0.95, 0.75}};
    for (int days : {1, 5, 10, 20}) {
        calc::WetSoilRow row;
        row.IntervalDays = days;
        for (int s = 0; s < calc::kSoilColumns; ++s)
            row.BySoil[static_cast<size_t>(s)] = 1.0 - days * 0.01 - s * 0.05;
        ref.wetSoil.push_back(row);
    }
    return ref;
}

inline calc::Monthly monthly(std::initializer_list<double> values) {
    calc::Monthly out{};
    int m = 1;
    for (double v : values)
        out[static_cast<size_t>(m++)] = v;
    return out;
}

} // namespace kova::test
