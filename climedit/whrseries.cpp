#include "whrseries.h"

namespace kova::climedit {

int WHRSeries::decimals() const {
    const qsizetype point = picture.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(picture.size() - point - 1);
}

const std::vector<WHRSeries>& whrSeries() {
    static const std::vector<WHRSeries> series = {
        {QStringLiteral("RHa"),
         {QStringLiteral("x Average"), QStringLiteral("Relative"), QStringLiteral("Hunidity"),
          QStringLiteral("[RHa]  %")},
         QStringLiteral("Enter monthly average, daily relative humidty."),
         QStringLiteral("###.#"),
         QStringLiteral("Avg. rel. humidity %")},
        {QStringLiteral("RHmin"),
         {QStringLiteral("# Mean min."), QStringLiteral("Relative"), QStringLiteral("Hunidity"),
          QStringLiteral("[RHmin]  %")},
         QStringLiteral("Enter monthly average mean minimum relative humidity."),
         QStringLiteral("###.#"),
         QStringLiteral("Min. rel. humidity %")},
        {QStringLiteral("U"),
         {QStringLiteral("+ Average"), QStringLiteral("Wind run"), QStringLiteral("   [U]"),
          QStringLiteral("miles/day")},
         QStringLiteral("Enter monthly average daily wind run."),
         QStringLiteral("####.#"),
         QStringLiteral("Wind run miles/day")},
        {QStringLiteral("W/R"),
         {QStringLiteral("+ Average"), QStringLiteral("Day/Night"), QStringLiteral("Wind Speed"),
          QStringLiteral("    Ratio")},
         QStringLiteral("Show monthly average daily day to night wind speed ratio."),
         QStringLiteral("##.##"),
         QStringLiteral("Day/night wind ratio")},
        {QStringLiteral("RS"),
         {QStringLiteral("x Incoming"), QStringLiteral("Solar Rad."), QStringLiteral("   [Rs]"),
          QStringLiteral("lang/day")},
         QStringLiteral("Enter monthly average daily incomming solar radiation."),
         QStringLiteral("####.#"),
         QStringLiteral("Solar rad. lang/day")},
        {QStringLiteral("NR"),
         {QStringLiteral("# Bright sun/"), QStringLiteral("Possible sun"),
          QStringLiteral("   [n/N]"), QStringLiteral("   Ratio")},
         QStringLiteral("Ratio between bright sun and max possible sun"),
         QStringLiteral("#.##"),
         QStringLiteral("Bright/possible sun")},
    };
    return series;
}

} // namespace kova::climedit
