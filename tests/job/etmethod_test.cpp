// The ET method of a job: the decision over every system default and every set of weather
// values, the dialog's radio states, and the delivered stations whose weather rows lack
// radiation, sunshine or day/night wind values.

#include "jobfixture.h"

#include "main/job/etmethod.h"

#include "calc/precipitation.h"

#include <gtest/gtest.h>

using namespace kova::job;
using kova::calc::kETRadiation;
using kova::calc::kETTemperature;
using kova::calc::kETTR21;

namespace {

WeatherPresence presence(int bits) {
    return {(bits & 1) != 0, (bits & 2) != 0,  (bits & 4) != 0,
            (bits & 8) != 0, (bits & 16) != 0, (bits & 32) != 0};
}

// The methods a station's values let the job use: the decided one, or those offered.
std::vector<int> usable(int decision) {
    return offeredMethods(methodChoices(decision));
}

TEST(MethodDecision, NeverOffersAMethodWhoseInputsAreMissing) {
    const QString defaults[] = {"RAD", "TEMP", "TR21", "ANY", "rad", ""};
    for (const QString& systemDefault : defaults)
        for (int bits = 0; bits < 64; ++bits) {
            const WeatherPresence july = presence(bits);
            const bool radiation = july.RS && july.RHa && july.U && july.WR;
            const bool temperature = july.RHmin && july.NR && july.U && july.WR;
            const int decision = decideMethod(systemDefault, july);
            const std::vector<int> methods = usable(decision);
            const auto offers = [&](int m) {
                return std::find(methods.begin(), methods.end(), m) != methods.end();
            };
            const std::string where = systemDefault.toStdString() + " " + std::to_string(bits);
            EXPECT_EQ(offers(kETRadiation),
                      radiation && (systemDefault == "RAD" || systemDefault == "ANY"))
                << where;
            EXPECT_EQ(offers(kETTemperature),
                      temperature && (systemDefault == "TEMP" || systemDefault == "ANY"))
                << where;
            // Decided: one method; asked: TR21 among the choices.
            EXPECT_EQ(methods.size() == 1, decision < kAskAnyMethod) << where;
            if (decision >= kAskAnyMethod) {
                EXPECT_TRUE(offers(kETTR21)) << where;
            }
            EXPECT_EQ(decision >= kAskAnyMethod,
                      systemDefault == "ANY" && (radiation || temperature))
                << where;
        }
}

TEST(MethodDecision, FullWeatherRowsGiveTheSystemDefault) {
    const WeatherPresence all = presence(63);
    EXPECT_EQ(decideMethod("RAD", all), kETRadiation);
    EXPECT_EQ(decideMethod("TEMP", all), kETTemperature);
    EXPECT_EQ(decideMethod("TR21", all), kETTR21);
    EXPECT_EQ(decideMethod("ANY", all), kAskAnyMethod);
    EXPECT_EQ(decideMethod("Radiation", all), kETTR21);
    for (const QString d : {"RAD", "TEMP", "ANY"})
        EXPECT_EQ(decideMethod(d, std::nullopt), kETTR21) << "no weather site";
    // The cases the July test of radiation and humidity alone let through.
    WeatherPresence noSunshine = all;
    noSunshine.NR = false;
    EXPECT_EQ(decideMethod("TEMP", noSunshine), kETTR21);
    EXPECT_EQ(decideMethod("ANY", noSunshine), kAskRadiationOrTR21);
    WeatherPresence noRadiation = all;
    noRadiation.RS = false;
    EXPECT_EQ(decideMethod("RAD", noRadiation), kETTR21);
    EXPECT_EQ(decideMethod("TEMP", noRadiation), kETTemperature);
    EXPECT_EQ(decideMethod("ANY", noRadiation), kAskTemperatureOrTR21);
}

TEST(MethodDialog, RadioStatesAndTheMethodTheyLeave) {
    struct Case {
        int ask;
        bool tr21, temperature, radiation; // enabled
        int preselected;
    } cases[] = {{kAskAnyMethod, true, true, true, kETTR21},
                 {kAskRadiationOrTR21, true, false, true, kETRadiation},
                 {kAskTemperatureOrTR21, true, true, false, kETTemperature}};
    for (const Case& c : cases) {
        MethodChoices choices = methodChoices(c.ask);
        EXPECT_EQ(choices.tr21.enabled, c.tr21);
        EXPECT_EQ(choices.temperature.enabled, c.temperature);
        EXPECT_EQ(choices.radiation.enabled, c.radiation);
        EXPECT_EQ(chosenMethod(choices), c.preselected) << c.ask;
        choices.tr21.selected = choices.temperature.selected = choices.radiation.selected = false;
        choices.tr21.selected = true;
        EXPECT_EQ(chosenMethod(choices), kETTR21);
    }
    EXPECT_EQ(methodOfKey("TEMP"), kETTemperature);
    EXPECT_FALSE(methodOfKey("ANY"));
    EXPECT_EQ(methodText(5), "Blaney Criddle (TR21)");
}

class StationMethod : public kova::test::JobTest {
protected:
    void setDefault(const QString& method) {
        sql(QStringLiteral("UPDATE SystemDefaults SET \"ET Method\" = '%1'").arg(method));
    }
    int methodAt(const QString& station) {
        dialogs.methodChoices.clear();
        startJob(QStringLiteral("Method at ") + station, station);
        return kova().ETIndex;
    }
};

TEST_F(StationMethod, DeliveredStationsWithoutSunshineRadiationOrWindRatio) {
    const QString casper = "CASPER NATRONA CO AP";      // no 'NR'
    const QString northPlatte = "NORTH PLATTE RGNL AP"; // no 'RS' nor 'W/R'
    const QString flagstaff = "FLAGSTAFF PULLIAM AP";   // no weather site
    setDefault("TEMP");
    EXPECT_EQ(methodAt(casper), kETTR21);
    EXPECT_EQ(methodAt("CHEYENNE"), kETTemperature);
    setDefault("RAD");
    EXPECT_EQ(methodAt(casper), kETRadiation);
    EXPECT_EQ(methodAt(northPlatte), kETTR21);
    EXPECT_TRUE(dialogs.methodChoices.empty());
    EXPECT_EQ(kova().ETMethodText, "Blaney Criddle (TR21)");
    EXPECT_EQ(session.fields().etMethod, "Blaney Criddle (TR21)");

    setDefault("ANY");
    EXPECT_EQ(methodAt(casper), kETRadiation) << "the dialog preselects radiation";
    ASSERT_EQ(dialogs.methodChoices.size(), 1u);
    EXPECT_FALSE(dialogs.methodChoices[0].temperature.enabled);
    EXPECT_EQ(session.offeredMethods(), (std::vector<int>{kETTR21, kETRadiation}));
    EXPECT_EQ(methodAt(northPlatte), kETTR21) << "neither method has its values";
    EXPECT_TRUE(dialogs.methodChoices.empty());
    EXPECT_EQ(methodAt(flagstaff), kETTR21);
    dialogs.method = kETTemperature;
    EXPECT_EQ(methodAt("CHEYENNE"), kETTemperature);
    EXPECT_EQ(dialogs.methodChoices.size(), 1u);
}

TEST_F(StationMethod, AJobWithCropsKeepsItsMethodOnlyWhereItCanBeComputed) {
    setDefault("RAD");
    startJob("Radiation with crops", "CASPER NATRONA CO AP");
    addCrop("Barley");
    dialogs.station = "NORTH PLATTE RGNL AP";
    EXPECT_EQ(session.getNewClimate(), ClimateResult::Stopped);
    EXPECT_EQ(messages.texts().last(),
              "The job's ET method, Radiation, cannot be computed at NORTH PLATTE RGNL AP: its "
              "weather site lacks the values the method needs. Select another station.");
    EXPECT_EQ(kova().StationName, "CASPER NATRONA CO AP");
    dialogs.station = "CHEYENNE";
    EXPECT_EQ(session.getNewClimate(), ClimateResult::AddCrop);
    EXPECT_EQ(kova().StationName, "CHEYENNE");
    EXPECT_EQ(kova().ETIndex, kETRadiation);
}

TEST_F(StationMethod, TheStationsElevationIsTheJobsUntilEdited) {
    ASSERT_TRUE(session.newJob());
    type(HeaderField::Name, "High site");
    type(HeaderField::Location, "x");
    type(HeaderField::Planner, "y");
    dialogs.station = "CHEYENNE";
    dialogs.answers = {true}; // Yes: edit the site, but nothing is typed
    ASSERT_EQ(session.getNewClimate(), ClimateResult::EditSite);
    EXPECT_EQ(session.fields().elevation, 6128.0);
    EXPECT_EQ(kova().Elevation, 6128.0) << "saved as shown";
    EXPECT_NEAR(*session.fields().ratio50, kova::calc::precipRatio50(kova().AnnualPrecip), 1e-12);
}

TEST_F(StationMethod, ACountyWithoutStationsKeepsTheStationOrStops) {
    ASSERT_TRUE(session.newJob());
    type(HeaderField::Name, "No station");
    type(HeaderField::Location, "x");
    type(HeaderField::Planner, "y");
    dialogs.station.reset();
    EXPECT_EQ(session.getNewClimate(), ClimateResult::Stopped);
    EXPECT_TRUE(dialogs.methodChoices.empty()) << "no method is chosen from an empty name";
    EXPECT_TRUE(kova().StationName.isEmpty());
    dialogs.station = "CHEYENNE";
    ASSERT_EQ(session.getNewClimate(), ClimateResult::AddCrop);
    dialogs.station.reset();
    EXPECT_EQ(session.getNewClimate(), ClimateResult::AddCrop);
    EXPECT_EQ(kova().StationName, "CHEYENNE");
    EXPECT_EQ(dialogs.stationsAsked.back(), "CHEYENNE");
}

} // namespace
