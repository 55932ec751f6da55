#pragma once
// The ET method of a job: the methods' names, which methods a station's weather data can
// compute, the choice the system default leaves, and the radio states of the method dialog.

#include "calc/inputs.h"

#include <QString>
#include <optional>
#include <vector>

namespace kova::job {

// While the user chooses: all three methods, radiation or TR21, temperature or TR21.
inline constexpr int kAskAnyMethod = 4;
inline constexpr int kAskRadiationOrTR21 = 5;
inline constexpr int kAskTemperatureOrTR21 = 6;

// "Blaney Criddle (TR21)", "Radiation", "Temperature (FAO BC)"; any other index is TR21.
QString methodText(int etIndex);
// The keys of the system default and of kova-calc: "TR21", "RAD", "TEMP".
QString methodKey(int etIndex);
std::optional<int> methodOfKey(const QString& key);

// Which July values of a weather site are present (not empty).
struct WeatherPresence {
    bool RS = false, RHa = false, RHmin = false, U = false, WR = false, NR = false;
};
WeatherPresence julyPresence(const calc::WhrSite& site);

// The inputs each method reads besides the station: both use the daytime wind from 'U' and
// 'W/R'; radiation reads 'RS' and 'RHa', temperature 'RHmin' and 'NR'.
bool radiationComputable(const WeatherPresence& july);
bool temperatureComputable(const WeatherPresence& july);

// The method for the system default 'ET Method' ("RAD", "TEMP", "TR21", "ANY"): 1, 2 or 3, or
// 4, 5 or 6 when the user chooses. A station without a weather site (`site` empty) gets TR21.
int decideMethod(const QString& systemDefault, const std::optional<WeatherPresence>& site);

struct MethodRadio {
    bool enabled = false;
    bool selected = false;
};
// The radios of "Select ET Computation Method", top to bottom.
struct MethodChoices {
    MethodRadio tr21, temperature, radiation;
};
// The dialog's radios on show for 4, 5 or 6; for a method decided without asking (1, 2, 3)
// only that method, enabled and selected.
MethodChoices methodChoices(int etIndex);
// The method the radios leave when the dialog closes.
int chosenMethod(const MethodChoices& choices);
// The enabled methods, as ET indexes (1 TR21, 2 radiation, 3 temperature).
std::vector<int> offeredMethods(const MethodChoices& choices);

// The method can be computed with a weather site of these July values (TR21 always can).
bool methodComputable(int etIndex, const std::optional<WeatherPresence>& site);

// What the method choice reads for a station (nearest key, as the calculation finds it): the
// July values of its weather site (none without one) and the system default 'ET Method'.
struct StationWeather {
    std::optional<WeatherPresence> july;
    QString systemDefault;
};
// False with `error` when a table cannot be read.
bool readStationWeather(const QString& alias, const QString& stationName, StationWeather* out,
                        QString* error);

} // namespace kova::job
