#include "fieldnames.h"

namespace kova::store {

QString monthName(int month) {
    return QLatin1String(kMonthAbbrev.at(static_cast<size_t>(month - 1)));
}

QString monthField(const QString& prefix, int month) {
    return prefix + QLatin1Char(' ') + monthName(month);
}

QString monthFirstField(int month, const QString& suffix) {
    return monthName(month) + QLatin1Char(' ') + suffix;
}

std::array<QString, 12> monthSeries(const QString& prefix) {
    std::array<QString, 12> names;
    for (int m = 1; m <= 12; ++m)
        names[static_cast<size_t>(m - 1)] = monthField(prefix, m);
    return names;
}

} // namespace kova::store
