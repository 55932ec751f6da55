#include "etmethod.h"

#include "calc/rowreaders.h"

#include "store/table.h"

namespace kova::job {

using store::Table;

namespace {

constexpr size_t kJuly = 7;

} // namespace

QString methodText(int etIndex) {
    switch (etIndex) {
    case calc::kETRadiation:
        return QStringLiteral("Radiation");
    case calc::kETTemperature:
        return QStringLiteral("Temperature (FAO BC)");
    default:
        return QStringLiteral("Blaney Criddle (TR21)");
    }
}

QString methodKey(int etIndex) {
    switch (etIndex) {
    case calc::kETRadiation:
        return QStringLiteral("RAD");
    case calc::kETTemperature:
        return QStringLiteral("TEMP");
    default:
        return QStringLiteral("TR21");
    }
}

std::optional<int> methodOfKey(const QString& key) {
    for (int etIndex : {calc::kETTR21, calc::kETRadiation, calc::kETTemperature})
        if (key == methodKey(etIndex))
            return etIndex;
    return std::nullopt;
}

WeatherPresence julyPresence(const calc::WhrSite& site) {
    const auto& empty = site.empty;
    return {!empty.RS[kJuly], !empty.RHa[kJuly], !empty.RHmin[kJuly],
            !empty.U[kJuly],  !empty.WR[kJuly],  !empty.NR[kJuly]};
}

bool radiationComputable(const WeatherPresence& july) {
    return july.RS && july.RHa && july.U && july.WR;
}

bool temperatureComputable(const WeatherPresence& july) {
    return july.RHmin && july.NR && july.U && july.WR;
}

int decideMethod(const QString& systemDefault, const std::optional<WeatherPresence>& site) {
    if (!site)
        return calc::kETTR21;
    const bool radiation = radiationComputable(*site);
    const bool temperature = temperatureComputable(*site);
    if (systemDefault == QLatin1String("RAD"))
        return radiation ? calc::kETRadiation : calc::kETTR21;
    if (systemDefault == QLatin1String("TEMP"))
        return temperature ? calc::kETTemperature : calc::kETTR21;
    if (systemDefault == QLatin1String("ANY")) {
        if (radiation && temperature)
            return kAskAnyMethod;
        if (radiation)
            return kAskRadiationOrTR21;
        if (temperature)
            return kAskTemperatureOrTR21;
    }
    return calc::kETTR21;
}

MethodChoices methodChoices(int etIndex) {
    constexpr MethodRadio off{false, false}, on{true, false}, chosen{true, true};
    switch (etIndex) {
    case kAskAnyMethod:
        return {chosen, on, on};
    case kAskRadiationOrTR21:
        return {on, off, chosen};
    case kAskTemperatureOrTR21:
        return {on, chosen, off};
    case calc::kETRadiation:
        return {off, off, chosen};
    case calc::kETTemperature:
        return {off, chosen, off};
    default:
        return {chosen, off, off};
    }
}

int chosenMethod(const MethodChoices& choices) {
    if (choices.temperature.selected)
        return calc::kETTemperature;
    if (choices.radiation.selected)
        return calc::kETRadiation;
    return calc::kETTR21;
}

std::vector<int> offeredMethods(const MethodChoices& choices) {
    std::vector<int> out;
    if (choices.tr21.enabled)
        out.push_back(calc::kETTR21);
    if (choices.radiation.enabled)
        out.push_back(calc::kETRadiation);
    if (choices.temperature.enabled)
        out.push_back(calc::kETTemperature);
    return out;
}

bool methodComputable(int etIndex, const std::optional<WeatherPresence>& site) {
    switch (etIndex) {
    case calc::kETRadiation:
        return site && radiationComputable(*site);
    case calc::kETTemperature:
        return site && temperatureComputable(*site);
    default:
        return true;
    }
}

bool readStationWeather(const QString& alias, const QString& stationName, StationWeather* out,
                        QString* error) {
    Table climate(QStringLiteral("Climate"), alias);
    climate.setIndexName(QStringLiteral("StaNameIndex"));
    Table whr(QStringLiteral("ClimWHR"), alias);
    whr.setIndexName(QStringLiteral("Location Name"));
    Table defaults(QStringLiteral("SystemDefaults"), alias);
    for (Table* t : {&climate, &whr, &defaults})
        if (!t->open()) {
            *error = t->errorString();
            return false;
        }
    climate.findNearest({stationName});
    const QString location =
        climate.isEmpty() ? QString() : climate.asString(QStringLiteral("WHR Location"));
    out->july.reset();
    if (!location.isEmpty() && !whr.isEmpty()) {
        whr.findNearest({location});
        out->july = julyPresence(calc::whrFrom(whr.record()));
    }
    defaults.first();
    out->systemDefault =
        defaults.isEmpty() ? QString() : defaults.asString(QStringLiteral("ET Method"));
    return true;
}

} // namespace kova::job
